#include "LispEquality.h"

#include <cmath>

#include "LispStack.h"

namespace acadsim::lisp {
namespace {

bool SameAtom(const Value& a, const Value& b, double fuzz) {
  if (IsNumber(a) && IsNumber(b)) {
    const int32_t* i = std::get_if<int32_t>(&a);
    const int32_t* j = std::get_if<int32_t>(&b);
    if (i && j) return *i == *j;
    const double x = i ? *i : std::get<double>(a);
    const double y = j ? *j : std::get<double>(b);
    return x == y || std::fabs(x - y) <= fuzz;
  }
  if (const std::u16string* s = AsString(a)) return AsString(b) && *s == *AsString(b);
  return Identical(a, b);
}

}  // namespace

bool Identical(const Value& a, const Value& b) {
  if (a.index() != b.index()) return false;
  if (const int32_t* i = std::get_if<int32_t>(&a)) return *i == std::get<int32_t>(b);
  if (const double* r = std::get_if<double>(&a)) return *r == std::get<double>(b);
  if (const Name* n = std::get_if<Name>(&a)) {
    const Name& m = std::get<Name>(b);
    return n->selectionSet == m.selectionSet && n->id[0] == m.id[0] && n->id[1] == m.id[1];
  }
  if (IsNil(a)) return true;
  if (Symbol* s = AsSymbol(a)) return s == AsSymbol(b);
  if (const std::u16string* t = AsString(a)) return t == AsString(b);
  if (const Cons* c = AsCons(a)) return c == AsCons(b);
  return AsFunction(a) == AsFunction(b);
}

// Recurses into the cars only; a list's length costs no stack.
bool Equal(const Value& a, const Value& b, double fuzz) {
  CheckStack();
  const Value* x = &a;
  const Value* y = &b;
  for (;;) {
    const Cons* c = AsCons(*x);
    const Cons* d = AsCons(*y);
    if (!c || !d) return !c && !d && SameAtom(*x, *y, fuzz);
    if (c == d) return true;
    if (!Equal(c->car, d->car, fuzz)) return false;
    x = &c->cdr;
    y = &d->cdr;
  }
}

}  // namespace acadsim::lisp
