// rtos, angtos, distof and angtof: numbers as text in the drawing's units, and back.
#include <acedads.h>
#include <acutads.h>

#include <array>

#include "LispArguments.h"
#include "LispBuiltins.h"
#include "LispError.h"
#include "LispPrinter.h"
#include "LispSession.h"
#include "UnitTextParsing.h"

namespace acadsim::lisp {
namespace {

// Room for the longest decimal text a double can give at precision 8.
constexpr size_t kTextLength = 512;

using Formatter = int (*)(ads_real, int, int, ACHAR*, size_t);

int32_t ModeArg(const Value& v, int32_t lowest, int32_t highest) {
  const int32_t mode = IntegerArg(v);
  if (mode < lowest || mode > highest) Fail(u"bad argument value: " + Prin1Text(v));
  return mode;
}

// Omitted mode and precision take the drawing's variables, as -1 asks the host to.
Value Format(Args args, Formatter format, int32_t lowestMode, int32_t highestMode) {
  ExpectCount(args, 1, 3);
  const double value = NumberArg(args[0]);
  const int mode = args.size() >= 2 ? ModeArg(args[1], lowestMode, highestMode) : -1;
  const int precision = args.size() == 3 ? ModeArg(args[2], 0, 8) : -1;
  ACHAR text[kTextLength];
  if (format(value, mode, precision, text, kTextLength) != RTNORM) Fail(u"bad argument value: " + Prin1Text(args[0]));
  return MakeString(text);
}

int DistanceFormat(ads_real v, int unit, int prec, ACHAR* out, size_t size) { return acdbRToS(v, unit, prec, out, size); }
int AngleFormat(ads_real v, int unit, int prec, ACHAR* out, size_t size) { return acdbAngToS(v, unit, prec, out, size); }

Value Rtos(Session&, Args args) { return Format(args, DistanceFormat, 1, 5); }
Value Angtos(Session&, Args args) { return Format(args, AngleFormat, 0, 4); }

int32_t VariableMode(const ACHAR* name) {
  resbuf value{};
  if (acedGetVar(name, &value) != RTNORM || value.restype != RTSHORT) {
    if (value.restype == RTSTR) acutDelString(value.resval.rstring);
    Fail(u"bad argument value: " + std::u16string(name));
  }
  return value.resval.rint;
}

using Parser = std::optional<double> (*)(std::u16string_view, int);

Value Parse(Args args, Parser parse, const ACHAR* variable, int32_t lowestMode, int32_t highestMode) {
  ExpectCount(args, 1, 2);
  const std::u16string& text = StringArg(args[0]);
  const int32_t mode = args.size() == 2 ? ModeArg(args[1], lowestMode, highestMode) : VariableMode(variable);
  std::optional<double> value = parse(text, mode);
  return value ? Value(*value) : Value();
}

Value Distof(Session&, Args args) { return Parse(args, ParseDistanceText, u"LUNITS", 1, 5); }
Value Angtof(Session&, Args args) { return Parse(args, ParseAngleText, u"AUNITS", 0, 4); }

constexpr std::array kFunctions = {
    BuiltinDefinition{u"rtos", Rtos},
    BuiltinDefinition{u"angtos", Angtos},
    BuiltinDefinition{u"distof", Distof},
    BuiltinDefinition{u"angtof", Angtof},
};

}  // namespace

std::span<const BuiltinDefinition> UnitFunctions() { return kFunctions; }

}  // namespace acadsim::lisp
