// Whether the command line has read a whole expression yet.
#include <acadsim/Lisp.h>

#include "LispLexer.h"

namespace acadsim::lisp {

InputState inputState(std::u16string_view source) { return InputScanner().feed(source); }

InputState InputScanner::feed(std::u16string_view piece) {
  m_text += piece;
  if (m_malformed) return InputState::Malformed;
  const size_t base = m_scanned;
  Lexer lexer(std::u16string_view(m_text).substr(base));
  int depth = m_depth;
  bool quoteWaiting = m_quoteWaiting;
  for (;;) {
    const Token token = lexer.next();
    switch (token.kind) {
      case Token::Kind::End:
        return depth > 0 || quoteWaiting ? InputState::NeedMore : InputState::Complete;
      case Token::Kind::UnterminatedString:
      case Token::Kind::UnterminatedComment:
        return InputState::NeedMore;
      case Token::Kind::Open:
        ++depth;
        break;
      case Token::Kind::Close:
        if (depth == 0) {
          m_malformed = true;
          return InputState::Malformed;
        }
        --depth;
        break;
      default:
        break;
    }
    if (depth == 0) quoteWaiting = token.kind == Token::Kind::Quote;
    // A token that reaches the end may go on in the next piece (an atom), so it is read again then.
    if (base + lexer.position() < m_text.size()) {
      m_scanned = base + lexer.position();
      m_depth = depth;
      m_quoteWaiting = quoteWaiting;
    }
  }
}

}  // namespace acadsim::lisp
