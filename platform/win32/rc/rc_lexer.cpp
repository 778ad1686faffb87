#include "rc_lexer.h"

#include <cctype>
#include <fstream>
#include <iterator>
#include <sstream>
#include <unordered_set>

#include "qvwide.h"

namespace fs = std::filesystem;

namespace {

// What <windows.h>/<winres.h> define for a resource script; those includes themselves are skipped.
const std::map<std::string, uint32_t> kPredefined = {
    {"VS_VERSION_INFO", 1},
    {"VS_FFI_SIGNATURE", 0xFEEF04BD},
    {"VS_FFI_STRUCVERSION", 0x00010000},
    {"VS_FFI_FILEFLAGSMASK", 0x3F},
    {"VS_FF_DEBUG", 0x01},
    {"VS_FF_PRERELEASE", 0x02},
    {"VS_FF_PATCHED", 0x04},
    {"VS_FF_PRIVATEBUILD", 0x08},
    {"VS_FF_INFOINFERRED", 0x10},
    {"VS_FF_SPECIALBUILD", 0x20},
    {"VOS_UNKNOWN", 0},
    {"VOS_DOS", 0x00010000},
    {"VOS_NT", 0x00040000},
    {"VOS__WINDOWS32", 0x4},
    {"VOS_DOS_WINDOWS32", 0x00010004},
    {"VOS_NT_WINDOWS32", 0x00040004},
    {"VFT_UNKNOWN", 0},
    {"VFT_APP", 1},
    {"VFT_DLL", 2},
    {"VFT_DRV", 3},
    {"VFT_FONT", 4},
    {"VFT_VXD", 5},
    {"VFT_STATIC_LIB", 7},
    {"VFT2_UNKNOWN", 0},
    {"LANG_NEUTRAL", 0x00},
    {"LANG_INVARIANT", 0x7f},
    {"LANG_CHINESE", 0x04},
    {"LANG_CHINESE_SIMPLIFIED", 0x04},
    {"LANG_CHINESE_TRADITIONAL", 0x7c04},
    {"LANG_ENGLISH", 0x09},
    {"LANG_FRENCH", 0x0c},
    {"LANG_GERMAN", 0x07},
    {"LANG_ITALIAN", 0x10},
    {"LANG_JAPANESE", 0x11},
    {"LANG_KOREAN", 0x12},
    {"LANG_RUSSIAN", 0x19},
    {"LANG_SPANISH", 0x0a},
    {"SUBLANG_NEUTRAL", 0x00},
    {"SUBLANG_DEFAULT", 0x01},
    {"SUBLANG_SYS_DEFAULT", 0x02},
    {"SUBLANG_CHINESE_TRADITIONAL", 0x01},
    {"SUBLANG_CHINESE_SIMPLIFIED", 0x02},
    {"SUBLANG_CHINESE_HONGKONG", 0x03},
    {"SUBLANG_CHINESE_SINGAPORE", 0x04},
    {"SUBLANG_ENGLISH_US", 0x01},
    {"SUBLANG_ENGLISH_UK", 0x02},
    {"SUBLANG_GERMAN", 0x01},
    {"SUBLANG_FRENCH", 0x01},
    {"SUBLANG_JAPANESE_JAPAN", 0x01},
    {"SUBLANG_KOREAN", 0x01},
};

// System headers a script includes only for the names above.
bool isSystemHeader(const std::string& name) {
  static const char* const names[] = {"windows.h", "winres.h", "winver.h", "verrsrc.h", "afxres.h", "winresrc.h"};
  for (const char* n : names)
    if (name == n) return true;
  return false;
}

bool isIdentStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool isIdentChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

}  // namespace

RcLexer::RcLexer(const fs::path& file, std::vector<fs::path> includeDirs) : includeDirs_(std::move(includeDirs)) {
  for (const auto& [name, value] : kPredefined) {
    RcToken token;
    token.kind = RcToken::Number;
    token.number = value;
    token.text = name;
    defines_[name] = {token};
  }
  open(file);
}

void RcLexer::open(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    if (sources_.empty()) throw RcError(file.string(), "cannot open file");
    throw error("cannot open included file '" + file.string() + "'");
  }
  if (sources_.size() > 32) throw error("#include nested too deeply");
  std::ostringstream text;
  text << in.rdbuf();
  Source source{file, text.str()};
  if (source.text.compare(0, 3, "\xEF\xBB\xBF") == 0) source.pos = 3;  // UTF-8 byte order mark
  sources_.push_back(std::move(source));
  filesRead_.push_back(file);
}

std::string RcLexer::where() const {
  if (sources_.empty()) return "?";
  return sources_.back().path.string() + ":" + std::to_string(sources_.back().line);
}

bool RcLexer::active() const {
  for (bool taken : conditions_)
    if (!taken) return false;
  return true;
}

const RcToken& RcLexer::peek() {
  if (pending_.empty()) {
    RcToken token = lex();  // may queue the rest of a macro expansion behind it
    pending_.push_front(std::move(token));
  }
  return pending_.front();
}

RcToken RcLexer::next() {
  if (pending_.empty()) return lex();
  RcToken token = pending_.front();
  pending_.pop_front();
  return token;
}

// Skips white space and comments; returns true when it crossed or reached a line start.
bool RcLexer::skipSpace(bool stopAtNewline) {
  Source& s = sources_.back();
  bool lineStart = s.pos == 0;
  while (s.pos < s.text.size()) {
    char c = s.text[s.pos];
    if (c == '\n') {
      if (stopAtNewline) return lineStart;
      ++s.line;
      ++s.pos;
      lineStart = true;
    } else if (c == '\\' && s.pos + 1 < s.text.size() && (s.text[s.pos + 1] == '\n' || s.text[s.pos + 1] == '\r')) {
      s.pos += s.text[s.pos + 1] == '\r' ? 2 : 1;
      if (s.pos < s.text.size() && s.text[s.pos] == '\n') ++s.pos;
      ++s.line;
    } else if (std::isspace(static_cast<unsigned char>(c))) {
      ++s.pos;
    } else if (s.text.compare(s.pos, 2, "//") == 0) {
      while (s.pos < s.text.size() && s.text[s.pos] != '\n') ++s.pos;
    } else if (s.text.compare(s.pos, 2, "/*") == 0) {
      size_t end = s.text.find("*/", s.pos + 2);
      if (end == std::string::npos) throw error("unterminated comment");
      for (size_t i = s.pos; i < end; ++i)
        if (s.text[i] == '\n') ++s.line;
      s.pos = end + 2;
    } else {
      break;
    }
  }
  return lineStart;
}

RcToken RcLexer::lex() {
  for (;;) {
    if (sources_.empty()) return RcToken{};
    bool lineStart = skipSpace(false);
    Source& s = sources_.back();
    if (s.pos >= s.text.size()) {
      if (sources_.size() == 1) {
        if (!conditions_.empty()) throw error("missing #endif");
        RcToken end;
        end.where = where();
        return end;
      }
      sources_.pop_back();
      continue;
    }
    if (lineStart && s.text[s.pos] == '#') {
      ++s.pos;
      directive();
      continue;
    }
    if (!active()) {
      restOfLine();
      continue;
    }
    RcToken token = lexRaw();
    if (token.kind != RcToken::Identifier || !defines_.count(token.text)) return token;
    std::vector<RcToken> expansion = expand(token);
    pending_.insert(pending_.begin(), std::make_move_iterator(expansion.begin()),
                    std::make_move_iterator(expansion.end()));
    if (pending_.empty()) continue;
    RcToken first = std::move(pending_.front());
    pending_.pop_front();
    return first;
  }
}

// Object-like macros expand recursively; a name inside its own expansion stays as it is, as in C.
// Every body token visited is counted, so doubling or empty macros cannot make the work grow unbounded.
std::vector<RcToken> RcLexer::expand(const RcToken& name) {
  using Macro = std::map<std::string, std::vector<RcToken>>::value_type;
  struct Frame {
    const Macro* macro;
    size_t next;
  };
  std::vector<Frame> stack{{&*defines_.find(name.text), 0}};
  std::unordered_set<const Macro*> expanding{stack.back().macro};
  std::vector<RcToken> out;
  size_t steps = 0;
  while (!stack.empty()) {
    Frame& frame = stack.back();
    if (frame.next == frame.macro->second.size()) {
      expanding.erase(frame.macro);
      stack.pop_back();
      continue;
    }
    const RcToken& token = frame.macro->second[frame.next++];
    if (++steps > kMaxExpansionSteps) throw RcError(name.where, "expansion of '" + name.text + "' is too long");
    if (++scriptExpansionSteps_ > kMaxScriptExpansionSteps)
      throw RcError(name.where, "macro expansions in this script are too long in total");
    auto macro = token.kind == RcToken::Identifier ? defines_.find(token.text) : defines_.end();
    if (macro != defines_.end() && expanding.insert(&*macro).second) {
      stack.push_back({&*macro, 0});
      continue;
    }
    out.push_back(token);
    out.back().where = name.where;
  }
  return out;
}

RcToken RcLexer::lexRaw() {
  RcToken token;
  token.where = where();
  Source& s = sources_.back();
  const std::string& t = s.text;
  char c = t[s.pos];
  bool wideLiteral = (c == 'L' || c == 'l') && s.pos + 1 < t.size() && t[s.pos + 1] == '"';
  if (wideLiteral) c = t[++s.pos];
  if (c == '"') {
    std::string utf8;
    ++s.pos;
    for (;;) {
      if (s.pos >= t.size() || t[s.pos] == '\n') throw error("unterminated string");
      char ch = t[s.pos++];
      if (ch == '"') {
        if (s.pos < t.size() && t[s.pos] == '"') {
          utf8 += '"';
          ++s.pos;
          continue;
        }
        break;
      }
      if (ch != '\\') {
        if (ch != '\r') utf8 += ch;
        continue;
      }
      if (s.pos >= t.size()) throw error("unterminated string");
      char e = t[s.pos++];
      switch (e) {
        case 'n': utf8 += '\n'; break;
        case 't': utf8 += '\t'; break;
        case 'r': utf8 += '\r'; break;
        case 'a': utf8 += '\a'; break;
        case '\\': utf8 += '\\'; break;
        case '"': utf8 += '"'; break;
        case '\'': utf8 += '\''; break;
        case 'x': case 'X': {
          unsigned value = 0;
          int digits = 0;
          // As RC: two hex digits in a narrow string, four in an L"" one.
          while (digits < (wideLiteral ? 4 : 2) && s.pos < t.size() && std::isxdigit(static_cast<unsigned char>(t[s.pos]))) {
            char h = static_cast<char>(std::tolower(static_cast<unsigned char>(t[s.pos++])));
            value = value * 16 + static_cast<unsigned>(h <= '9' ? h - '0' : h - 'a' + 10);
            ++digits;
          }
          if (digits == 0) throw error("\\x without hex digits");
          utf8 += WideToUtf8(std::u16string(1, static_cast<char16_t>(value)));
          break;
        }
        default:
          if (e >= '0' && e <= '7') {
            unsigned value = static_cast<unsigned>(e - '0');
            for (int i = 0; i < 2 && s.pos < t.size() && t[s.pos] >= '0' && t[s.pos] <= '7'; ++i)
              value = value * 8 + static_cast<unsigned>(t[s.pos++] - '0');
            utf8 += WideToUtf8(std::u16string(1, static_cast<char16_t>(value)));
          } else {
            throw error(std::string("unknown escape \\") + e);
          }
      }
    }
    token.kind = RcToken::String;
    token.str = Utf8ToWide(utf8);
    return token;
  }
  if (std::isdigit(static_cast<unsigned char>(c))) {
    size_t start = s.pos;
    int base = 10;
    if (c == '0' && s.pos + 1 < t.size() && (t[s.pos + 1] == 'x' || t[s.pos + 1] == 'X')) {
      base = 16;
      s.pos += 2;
    }
    uint64_t value = 0;
    size_t digitsStart = s.pos;
    while (s.pos < t.size() && std::isxdigit(static_cast<unsigned char>(t[s.pos]))) {
      char d = t[s.pos];
      if (base == 10 && !std::isdigit(static_cast<unsigned char>(d))) break;
      value = value * static_cast<uint64_t>(base) +
              static_cast<uint64_t>(std::isdigit(static_cast<unsigned char>(d)) ? d - '0' : (std::tolower(d) - 'a' + 10));
      if (value > 0xFFFFFFFFull) throw error("number too large");
      ++s.pos;
    }
    if (s.pos == digitsStart) throw error("malformed number");
    while (s.pos < t.size() && (t[s.pos] == 'L' || t[s.pos] == 'l' || t[s.pos] == 'U' || t[s.pos] == 'u')) {
      if (t[s.pos] == 'L' || t[s.pos] == 'l') token.isLong = true;
      ++s.pos;
    }
    if (s.pos < t.size() && isIdentChar(t[s.pos])) throw error("malformed number");
    token.kind = RcToken::Number;
    token.number = static_cast<uint32_t>(value);
    token.text = t.substr(start, s.pos - start);
    return token;
  }
  if (isIdentStart(c)) {
    size_t start = s.pos;
    while (s.pos < t.size() && isIdentChar(t[s.pos])) ++s.pos;
    token.kind = RcToken::Identifier;
    token.text = t.substr(start, s.pos - start);
    return token;
  }
  if (std::string(",|+-()~{}&").find(c) != std::string::npos) {
    ++s.pos;
    token.kind = RcToken::Punct;
    token.text = std::string(1, c);
    return token;
  }
  throw error(std::string("unexpected character '") + c + "'");
}

std::string RcLexer::restOfLine() {
  Source& s = sources_.back();
  std::string line;
  while (s.pos < s.text.size() && s.text[s.pos] != '\n') {
    if (s.text[s.pos] == '\\' && s.pos + 1 < s.text.size() && s.text[s.pos + 1] == '\n') {
      s.pos += 2;
      ++s.line;
      line += ' ';
      continue;
    }
    line += s.text[s.pos++];
  }
  return line;
}

fs::path RcLexer::findInclude(const std::string& name, bool angled) const {
  std::vector<fs::path> dirs;
  if (!angled) dirs.push_back(sources_.back().path.parent_path());
  dirs.insert(dirs.end(), includeDirs_.begin(), includeDirs_.end());
  for (const fs::path& dir : dirs) {
    fs::path candidate = dir / name;
    if (fs::exists(candidate)) return candidate;
  }
  return {};
}

void RcLexer::directive() {
  Source& s = sources_.back();
  skipSpace(true);
  std::string name;
  while (s.pos < s.text.size() && isIdentChar(s.text[s.pos])) name += s.text[s.pos++];
  if (name == "ifdef" || name == "ifndef") {
    skipSpace(true);
    RcToken macro = lexRaw();
    if (macro.kind != RcToken::Identifier) throw error("#" + name + " needs a name");
    restOfLine();
    bool defined = defines_.count(macro.text) != 0;
    conditions_.push_back(name == "ifdef" ? defined : !defined);
    return;
  }
  if (name == "else") {
    if (conditions_.empty()) throw error("#else without #if");
    conditions_.back() = !conditions_.back();
    restOfLine();
    return;
  }
  if (name == "endif") {
    if (conditions_.empty()) throw error("#endif without #if");
    conditions_.pop_back();
    restOfLine();
    return;
  }
  if (!active()) {
    if (name == "if") conditions_.push_back(false);  // an inactive #if: only its #endif matters here
    restOfLine();
    return;
  }
  if (name == "define" || name == "undef") {
    skipSpace(true);
    RcToken macro = lexRaw();
    if (macro.kind != RcToken::Identifier) throw error("#" + name + " needs a name");
    if (s.pos < s.text.size() && s.text[s.pos] == '(') throw error("function-like macros are not supported");
    if (name == "undef") {
      defines_.erase(macro.text);
      restOfLine();
      return;
    }
    std::vector<RcToken> body;
    for (skipSpace(true); s.pos < s.text.size() && s.text[s.pos] != '\n'; skipSpace(true)) body.push_back(lexRaw());
    defines_[macro.text] = body;
    return;
  }
  if (name == "include") {
    skipSpace(true);
    std::string rest = restOfLine();
    while (!rest.empty() && std::isspace(static_cast<unsigned char>(rest.back()))) rest.pop_back();
    if (rest.size() < 2 || !((rest.front() == '"' && rest.back() == '"') || (rest.front() == '<' && rest.back() == '>')))
      throw error("malformed #include");
    bool angled = rest.front() == '<';
    std::string file = rest.substr(1, rest.size() - 2);
    if (angled && isSystemHeader(file)) return;  // the platform's own <windows.h> is C++, not for scripts
    fs::path found = findInclude(file, angled);
    if (found.empty()) throw error("cannot find included file '" + file + "'");
    open(found);
    return;
  }
  if (name == "pragma") {
    std::string rest = restOfLine();
    std::string compact;
    for (char c : rest)
      if (!std::isspace(static_cast<unsigned char>(c))) compact += c;
    if (compact.rfind("code_page(", 0) == 0 && compact != "code_page(65001)")
      throw error("only UTF-8 scripts are supported (#pragma code_page(65001))");
    return;
  }
  throw error("unsupported preprocessor directive #" + name);
}
