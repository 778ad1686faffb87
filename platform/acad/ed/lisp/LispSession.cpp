#include "LispSession.h"

#include <acutads.h>

#include <memory>
#include <numbers>
#include <vector>

#include "LispBuiltins.h"
#include "LispError.h"
#include "LispPrinter.h"
#include "LispResbuf.h"
#include "LispStack.h"

namespace acadsim::lisp {
namespace {

// Gives symbols back their values when a defun's call ends, however it ends (AutoLISP scopes dynamically).
class DynamicBindings {
 public:
  DynamicBindings() = default;
  DynamicBindings(const DynamicBindings&) = delete;
  DynamicBindings& operator=(const DynamicBindings&) = delete;
  ~DynamicBindings() {
    for (auto it = m_saved.rbegin(); it != m_saved.rend(); ++it) it->first->value = std::move(it->second);
  }
  void bind(Symbol* symbol, Value value) {
    m_saved.emplace_back(symbol, std::move(symbol->value));
    symbol->value = std::move(value);
  }

 private:
  std::vector<std::pair<Symbol*, Value>> m_saved;
};

struct ReleaseResbuf {
  void operator()(resbuf* rb) const { acutRelRb(rb); }
};
using ResbufChain = std::unique_ptr<resbuf, ReleaseResbuf>;

}  // namespace

Session::Session(const LispFunctionTable* documentFunctions) : m_documentFunctions(documentFunctions) {
  m_symbols.intern(u"PI")->value = std::numbers::pi;
  for (const SyntaxFormDefinition& form : SyntaxForms()) {
    Symbol* symbol = m_symbols.intern(form.name);
    std::shared_ptr<Function> fn = newFunction(Function::Kind::SyntaxForm, symbol->name);
    fn->syntax = form.fn;
    symbol->value = FunctionRef(std::move(fn));
  }
  for (auto table : {ArithmeticFunctions(), PredicateFunctions(), ListFunctions(), StringFunctions(),
                     UnitFunctions(), SystemVariableFunctions(), OutputFunctions(), RegistryFunctions(),
                     SelectionFunctions()}) {
    for (const BuiltinDefinition& builtin : table) {
      Symbol* symbol = m_symbols.intern(builtin.name);
      std::shared_ptr<Function> fn = newFunction(Function::Kind::Builtin, symbol->name);
      fn->builtin = builtin.fn;
      symbol->value = FunctionRef(std::move(fn));
    }
  }
}

std::shared_ptr<Function> Session::newFunction(Function::Kind kind, std::u16string name) {
  auto fn = std::make_shared<Function>();
  fn->kind = kind;
  fn->name = std::move(name);
  fn->serial = m_nextSerial++;
  return fn;
}

FunctionRef Session::makeUserFunction(std::u16string name, const Value& definition) {
  const Cons* cell = AsCons(definition);
  if (cell == nullptr) Fail(u"too few arguments");
  std::shared_ptr<Function> fn = newFunction(Function::Kind::User, std::move(name));
  fn->body = cell->cdr;
  bool local = false;
  for (const Value& item : ListItems(cell->car)) {
    Symbol* symbol = AsSymbol(item);
    if (symbol == nullptr) Fail(u"bad argument type: symbolp " + Prin1Text(item));
    if (symbol->name == u"/" && !local) {
      local = true;
      continue;
    }
    std::vector<Symbol*>& names = local ? fn->locals : fn->parameters;
    for (Symbol* seen : names)
      if (seen == symbol) Fail(u"duplicate argument name: " + symbol->name);
    names.push_back(symbol);
  }
  return fn;
}

bool Session::namesFunction(std::u16string_view name) {
  return AsFunction(symbolValue(m_symbols.intern(name))) != nullptr;
}

const LispFunction* Session::findOutside(const std::u16string& name) const {
  if (m_documentFunctions != nullptr)
    if (const LispFunction* fn = m_documentFunctions->find(name)) return fn;
  return HostLispFunctions().find(name);
}

Value Session::symbolValue(Symbol* symbol) {
  if (!IsNil(symbol->value) || findOutside(symbol->name) == nullptr) return symbol->value;
  FunctionRef& fn = m_outside[symbol];
  if (!fn) fn = newFunction(Function::Kind::Outside, symbol->name);
  return fn;
}

Value Session::eval(const Value& form) {
  CheckStack();
  if (Symbol* symbol = AsSymbol(form)) return symbolValue(symbol);
  const Cons* cell = AsCons(form);
  if (cell == nullptr) return form;
  FunctionRef fn = functionOf(cell->car);
  if (fn->kind == Function::Kind::SyntaxForm) return fn->syntax(*this, cell->cdr);
  std::vector<Value> args;
  const Value* rest = &cell->cdr;
  while (const Cons* arg = AsCons(*rest)) {
    args.push_back(eval(arg->car));
    rest = &arg->cdr;
  }
  if (!IsNil(*rest)) Fail(u"bad list: " + Prin1Text(form));
  return callFunction(*fn, args);
}

FunctionRef Session::functionOf(const Value& head) {
  Value fn;
  if (Symbol* symbol = AsSymbol(head)) {
    fn = symbolValue(symbol);
    if (IsNil(fn)) Fail(u"no function definition: " + symbol->name);
  } else if (AsCons(head)) {
    fn = eval(head);
  } else {
    fn = head;
  }
  if (const FunctionRef* ref = std::get_if<FunctionRef>(&fn)) return *ref;
  Fail(u"bad function: " + Prin1Text(fn));
}

Value Session::evalBody(const Value& forms) {
  Value last;
  for (const Value& form : ListItems(forms)) last = eval(form);
  return last;
}

FunctionRef Session::resolve(const Value& designator) {
  if (const Cons* cell = AsCons(designator); cell && AsSymbol(cell->car) == m_symbols.lambda())
    return makeUserFunction(u"", cell->cdr);
  if (AsCons(designator)) Fail(u"bad function: " + Prin1Text(designator));
  return functionOf(designator);
}

Value Session::call(const Value& designator, Args args) {
  FunctionRef fn = resolve(designator);
  return callFunction(*fn, args);
}

Value Session::callFunction(const Function& fn, Args args) {
  switch (fn.kind) {
    case Function::Kind::Builtin:
      return fn.builtin(*this, args);
    case Function::Kind::User:
      return callUser(fn, args);
    case Function::Kind::Outside:
      return callOutside(fn, args);
    case Function::Kind::SyntaxForm:
      break;
  }
  Fail(u"bad function: " + fn.name);
}

Value Session::callUser(const Function& fn, Args args) {
  if (args.size() < fn.parameters.size()) Fail(u"too few arguments");
  if (args.size() > fn.parameters.size()) Fail(u"too many arguments");
  DynamicBindings bindings;
  for (size_t i = 0; i < args.size(); ++i) bindings.bind(fn.parameters[i], args[i]);
  for (Symbol* local : fn.locals) bindings.bind(local, Value());
  return evalBody(fn.body);
}

Value Session::callOutside(const Function& fn, Args args) {
  const LispFunction* found = findOutside(fn.name);
  if (found == nullptr) Fail(u"no function definition: " + fn.name);
  // A copy: the function may undefine itself (or its module) while it runs, which destroys the table's.
  const LispFunction target = *found;
  ResbufChain arguments(ToResbufChain(args));
  LispCallResult result = target(arguments.get());
  ResbufChain value(result.value);
  if (result.status == RTNORM) return FromResbufChain(value.get(), m_symbols);
  if (!result.error.empty()) Fail(result.error);
  Fail(result.status == RTCAN ? u"Function cancelled" : u"ADS request error");
}

}  // namespace acadsim::lisp
