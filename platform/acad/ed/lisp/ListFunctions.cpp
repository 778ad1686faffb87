// Lists: building, taking apart, searching and mapping.
#include <algorithm>
#include <array>

#include "LispArguments.h"
#include "LispBuiltins.h"
#include "LispEquality.h"
#include "LispError.h"
#include "LispPrinter.h"
#include "LispSession.h"

namespace acadsim::lisp {
namespace {

const Cons* ConsArg(const Value& v) {
  const Cons* cell = AsCons(v);
  if (cell == nullptr && !IsNil(v)) BadArgumentType(u"consp", v);
  return cell;
}

Value CarOf(const Value& v) {
  const Cons* cell = ConsArg(v);
  return cell ? cell->car : Value();
}

Value CdrOf(const Value& v) {
  const Cons* cell = ConsArg(v);
  return cell ? cell->cdr : Value();
}

const Value& Only(Args args) {
  ExpectCount(args, 1, 1);
  return args[0];
}

Value List(Session&, Args args) { return MakeList({args.begin(), args.end()}); }

Value ConsFn(Session&, Args args) {
  ExpectCount(args, 2, 2);
  return MakeCons(args[0], args[1]);
}

Value Car(Session&, Args args) { return CarOf(Only(args)); }
Value Cdr(Session&, Args args) { return CdrOf(Only(args)); }
Value Cadr(Session&, Args args) { return CarOf(CdrOf(Only(args))); }
Value Caddr(Session&, Args args) { return CarOf(CdrOf(CdrOf(Only(args)))); }
Value Cddr(Session&, Args args) { return CdrOf(CdrOf(Only(args))); }
Value Caar(Session&, Args args) { return CarOf(CarOf(Only(args))); }

Value Last(Session&, Args args) {
  std::vector<Value> items = ListItems(Only(args));
  return items.empty() ? Value() : items.back();
}

Value Nth(Session&, Args args) {
  ExpectCount(args, 2, 2);
  const int32_t index = IntegerArg(args[0]);
  if (index < 0) Fail(u"bad argument value: non-negative: " + Prin1Text(args[0]));
  if (!IsNil(args[1]) && !AsCons(args[1])) BadArgumentType(u"listp", args[1]);
  const Value* rest = &args[1];
  for (int32_t i = 0; i < index; ++i) {
    const Cons* cell = AsCons(*rest);
    if (cell == nullptr) return Value();
    rest = &cell->cdr;
  }
  return CarOf(*rest);
}

Value Assoc(Session&, Args args) {
  ExpectCount(args, 2, 2);
  for (const Value& entry : ListItems(args[1])) {
    if (IsNil(entry)) continue;
    const Cons* cell = AsCons(entry);
    if (cell == nullptr) Fail(u"bad association list: " + Prin1Text(args[1]));
    if (Equal(cell->car, args[0])) return entry;
  }
  return Value();
}

Value Append(Session&, Args args) {
  std::vector<Value> all;
  for (const Value& list : args) {
    std::vector<Value> items = ListItems(list);
    all.insert(all.end(), items.begin(), items.end());
  }
  return MakeList(std::move(all));
}

Value Length(Session&, Args args) { return static_cast<int32_t>(ListItems(Only(args)).size()); }

Value Member(Session&, Args args) {
  ExpectCount(args, 2, 2);
  // A dotted or non-list argument fails before the search, as it does for the other list functions.
  (void)ListItems(args[1]);
  const Value* rest = &args[1];
  while (const Cons* cell = AsCons(*rest)) {
    if (Equal(cell->car, args[0])) return *rest;
    rest = &cell->cdr;
  }
  return Value();
}

Value Reverse(Session&, Args args) {
  std::vector<Value> items = ListItems(Only(args));
  std::reverse(items.begin(), items.end());
  return MakeList(std::move(items));
}

// Replaces the list's items that are equal to old; items of nested lists are left as they are.
Value Subst(Session&, Args args) {
  ExpectCount(args, 3, 3);
  std::vector<Value> items = ListItems(args[2]);
  for (Value& item : items)
    if (Equal(item, args[1])) item = args[0];
  return MakeList(std::move(items));
}

Value Mapcar(Session& session, Args args) {
  ExpectCount(args, 2);
  FunctionRef fn = session.resolve(args[0]);
  std::vector<std::vector<Value>> lists;
  size_t shortest = SIZE_MAX;
  for (size_t i = 1; i < args.size(); ++i) {
    lists.push_back(ListItems(args[i]));
    shortest = std::min(shortest, lists.back().size());
  }
  std::vector<Value> results;
  std::vector<Value> callArgs(lists.size());
  for (size_t n = 0; n < shortest; ++n) {
    for (size_t i = 0; i < lists.size(); ++i) callArgs[i] = lists[i][n];
    results.push_back(session.call(Value(fn), callArgs));
  }
  return MakeList(std::move(results));
}

Value Apply(Session& session, Args args) {
  ExpectCount(args, 2, 2);
  std::vector<Value> callArgs = ListItems(args[1]);
  return session.call(args[0], callArgs);
}

constexpr std::array kFunctions = {
    BuiltinDefinition{u"list", List},       BuiltinDefinition{u"cons", ConsFn},     BuiltinDefinition{u"car", Car},
    BuiltinDefinition{u"cdr", Cdr},         BuiltinDefinition{u"cadr", Cadr},       BuiltinDefinition{u"caddr", Caddr},
    BuiltinDefinition{u"cddr", Cddr},       BuiltinDefinition{u"caar", Caar},       BuiltinDefinition{u"last", Last},
    BuiltinDefinition{u"nth", Nth},         BuiltinDefinition{u"assoc", Assoc},     BuiltinDefinition{u"append", Append},
    BuiltinDefinition{u"length", Length},   BuiltinDefinition{u"member", Member},   BuiltinDefinition{u"reverse", Reverse},
    BuiltinDefinition{u"subst", Subst},     BuiltinDefinition{u"mapcar", Mapcar},   BuiltinDefinition{u"apply", Apply},
};

}  // namespace

std::span<const BuiltinDefinition> ListFunctions() { return kFunctions; }

}  // namespace acadsim::lisp
