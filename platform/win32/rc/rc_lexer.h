// Tokens of a resource script, with the preprocessor subset resource scripts use:
// #include, object-like #define/#undef, #ifdef/#ifndef/#else/#endif, #pragma code_page(65001).
#pragma once
#include <deque>
#include <filesystem>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

struct RcError : std::runtime_error {
  RcError(const std::string& where, const std::string& what) : std::runtime_error(where + ": error: " + what) {}
};

struct RcToken {
  enum Kind { End, Identifier, Number, String, Punct };
  Kind kind = End;
  std::string text;     // identifier or punctuation as written
  std::u16string str;   // a string literal's value
  uint32_t number = 0;
  bool isLong = false;  // a number written with an L suffix
  std::string where;    // "file:line"
};

class RcLexer {
 public:
  RcLexer(const std::filesystem::path& file, std::vector<std::filesystem::path> includeDirs);

  // Macro body tokens one use of a name may visit, and all uses in a script together.
  static constexpr size_t kMaxExpansionSteps = 100000;
  static constexpr size_t kMaxScriptExpansionSteps = 1000000;

  RcToken next();
  const RcToken& peek();
  std::string where() const;
  // Every file read so far, for the build's dependency list.
  const std::vector<std::filesystem::path>& filesRead() const { return filesRead_; }

 private:
  struct Source {
    std::filesystem::path path;
    std::string text;
    size_t pos = 0;
    int line = 1;
  };

  void open(const std::filesystem::path& file);
  RcToken lex();
  RcToken lexRaw();
  std::vector<RcToken> expand(const RcToken& name);
  bool skipSpace(bool stopAtNewline);
  void directive();
  std::string restOfLine();
  bool active() const;
  std::filesystem::path findInclude(const std::string& name, bool angled) const;
  RcError error(const std::string& what) const { return RcError(where(), what); }

  std::vector<Source> sources_;
  std::vector<std::filesystem::path> includeDirs_;
  std::vector<std::filesystem::path> filesRead_;
  std::map<std::string, std::vector<RcToken>> defines_;
  std::vector<bool> conditions_;  // per open #if: whether its branch is taken
  std::deque<RcToken> pending_;   // macro expansions and peeked tokens
  size_t scriptExpansionSteps_ = 0;
};
