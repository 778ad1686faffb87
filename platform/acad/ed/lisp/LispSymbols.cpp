#include "LispSymbols.h"

#include "LispCase.h"

namespace acadsim::lisp {

SymbolTable::SymbolTable()
    : m_t(intern(u"T")), m_quote(intern(u"QUOTE")), m_lambda(intern(u"LAMBDA")), m_null(intern(u"")) {
  m_t->value = m_t;
}

Symbol* SymbolTable::intern(std::u16string_view name) {
  std::u16string key = UpperCase(name);
  auto it = m_symbols.find(key);
  if (it != m_symbols.end()) return it->second.get();
  auto symbol = std::make_unique<Symbol>(Symbol{key, {}});
  Symbol* raw = symbol.get();
  m_symbols.emplace(std::move(key), std::move(symbol));
  return raw;
}

}  // namespace acadsim::lisp
