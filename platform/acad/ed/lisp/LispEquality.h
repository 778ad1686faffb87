// AutoLISP's two sameness tests.
#pragma once
#include "LispValue.h"

namespace acadsim::lisp {

// eq: the same object; numbers and names by value, as AutoLISP keeps them unboxed.
bool Identical(const Value& a, const Value& b);
// equal: the same structure, reals within fuzz of each other (integers and reals compare as numbers).
bool Equal(const Value& a, const Value& b, double fuzz = 0.0);

}  // namespace acadsim::lisp
