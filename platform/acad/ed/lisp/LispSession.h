// One document's AutoLISP session: its symbols, the evaluator and calls to every kind of function.
#pragma once
#include <acadsim/LispFunctions.h>

#include <memory>
#include <string>
#include <unordered_map>

#include "LispFunction.h"
#include "LispSymbols.h"
#include "LispValue.h"

namespace acadsim::lisp {

class Session {
 public:
  explicit Session(const LispFunctionTable* documentFunctions);
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  SymbolTable& symbols() { return m_symbols; }
  Value truth(bool b) const { return b ? Value(m_symbols.t()) : Value(); }

  Value eval(const Value& form);
  // Whether the symbol of that name holds a function (a defun's, a built-in or an outside one).
  bool namesFunction(std::u16string_view name);
  // Evaluates each form of a list in turn and gives the last value (nil for none).
  Value evalBody(const Value& forms);
  // Calls a function, a symbol naming one, or a (LAMBDA ...) list, with evaluated arguments.
  Value call(const Value& designator, Args args);
  // What a function designator (as call takes) designates.
  FunctionRef resolve(const Value& designator);
  // A defun's or a lambda's function from its parameter list (with "/" and locals) and body.
  FunctionRef makeUserFunction(std::u16string name, const Value& definition);

 private:
  Value callFunction(const Function& fn, Args args);
  Value callUser(const Function& fn, Args args);
  Value callOutside(const Function& fn, Args args);
  const LispFunction* findOutside(const std::u16string& name) const;
  // A symbol's value; an unbound symbol that names an outside function gives that function.
  Value symbolValue(Symbol* symbol);
  // Held by the caller for the whole call, so a function that redefines itself runs to its end.
  FunctionRef functionOf(const Value& head);
  std::shared_ptr<Function> newFunction(Function::Kind kind, std::u16string name);

  SymbolTable m_symbols;
  const LispFunctionTable* m_documentFunctions;
  uint64_t m_nextSerial = 1;
  std::unordered_map<Symbol*, FunctionRef> m_outside;
};

}  // namespace acadsim::lisp
