// Function values: built-ins, syntax forms, defuns and lambdas, and functions outside the interpreter.
#pragma once
#include <string>
#include <vector>

#include "LispValue.h"

namespace acadsim::lisp {

class Session;

using BuiltinFn = Value (*)(Session& session, Args args);
// Gets its operands unevaluated.
using SyntaxFormFn = Value (*)(Session& session, const Value& operands);

struct Function {
  enum class Kind { Builtin, SyntaxForm, User, Outside };
  Kind kind = Kind::Builtin;
  // Upper-case; empty for a lambda.
  std::u16string name;
  // The number shown after "@" when the function prints, given in creation order so transcripts repeat.
  uint64_t serial = 0;
  BuiltinFn builtin = nullptr;
  SyntaxFormFn syntax = nullptr;
  std::vector<Symbol*> parameters;
  std::vector<Symbol*> locals;
  Value body;
};

struct BuiltinDefinition {
  const char16_t* name;
  BuiltinFn fn;
};

struct SyntaxFormDefinition {
  const char16_t* name;
  SyntaxFormFn fn;
};

}  // namespace acadsim::lisp
