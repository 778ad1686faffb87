// Collects STRINGTABLE entries and lays them out as Windows does: blocks of 16 strings,
// block n holding ids 16(n-1) to 16n-1, each string a WORD length and its UTF-16 units.
#pragma once
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "rc_model.h"

class StringTableBuilder {
 public:
  void add(uint16_t language, uint32_t id, std::u16string text, const std::string& where);
  std::vector<Resource> blocks() const;

 private:
  std::map<std::pair<uint16_t, uint32_t>, std::pair<std::u16string, std::string>> strings_;
};
