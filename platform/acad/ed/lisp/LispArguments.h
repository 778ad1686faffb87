// Checks of a built-in's arguments, failing with AutoLISP's messages.
#pragma once
#include <cstddef>
#include <limits>
#include <string>
#include <string_view>

#include "LispValue.h"

namespace acadsim::lisp {

inline constexpr size_t kAnyCount = std::numeric_limits<size_t>::max();

// "too few arguments" / "too many arguments".
void ExpectCount(Args args, size_t least, size_t most = kAnyCount);
// "bad argument type: <predicate> <value>"; predicate carries its own colon where AutoLISP prints one.
[[noreturn]] void BadArgumentType(std::u16string_view predicate, const Value& v);

double NumberArg(const Value& v);
int32_t IntegerArg(const Value& v);
const std::u16string& StringArg(const Value& v);
Symbol* SymbolArg(const Value& v);

}  // namespace acadsim::lisp
