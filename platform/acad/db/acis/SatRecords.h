// The records of SAT text: each a type name and its fields, the common entity prefix removed.
#pragma once
#include <cstdint>
#include <string_view>
#include <vector>

#include <acadstrc.h>

namespace acadsim {

struct SatToken {
  enum class Kind : uint8_t { Pointer, Number, Word, String } kind = Kind::Word;
  double number = 0.0;    // Number
  long long pointer = -1;  // Pointer: a record index, -1 for none
  std::string_view text;  // Word and String
};

struct SatRecord {
  std::string_view type;          // "face", "plane-surface", "ref_vt-eye-attrib"...
  std::vector<SatToken> fields;   // after the attribute pointer (and, from version 700, the history number)
};

struct SatDocument {
  int version = 0;
  std::vector<SatRecord> records;  // in file order: pointer $n names records[n]
};

// Splits sat into records. eInvalidInput for a bad header, an unterminated record, a string running past
// the end or a number that is not finite; eNotImplementedYet for versions before 400.
Acad::ErrorStatus readSatRecords(std::string_view sat, SatDocument& document);

}  // namespace acadsim
