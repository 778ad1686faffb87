// The tokens of AutoLISP source text, shared by the reader and by the command line's completeness test.
#pragma once
#include <string>
#include <string_view>

namespace acadsim::lisp {

struct Token {
  enum class Kind { Open, Close, Quote, Dot, String, Atom, End, UnterminatedString, UnterminatedComment };
  Kind kind = Kind::End;
  // The string's characters with escapes resolved, or the atom's text as written.
  std::u16string text;
};

class Lexer {
 public:
  explicit Lexer(std::u16string_view source) : m_source(source) {}
  Token next();
  // Where the last token read ends.
  size_t position() const { return m_pos; }

 private:
  // False when a block comment runs to the end of the text.
  bool skipBlanksAndComments();
  Token readString();
  char16_t readEscape();

  std::u16string_view m_source;
  size_t m_pos = 0;
};

}  // namespace acadsim::lisp
