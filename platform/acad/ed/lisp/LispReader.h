// Reads AutoLISP expressions from source text, one at a time.
#pragma once
#include <optional>
#include <string_view>

#include "LispLexer.h"
#include "LispSymbols.h"
#include "LispValue.h"

namespace acadsim::lisp {

class Reader {
 public:
  Reader(SymbolTable& symbols, std::u16string_view source) : m_symbols(symbols), m_lexer(source) {}

  // The next expression, or nothing at the end of the text. Malformed text throws LispError with
  // AutoLISP's message ("malformed list on input", "extra right paren on input"...).
  std::optional<Value> next();

 private:
  Value atom(const std::u16string& text);

  SymbolTable& m_symbols;
  Lexer m_lexer;
};

// A number as AutoLISP reads one: integers that do not fit 32 bits are read as reals. Null when text
// is not a number.
std::optional<Value> ParseNumber(std::u16string_view text);

}  // namespace acadsim::lisp
