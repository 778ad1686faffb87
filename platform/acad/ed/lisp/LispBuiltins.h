// The tables of built-in functions and syntax forms (which take their operands unevaluated), one per group.
#pragma once
#include <span>

#include "LispFunction.h"

namespace acadsim::lisp {

std::span<const SyntaxFormDefinition> SyntaxForms();
std::span<const BuiltinDefinition> ArithmeticFunctions();
std::span<const BuiltinDefinition> PredicateFunctions();
std::span<const BuiltinDefinition> ListFunctions();
std::span<const BuiltinDefinition> StringFunctions();
std::span<const BuiltinDefinition> UnitFunctions();
std::span<const BuiltinDefinition> SystemVariableFunctions();
std::span<const BuiltinDefinition> OutputFunctions();
std::span<const BuiltinDefinition> RegistryFunctions();
std::span<const BuiltinDefinition> SelectionFunctions();

}  // namespace acadsim::lisp
