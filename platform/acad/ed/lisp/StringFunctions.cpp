// Strings: joining, cutting, measuring, case, and conversion to and from numbers.
#include <array>
#include <algorithm>
#include <limits>

#include "LispArguments.h"
#include "LispBuiltins.h"
#include "LispCase.h"
#include "LispError.h"
#include "LispNumberText.h"
#include "LispPrinter.h"
#include "LispSession.h"

namespace acadsim::lisp {
namespace {

// 16 Mi characters: far beyond any drawing's text, well short of exhausting the host's memory.
constexpr size_t kMaxStringLength = size_t{1} << 24;

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f' || c == u'\v'; }
bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

Value Strcat(Session&, Args args) {
  size_t length = 0;
  for (const Value& arg : args) length += StringArg(arg).size();
  if (length > kMaxStringLength) Fail(u"insufficient string space");
  std::u16string joined;
  joined.reserve(length);
  for (const Value& arg : args) joined += StringArg(arg);
  return MakeString(std::move(joined));
}

// Positions count from 1; a start past the end gives "" and a length past the end stops at the end.
Value Substr(Session&, Args args) {
  ExpectCount(args, 2, 3);
  const std::u16string& text = StringArg(args[0]);
  const int32_t start = IntegerArg(args[1]);
  if (start < 1) Fail(u"bad argument value: positive " + Prin1Text(args[1]));
  size_t length = std::u16string::npos;
  if (args.size() == 3) {
    const int32_t given = IntegerArg(args[2]);
    if (given < 0) Fail(u"bad argument value: non-negative: " + Prin1Text(args[2]));
    length = static_cast<size_t>(given);
  }
  const size_t from = static_cast<size_t>(start) - 1;
  if (from >= text.size()) return MakeString(u"");
  return MakeString(text.substr(from, length));
}

Value Strlen(Session&, Args args) {
  size_t length = 0;
  for (const Value& arg : args) length += StringArg(arg).size();
  return static_cast<int32_t>(length);
}

Value Strcase(Session&, Args args) {
  ExpectCount(args, 1, 2);
  const std::u16string& text = StringArg(args[0]);
  return MakeString(args.size() == 2 && !IsNil(args[1]) ? LowerCase(text) : UpperCase(text));
}

Value Itoa(Session&, Args args) {
  ExpectCount(args, 1, 1);
  return MakeString(Prin1Text(IntegerArg(args[0])));
}

// Leading blanks, a sign and digits; what follows is ignored, and values beyond 32 bits are clamped
// as the Windows C library's atoi clamps them.
Value Atoi(Session&, Args args) {
  ExpectCount(args, 1, 1);
  const std::u16string& text = StringArg(args[0]);
  size_t pos = 0;
  while (pos < text.size() && IsBlank(text[pos])) ++pos;
  bool negative = false;
  if (pos < text.size() && (text[pos] == u'+' || text[pos] == u'-')) negative = text[pos++] == u'-';
  int64_t value = 0;
  for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
    value = value * 10 + (text[pos] - u'0');
    if (value > int64_t{1} << 32) break;
  }
  if (negative) value = -value;
  value = std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max());
  return static_cast<int32_t>(value);
}

// The longest leading decimal number (with exponent) after blanks; 0.0 when there is none.
Value Atof(Session&, Args args) {
  ExpectCount(args, 1, 1);
  std::u16string_view text = StringArg(args[0]);
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  const NumberPrefix number = ScanNumber(text);
  return number.length == 0 ? 0.0 : RealOf(text.substr(0, number.length));
}

constexpr std::array kFunctions = {
    BuiltinDefinition{u"strcat", Strcat},   BuiltinDefinition{u"substr", Substr}, BuiltinDefinition{u"strlen", Strlen},
    BuiltinDefinition{u"strcase", Strcase}, BuiltinDefinition{u"itoa", Itoa},     BuiltinDefinition{u"atoi", Atoi},
    BuiltinDefinition{u"atof", Atof},
};

}  // namespace

std::span<const BuiltinDefinition> StringFunctions() { return kFunctions; }

}  // namespace acadsim::lisp
