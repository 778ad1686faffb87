// The forms that get their operands unevaluated: quoting, assignment, definitions and control.
#include <array>

#include "LispArguments.h"
#include "LispBuiltins.h"
#include "LispError.h"
#include "LispSession.h"

namespace acadsim::lisp {
namespace {

Value Quote(Session&, const Value& operands) {
  std::vector<Value> items = ListItems(operands);
  ExpectCount(items, 1, 1);
  return items[0];
}

Value FunctionForm(Session& session, const Value& operands) {
  std::vector<Value> items = ListItems(operands);
  ExpectCount(items, 1, 1);
  return session.resolve(items[0]);
}

Value Setq(Session& session, const Value& operands) {
  std::vector<Value> items = ListItems(operands);
  if (items.empty() || items.size() % 2 != 0) Fail(u"too few arguments");
  Value last;
  for (size_t i = 0; i < items.size(); i += 2) {
    Symbol* symbol = SymbolArg(items[i]);
    last = session.eval(items[i + 1]);
    symbol->value = last;
  }
  return last;
}

Value Defun(Session& session, const Value& operands) {
  const Cons* cell = AsCons(operands);
  if (cell == nullptr) Fail(u"too few arguments");
  Symbol* symbol = SymbolArg(cell->car);
  symbol->value = session.makeUserFunction(symbol->name, cell->cdr);
  return symbol;
}

Value Lambda(Session& session, const Value& operands) { return session.makeUserFunction(u"", operands); }

Value If(Session& session, const Value& operands) {
  std::vector<Value> items = ListItems(operands);
  ExpectCount(items, 2, 3);
  if (!IsNil(session.eval(items[0]))) return session.eval(items[1]);
  return items.size() == 3 ? session.eval(items[2]) : Value();
}

Value Cond(Session& session, const Value& operands) {
  for (const Value& clause : ListItems(operands)) {
    if (IsNil(clause)) continue;
    const Cons* cell = AsCons(clause);
    if (cell == nullptr) BadArgumentType(u"consp", clause);
    Value test = session.eval(cell->car);
    if (IsNil(test)) continue;
    return IsNil(cell->cdr) ? test : session.evalBody(cell->cdr);
  }
  return Value();
}

Value Progn(Session& session, const Value& operands) { return session.evalBody(operands); }

Value While(Session& session, const Value& operands) {
  const Cons* cell = AsCons(operands);
  if (cell == nullptr) Fail(u"too few arguments");
  Value last;
  while (!IsNil(session.eval(cell->car))) last = session.evalBody(cell->cdr);
  return last;
}

Value Repeat(Session& session, const Value& operands) {
  const Cons* cell = AsCons(operands);
  if (cell == nullptr) Fail(u"too few arguments");
  const int32_t count = IntegerArg(session.eval(cell->car));
  Value last;
  for (int32_t i = 0; i < count; ++i) last = session.evalBody(cell->cdr);
  return last;
}

// The loop variable is the loop's own: its value before the loop comes back afterwards.
Value Foreach(Session& session, const Value& operands) {
  std::vector<Value> items = ListItems(operands);
  ExpectCount(items, 2);
  Symbol* symbol = SymbolArg(items[0]);
  const Value* body = &AsCons(AsCons(operands)->cdr)->cdr;
  struct Restore {
    Symbol* symbol;
    Value saved;
    ~Restore() { symbol->value = std::move(saved); }
  } restore{symbol, symbol->value};
  Value last;
  for (const Value& item : ListItems(session.eval(items[1]))) {
    symbol->value = item;
    last = session.evalBody(*body);
  }
  return last;
}

Value And(Session& session, const Value& operands) {
  for (const Value& form : ListItems(operands))
    if (IsNil(session.eval(form))) return Value();
  return session.truth(true);
}

Value Or(Session& session, const Value& operands) {
  for (const Value& form : ListItems(operands))
    if (!IsNil(session.eval(form))) return session.truth(true);
  return Value();
}

constexpr std::array kForms = {
    SyntaxFormDefinition{u"quote", Quote},     SyntaxFormDefinition{u"function", FunctionForm},
    SyntaxFormDefinition{u"setq", Setq},       SyntaxFormDefinition{u"defun", Defun},
    SyntaxFormDefinition{u"lambda", Lambda},   SyntaxFormDefinition{u"if", If},
    SyntaxFormDefinition{u"cond", Cond},       SyntaxFormDefinition{u"progn", Progn},
    SyntaxFormDefinition{u"while", While},     SyntaxFormDefinition{u"repeat", Repeat},
    SyntaxFormDefinition{u"foreach", Foreach}, SyntaxFormDefinition{u"and", And},
    SyntaxFormDefinition{u"or", Or},
};

}  // namespace

std::span<const SyntaxFormDefinition> SyntaxForms() { return kForms; }

}  // namespace acadsim::lisp
