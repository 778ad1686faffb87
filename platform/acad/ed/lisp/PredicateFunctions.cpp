// Tests of kind and sameness: eq, equal, atom, listp, numberp, minusp, zerop, boundp, type, not, null.
#include <array>

#include "LispArguments.h"
#include "LispBuiltins.h"
#include "LispEquality.h"
#include "LispFunction.h"
#include "LispSession.h"

namespace acadsim::lisp {
namespace {

const Value& Only(Args args) {
  ExpectCount(args, 1, 1);
  return args[0];
}

Value Eq(Session& s, Args args) {
  ExpectCount(args, 2, 2);
  return s.truth(Identical(args[0], args[1]));
}

Value EqualFn(Session& s, Args args) {
  ExpectCount(args, 2, 3);
  return s.truth(Equal(args[0], args[1], args.size() == 3 ? NumberArg(args[2]) : 0.0));
}

Value Atom(Session& s, Args args) { return s.truth(!AsCons(Only(args))); }
Value Listp(Session& s, Args args) { return s.truth(IsNil(Only(args)) || AsCons(args[0])); }
Value Numberp(Session& s, Args args) { return s.truth(IsNumber(Only(args))); }
Value Minusp(Session& s, Args args) { return s.truth(NumberArg(Only(args)) < 0); }
Value Zerop(Session& s, Args args) { return s.truth(NumberArg(Only(args)) == 0); }
// nil is the symbol NIL, whose value is nil; a module's or the host's function is a symbol's value too.
Value Boundp(Session& s, Args args) {
  const Value& arg = Only(args);
  if (IsNil(arg)) return Value();
  Symbol* symbol = SymbolArg(arg);
  return s.truth(!IsNil(symbol->value) || s.namesFunction(symbol->name));
}
Value Not(Session& s, Args args) { return s.truth(IsNil(Only(args))); }

const char16_t* TypeName(const Value& v) {
  if (std::holds_alternative<int32_t>(v)) return u"INT";
  if (std::holds_alternative<double>(v)) return u"REAL";
  if (AsString(v)) return u"STR";
  if (AsSymbol(v)) return u"SYM";
  if (AsCons(v)) return u"LIST";
  if (const Name* name = std::get_if<Name>(&v)) return name->selectionSet ? u"PICKSET" : u"ENAME";
  switch (AsFunction(v)->kind) {
    case Function::Kind::User: return u"USUBR";
    case Function::Kind::Outside: return u"EXRXSUBR";
    default: return u"SUBR";
  }
}

Value Type(Session& s, Args args) {
  if (IsNil(Only(args))) return Value();
  return s.symbols().intern(TypeName(args[0]));
}

constexpr std::array kFunctions = {
    BuiltinDefinition{u"eq", Eq},         BuiltinDefinition{u"equal", EqualFn},   BuiltinDefinition{u"atom", Atom},
    BuiltinDefinition{u"listp", Listp},   BuiltinDefinition{u"numberp", Numberp}, BuiltinDefinition{u"minusp", Minusp},
    BuiltinDefinition{u"zerop", Zerop},   BuiltinDefinition{u"boundp", Boundp},   BuiltinDefinition{u"type", Type},
    BuiltinDefinition{u"not", Not},       BuiltinDefinition{u"null", Not},
};

}  // namespace

std::span<const BuiltinDefinition> PredicateFunctions() { return kFunctions; }

}  // namespace acadsim::lisp
