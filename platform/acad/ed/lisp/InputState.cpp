// Whether the command line has read a whole expression yet.
#include <acadsim/Lisp.h>

#include "LispLexer.h"

namespace acadsim::lisp {

InputState inputState(std::u16string_view source) {
  Lexer lexer(source);
  int depth = 0;
  bool quoteWaiting = false;
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
        if (depth == 0) return InputState::Malformed;
        --depth;
        break;
      default:
        break;
    }
    if (depth == 0) quoteWaiting = token.kind == Token::Kind::Quote;
  }
}

}  // namespace acadsim::lisp
