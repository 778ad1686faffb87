// The symbols of one session, each interned once under its upper-case name.
#pragma once
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "LispValue.h"

namespace acadsim::lisp {

class SymbolTable {
 public:
  SymbolTable();
  SymbolTable(const SymbolTable&) = delete;
  SymbolTable& operator=(const SymbolTable&) = delete;

  Symbol* intern(std::u16string_view name);
  Symbol* t() const { return m_t; }
  Symbol* quote() const { return m_quote; }
  Symbol* lambda() const { return m_lambda; }
  // What (princ) returns: a symbol that prints as nothing.
  Symbol* nullSymbol() const { return m_null; }

 private:
  std::unordered_map<std::u16string, std::unique_ptr<Symbol>> m_symbols;
  Symbol* m_t;
  Symbol* m_quote;
  Symbol* m_lambda;
  Symbol* m_null;
};

}  // namespace acadsim::lisp
