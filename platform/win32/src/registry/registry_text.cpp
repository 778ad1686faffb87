#include "registry/registry_text.h"

#include <cstdio>
#include <map>

#include "qvwide.h"
#include "winreg.h"

namespace win32sim::registry {

const char kRegistryFileHeader[] = "Windows Registry Editor Version 5.00";

namespace {

constexpr char kUserRoot[] = "HKEY_CURRENT_USER";
constexpr char kMachineRoot[] = "HKEY_LOCAL_MACHINE";
constexpr size_t kHexLineWidth = 76;
// A garbage file must not turn into millions of report lines.
constexpr size_t kMaxReportedProblems = 100;

// ---- writing ----

void AppendQuoted(std::string& out, std::u16string_view text) {
  out += '"';
  for (char c : WideToUtf8(text)) {
    if (c == '\\' || c == '"') out += '\\';
    out += c;
  }
  out += '"';
}

// The text of a REG_SZ that "..." holds exactly: one terminator at the end, nothing a line cannot carry.
bool StringAsText(const std::vector<BYTE>& data, std::u16string& text) {
  if (data.size() < 2 || data.size() % 2 != 0) return false;
  text.clear();
  for (size_t i = 0; i + 2 < data.size(); i += 2) {
    WCHAR unit = static_cast<WCHAR>(data[i] | (data[i + 1] << 8));
    if (unit == 0) return false;
    text += unit;
  }
  return data[data.size() - 2] == 0 && data[data.size() - 1] == 0 && IsStorableName(text);
}

void AppendHex(std::string& out, size_t lineStart, const std::vector<BYTE>& data) {
  char digits[4];
  for (size_t i = 0; i < data.size(); ++i) {
    std::snprintf(digits, sizeof digits, "%02x", data[i]);
    out += digits;
    if (i + 1 == data.size()) break;
    out += ',';
    if (out.size() - lineStart > kHexLineWidth) {
      out += "\\\n  ";
      lineStart = out.size() - 2;
    }
  }
}

void AppendValue(std::string& out, const Value& value) {
  size_t lineStart = out.size();
  if (value.name.empty())
    out += '@';
  else
    AppendQuoted(out, value.name);
  out += '=';
  std::u16string text;
  if (value.type == REG_SZ && StringAsText(value.data, text)) {
    AppendQuoted(out, text);
  } else if (value.type == REG_DWORD && value.data.size() == 4) {
    char digits[16];
    DWORD dword = value.data[0] | (value.data[1] << 8) | (value.data[2] << 16) | (DWORD(value.data[3]) << 24);
    std::snprintf(digits, sizeof digits, "dword:%08x", dword);
    out += digits;
  } else {
    char prefix[24];
    if (value.type == REG_BINARY)
      std::snprintf(prefix, sizeof prefix, "hex:");
    else
      std::snprintf(prefix, sizeof prefix, "hex(%x):", value.type);
    out += prefix;
    AppendHex(out, lineStart, value.data);
  }
  out += '\n';
}

void AppendKey(std::string& out, const Key& key, const std::string& path) {
  out += "\n[" + path + "]\n";
  for (const Value& value : key.values) AppendValue(out, value);
  for (const auto& [name, subkey] : key.subkeys) AppendKey(out, *subkey, path + "\\" + WideToUtf8(name));
}

// ---- reading ----

bool IsHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

int HexValue(char c) { return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10; }

bool IsValidUtf8(std::string_view line) { return WideToUtf8(Utf8ToWide(line)) == line; }

std::string_view TrimLeft(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  return s;
}

std::string_view TrimRight(std::string_view s) {
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

class Parser {
 public:
  Parser(const std::string& path, Key& user, Key& machine, std::vector<std::string>& problems)
      : path_(path), user_(user), machine_(machine), problems_(problems) {}

  void Parse(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    if (text.empty()) return Report(1, "the file is empty");
    std::vector<std::string_view> lines;
    for (size_t start = 0; start < text.size();) {
      size_t end = text.find('\n', start);
      if (end == std::string_view::npos) end = text.size();
      lines.push_back(text.substr(start, end - start));
      start = end + 1;
    }
    if (text.back() != '\n') Report(lines.size(), "truncated: the last line has no end of line");
    if (TrimRight(lines[0]) != kRegistryFileHeader)
      Report(1, std::string("not a registry file: the first line must be \"") + kRegistryFileHeader + "\"");
    size_t first = TrimRight(lines[0]) == kRegistryFileHeader || TrimLeft(lines[0]).substr(0, 1) != "[" ? 1 : 0;
    for (size_t i = first; i < lines.size(); ++i) i = ParseLine(lines, i);
    if (dropped_ > 0) problems_.push_back(path_ + ": " + std::to_string(dropped_) + " more problems not listed");
  }

 private:
  // Returns the index of the last physical line the entry used.
  size_t ParseLine(const std::vector<std::string_view>& lines, size_t index) {
    size_t lineNumber = index + 1;
    std::string_view line = TrimRight(TrimLeft(lines[index]));
    if (line.empty() || line.front() == ';') return index;
    if (!IsValidUtf8(line)) {
      Report(lineNumber, "invalid UTF-8");
      if (line.front() == '[') EnterNoSection(true);
      return index;
    }
    if (line.front() == '[') {
      ParseSection(lineNumber, line);
      return index;
    }
    if (line.front() != '"' && line.front() != '@') {
      Report(lineNumber, "neither a [key] line, a \"name\"=value line nor a ; comment");
      return index;
    }
    std::string logical(line);
    while (!logical.empty() && logical.back() == '\\') {
      logical.pop_back();
      if (++index == lines.size()) {
        Report(lineNumber, "truncated: the value continues past the end of the file");
        return index - 1;
      }
      std::string_view next = TrimRight(TrimLeft(lines[index]));
      if (!IsValidUtf8(next)) {
        Report(index + 1, "invalid UTF-8");
        return index;
      }
      logical += next;
    }
    ParseValue(lineNumber, logical);
    return index;
  }

  void EnterNoSection(bool skipping) {
    current_ = nullptr;
    skipping_ = skipping;
  }

  void ParseSection(size_t lineNumber, std::string_view line) {
    EnterNoSection(true);
    if (line.back() != ']') return Report(lineNumber, "a [key] line must end with ]");
    std::u16string path = Utf8ToWide(line.substr(1, line.size() - 2));
    if (!path.empty() && path.front() == u'-') return Report(lineNumber, "deleting keys ([-...]) is not supported here");
    std::vector<std::u16string> names;
    for (size_t start = 0;;) {
      size_t end = path.find(u'\\', start);
      names.push_back(path.substr(start, end == std::u16string::npos ? std::u16string::npos : end - start));
      if (end == std::u16string::npos) break;
      start = end + 1;
    }
    Key* key = nullptr;
    if (SameName(names[0], u"HKEY_CURRENT_USER")) {
      key = &user_;
    } else if (SameName(names[0], u"HKEY_LOCAL_MACHINE")) {
      key = &machine_;
    } else if (SameName(names[0], u"HKEY_CLASSES_ROOT")) {
      return Report(lineNumber, "HKEY_CLASSES_ROOT is a view; write its keys under "
                                "HKEY_CURRENT_USER\\Software\\Classes or HKEY_LOCAL_MACHINE\\Software\\Classes");
    } else {
      return Report(lineNumber, "unknown root key \"" + WideToUtf8(names[0]) + "\"");
    }
    if (names.size() - 1 > kMaxKeyDepth) return Report(lineNumber, "key path deeper than 512 levels");
    for (size_t i = 1; i < names.size(); ++i) {
      if (names[i].empty()) return Report(lineNumber, "empty key name in the path");
      if (names[i].size() > kMaxKeyNameLength) return Report(lineNumber, "key name longer than 255 characters");
      if (!IsStorableName(names[i])) return Report(lineNumber, "key name holds control characters");
    }
    for (size_t i = 1; i < names.size(); ++i) key = &key->AddSubkey(names[i]);
    auto [seen, fresh] = sectionLines_.emplace(key, lineNumber);
    if (!fresh) {
      Report(lineNumber, "key repeated (first at line " + std::to_string(seen->second) + "); the later one wins");
      seen->second = lineNumber;
      key->values.clear();
      valueLines_.erase(key);
    }
    current_ = key;
    skipping_ = false;
  }

  // Reads "text" with \\ and \" escapes from the front of rest; false with the reason in error.
  static bool ReadQuoted(std::string_view& rest, std::string& text, std::string& error) {
    text.clear();
    for (size_t i = 1; i < rest.size(); ++i) {
      char c = rest[i];
      if (c == '"') {
        rest.remove_prefix(i + 1);
        return true;
      }
      if (c == '\\') {
        if (i + 1 == rest.size() || (rest[i + 1] != '\\' && rest[i + 1] != '"')) {
          error = "bad escape in a quoted text (only \\\\ and \\\" are known)";
          return false;
        }
        c = rest[++i];
      }
      text += c;
    }
    error = "quoted text without its closing quote";
    return false;
  }

  static bool ReadHexBytes(std::string_view rest, std::vector<BYTE>& data) {
    rest = TrimLeft(rest);
    while (!rest.empty()) {
      if (rest.size() < 2 || !IsHexDigit(rest[0]) || !IsHexDigit(rest[1])) return false;
      data.push_back(static_cast<BYTE>(HexValue(rest[0]) * 16 + HexValue(rest[1])));
      rest = TrimLeft(rest.substr(2));
      if (rest.empty()) break;
      if (rest.front() != ',') return false;
      rest = TrimLeft(rest.substr(1));
      if (rest.empty()) return false;
    }
    return true;
  }

  // Type and data of what follows "=", or false with the reason.
  static bool ReadData(std::string_view rest, Value& value, std::string& error) {
    if (!rest.empty() && rest.front() == '"') {
      std::string text;
      if (!ReadQuoted(rest, text, error)) return false;
      if (!TrimLeft(rest).empty()) {
        error = "text after the closing quote";
        return false;
      }
      std::u16string wide = Utf8ToWide(text);
      value.type = REG_SZ;
      for (WCHAR unit : wide) {
        value.data.push_back(static_cast<BYTE>(unit & 0xFF));
        value.data.push_back(static_cast<BYTE>(unit >> 8));
      }
      value.data.insert(value.data.end(), {0, 0});
      return true;
    }
    if (rest.substr(0, 6) == "dword:") {
      std::string_view digits = rest.substr(6);
      if (digits.size() != 8 || digits.find_first_not_of("0123456789abcdefABCDEF") != std::string_view::npos) {
        error = "a dword needs exactly 8 hex digits";
        return false;
      }
      value.type = REG_DWORD;
      for (size_t i = 8; i > 0; i -= 2)
        value.data.push_back(static_cast<BYTE>(HexValue(digits[i - 2]) * 16 + HexValue(digits[i - 1])));
      return true;
    }
    if (rest.substr(0, 4) == "hex:") {
      value.type = REG_BINARY;
      rest.remove_prefix(4);
    } else if (rest.substr(0, 4) == "hex(") {
      size_t close = rest.find("):");
      std::string_view digits = close == std::string_view::npos ? std::string_view() : rest.substr(4, close - 4);
      if (digits.empty() || digits.size() > 8 ||
          digits.find_first_not_of("0123456789abcdefABCDEF") != std::string_view::npos) {
        error = "hex(type) needs a type of 1 to 8 hex digits";
        return false;
      }
      value.type = 0;
      for (char c : digits) value.type = value.type * 16 + HexValue(c);
      rest.remove_prefix(close + 2);
    } else {
      error = rest == "-" ? "deleting values (=-) is not supported here"
                          : "unknown value type \"" + std::string(rest.substr(0, rest.find(':'))).substr(0, 20) +
                                "\" (known: \"text\", dword:, hex:, hex(type):)";
      return false;
    }
    if (!ReadHexBytes(rest, value.data)) {
      error = "bad hex data: two hex digits per byte, separated by commas";
      return false;
    }
    return true;
  }

  void ParseValue(size_t lineNumber, std::string_view line) {
    if (!current_) {
      if (!skipping_) Report(lineNumber, "value outside a section");
      return;
    }
    Value value;
    std::string error;
    std::string_view rest = line;
    if (rest.front() == '@') {
      rest.remove_prefix(1);
    } else {
      std::string name;
      if (!ReadQuoted(rest, name, error)) return Report(lineNumber, error);
      value.name = Utf8ToWide(name);
      if (value.name.empty()) return Report(lineNumber, "empty value name (the default value is written @)");
      if (value.name.size() > kMaxValueNameLength)
        return Report(lineNumber, "value name longer than 16383 characters");
      if (!IsStorableName(value.name)) return Report(lineNumber, "value name holds control characters");
    }
    if (rest.empty() || rest.front() != '=') return Report(lineNumber, "= expected after the value name");
    if (!ReadData(rest.substr(1), value, error)) return Report(lineNumber, error);
    auto& lines = valueLines_[current_];
    auto [seen, fresh] = lines.emplace(value.name, lineNumber);
    if (!fresh) {
      Report(lineNumber, "value repeated (first at line " + std::to_string(seen->second) + "); the later one wins");
      seen->second = lineNumber;
    }
    long existing = current_->FindValue(value.name);
    if (existing >= 0)
      current_->values[existing] = std::move(value);
    else
      current_->values.push_back(std::move(value));
  }

  void Report(size_t lineNumber, const std::string& reason) {
    if (problems_.size() - firstProblem_ >= kMaxReportedProblems) {
      ++dropped_;
      return;
    }
    problems_.push_back(path_ + ":" + std::to_string(lineNumber) + ": " + reason);
  }

  const std::string& path_;
  Key& user_;
  Key& machine_;
  std::vector<std::string>& problems_;
  size_t firstProblem_ = problems_.size();
  size_t dropped_ = 0;
  Key* current_ = nullptr;
  bool skipping_ = false;
  std::map<Key*, size_t> sectionLines_;
  std::map<Key*, std::map<std::u16string, size_t, NameLess>> valueLines_;
};

}  // namespace

std::string RegistryText(const Key& user, const Key& machine) {
  std::string out = kRegistryFileHeader;
  out += '\n';
  AppendKey(out, user, kUserRoot);
  AppendKey(out, machine, kMachineRoot);
  return out;
}

void ParseRegistryText(std::string_view text, const std::string& path, Key& user, Key& machine,
                       std::vector<std::string>& problems) {
  Parser(path, user, machine, problems).Parse(text);
}

}  // namespace win32sim::registry
