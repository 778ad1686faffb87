// SAT text: three header lines, then records ending in "#", then "End-of-ACIS-data".
#include "SatRecords.h"

#include <charconv>
#include <cmath>

namespace acadsim {
namespace {

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

bool isDigits(std::string_view s) {
  if (s.empty()) return false;
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return true;
}

class SatLexer {
 public:
  explicit SatLexer(std::string_view text) : text_(text) {}

  // The next raw token: "#" alone, "@n text" as a string, else a run of non-space characters.
  // False at the end of the text or for a string that runs past it.
  bool next(std::string_view& token, bool& isString) {
    while (pos_ < text_.size() && isSpace(text_[pos_])) ++pos_;
    if (pos_ >= text_.size()) return false;
    isString = false;
    if (text_[pos_] == '#') {
      token = text_.substr(pos_++, 1);
      return true;
    }
    size_t start = pos_;
    while (pos_ < text_.size() && !isSpace(text_[pos_]) && text_[pos_] != '#') ++pos_;
    token = text_.substr(start, pos_ - start);
    if (token.size() > 1 && token[0] == '@' && isDigits(token.substr(1))) {
      size_t length = 0;
      std::from_chars(token.data() + 1, token.data() + token.size(), length);
      // One space separates the length from the characters, which may themselves be spaces.
      if (pos_ >= text_.size() || length > text_.size() - pos_ - 1) return false;
      token = text_.substr(pos_ + 1, length);
      pos_ += 1 + length;
      isString = true;
    }
    return true;
  }
  // Moves past the next line break.
  void skipLine() {
    while (pos_ < text_.size() && text_[pos_] != '\n') ++pos_;
    if (pos_ < text_.size()) ++pos_;
  }
 private:
  std::string_view text_;
  size_t pos_ = 0;
};

// False for a number that does not parse completely or is not finite.
bool parseNumber(std::string_view text, double& value) {
  const char* first = text.data();
  const char* last = text.data() + text.size();
  if (first != last && *first == '+') ++first;
  auto [end, ec] = std::from_chars(first, last, value);
  return ec == std::errc() && end == last && std::isfinite(value);
}

bool looksNumeric(std::string_view text) {
  return !text.empty() && ((text[0] >= '0' && text[0] <= '9') || text[0] == '-' || text[0] == '+' || text[0] == '.');
}

bool isIntegerToken(const SatToken& token) {
  return token.kind == SatToken::Kind::Number && token.number == std::floor(token.number);
}

bool endsWith(std::string_view s, std::string_view suffix) {
  return s.size() >= suffix.size() && s.substr(s.size() - suffix.size()) == suffix;
}

// Drops what every entity record starts with: its attribute pointer and, from version 700, its history
// number, and for entities that are not attributes or transforms the pointer that follows.
bool dropEntityPrefix(int version, SatRecord& record) {
  std::vector<SatToken>& f = record.fields;
  if (f.empty() || f[0].kind != SatToken::Kind::Pointer) return false;
  size_t drop = 1;
  if (version >= 700) {
    if (f.size() < 2 || !isIntegerToken(f[1])) return false;
    drop = 2;
    bool plainEntity = !endsWith(record.type, "attrib") && record.type != "transform";
    if (plainEntity && f.size() > 2 && f[2].kind == SatToken::Kind::Pointer) drop = 3;
  }
  f.erase(f.begin(), f.begin() + static_cast<long>(drop));
  return true;
}

}  // namespace

Acad::ErrorStatus readSatRecords(std::string_view sat, SatDocument& document) {
  document = SatDocument{};
  SatLexer lexer(sat);
  std::string_view token;
  bool isString = false;
  if (!lexer.next(token, isString) || isString || !isDigits(token)) return Acad::eInvalidInput;
  long version = 0;
  std::from_chars(token.data(), token.data() + token.size(), version);
  if (version < 400) return Acad::eNotImplementedYet;
  if (version > 1000000) return Acad::eInvalidInput;
  document.version = static_cast<int>(version);
  // The rest of the first line counts records and bodies; the second names the writer; the third gives the
  // units and tolerances. The host uses none of them.
  for (int line = 0; line < 3; ++line) lexer.skipLine();

  SatRecord record;
  bool inRecord = false;
  while (lexer.next(token, isString)) {
    if (!isString && token == "#") {
      if (!inRecord || !dropEntityPrefix(document.version, record)) return Acad::eInvalidInput;
      document.records.push_back(std::move(record));
      record = SatRecord{};
      inRecord = false;
      continue;
    }
    if (!inRecord) {
      if (isString) return Acad::eInvalidInput;
      if (token == "End-of-ACIS-data" || token == "End-of-ASM-data") return Acad::eOk;
      // Some writers number their records ("-12 face ...").
      if (token.size() > 1 && token[0] == '-' && isDigits(token.substr(1))) continue;
      record.type = token;
      inRecord = true;
      continue;
    }
    SatToken field;
    if (isString) {
      field.kind = SatToken::Kind::String;
      field.text = token;
    } else if (token.size() > 1 && token[0] == '$') {
      double index = 0;
      if (!parseNumber(token.substr(1), index) || index != std::floor(index) || index < -1 || index > 1e15)
        return Acad::eInvalidInput;
      field.kind = SatToken::Kind::Pointer;
      field.pointer = static_cast<long long>(index);
    } else if (looksNumeric(token)) {
      if (!parseNumber(token, field.number)) return Acad::eInvalidInput;
      field.kind = SatToken::Kind::Number;
    } else {
      field.kind = SatToken::Kind::Word;
      field.text = token;
    }
    record.fields.push_back(field);
  }
  // Text that stops without its end marker is truncated.
  return Acad::eInvalidInput;
}

}  // namespace acadsim
