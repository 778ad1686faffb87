#include "LispArguments.h"

#include "LispError.h"
#include "LispPrinter.h"

namespace acadsim::lisp {

void ExpectCount(Args args, size_t least, size_t most) {
  if (args.size() < least) Fail(u"too few arguments");
  if (args.size() > most) Fail(u"too many arguments");
}

void BadArgumentType(std::u16string_view predicate, const Value& v) {
  Fail(u"bad argument type: " + std::u16string(predicate) + u" " + Prin1Text(v));
}

double NumberArg(const Value& v) {
  if (const int32_t* i = std::get_if<int32_t>(&v)) return *i;
  if (const double* r = std::get_if<double>(&v)) return *r;
  BadArgumentType(u"numberp:", v);
}

int32_t IntegerArg(const Value& v) {
  if (const int32_t* i = std::get_if<int32_t>(&v)) return *i;
  BadArgumentType(u"fixnump:", v);
}

const std::u16string& StringArg(const Value& v) {
  if (const std::u16string* text = AsString(v)) return *text;
  BadArgumentType(u"stringp", v);
}

Symbol* SymbolArg(const Value& v) {
  if (Symbol* symbol = AsSymbol(v)) return symbol;
  BadArgumentType(u"symbolp", v);
}

}  // namespace acadsim::lisp
