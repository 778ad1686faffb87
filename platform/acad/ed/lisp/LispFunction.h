// Function values: built-ins, special forms, defuns and lambdas, and functions outside the interpreter.
#pragma once
#include <string>
#include <vector>

#include "LispValue.h"

namespace acadsim::lisp {

class Session;

using BuiltinFn = Value (*)(Session& session, Args args);
// Gets its operands unevaluated.
using SpecialFormFn = Value (*)(Session& session, const Value& operands);

struct Function {
  enum class Kind { Builtin, SpecialForm, User, Outside };
  Kind kind = Kind::Builtin;
  // Upper-case; empty for a lambda.
  std::u16string name;
  // The number shown after "@" when the function prints, given in creation order so transcripts repeat.
  uint64_t serial = 0;
  BuiltinFn builtin = nullptr;
  SpecialFormFn special = nullptr;
  std::vector<Symbol*> parameters;
  std::vector<Symbol*> locals;
  Value body;
};

struct BuiltinDefinition {
  const char16_t* name;
  BuiltinFn fn;
};

struct SpecialFormDefinition {
  const char16_t* name;
  SpecialFormFn fn;
};

}  // namespace acadsim::lisp
