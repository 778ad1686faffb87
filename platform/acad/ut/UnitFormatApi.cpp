// acdbRToS and acdbAngToS: the pure formats fed with the drawing's system variables.
#include <acadsim/UnitFormat.h>
#include <acedads.h>
#include <acutads.h>
#include <algorithm>
#include <optional>

namespace {

constexpr size_t kDocumentedBufferLength = 256;

std::optional<int> IntegerVariable(const ACHAR* name) {
  resbuf value{};
  if (acedGetVar(name, &value) != RTNORM) return std::nullopt;
  if (value.restype == RTSTR) acutDelString(value.resval.rstring);
  if (value.restype != RTSHORT) return std::nullopt;
  return value.resval.rint;
}

// -1 takes the drawing's variable; one that cannot be read fails the call.
std::optional<int> OrVariable(int given, const ACHAR* name) { return given == -1 ? IntegerVariable(name) : given; }

// UNITMODE and DIMZIN that cannot be read take their acad.dwt value, 0.
int VariableOrZero(const ACHAR* name) { return IntegerVariable(name).value_or(0); }

int Deliver(const std::optional<std::u16string>& text, ACHAR* str, size_t nBufLen) {
  if (!text) return RTERROR;
  if (text->size() >= nBufLen) return RTINPUTTRUNCATED;
  std::copy(text->begin(), text->end(), str);
  str[text->size()] = 0;
  return RTNORM;
}

}  // namespace

int acdbRToS(ads_real val, int unit, int prec, ACHAR* str, size_t nBufLen) {
  if (str == nullptr) return RTERROR;
  std::optional<int> units = OrVariable(unit, u"LUNITS");
  std::optional<int> precision = OrVariable(prec, u"LUPREC");
  if (!units || !precision) return RTERROR;
  return Deliver(
      acadsim::FormatDistance(val, *units, *precision, VariableOrZero(u"UNITMODE"), VariableOrZero(u"DIMZIN")), str,
      nBufLen);
}

int acdbRToS(ads_real val, int unit, int prec, ACHAR* str) {
  return acdbRToS(val, unit, prec, str, kDocumentedBufferLength);
}

int acdbAngToS(ads_real val, int unit, int prec, ACHAR* str, size_t nBufLen) {
  if (str == nullptr) return RTERROR;
  std::optional<int> units = OrVariable(unit, u"AUNITS");
  std::optional<int> precision = OrVariable(prec, u"AUPREC");
  if (!units || !precision) return RTERROR;
  return Deliver(acadsim::FormatAngle(val, *units, *precision, VariableOrZero(u"UNITMODE"), VariableOrZero(u"DIMZIN")),
                 str, nBufLen);
}

int acdbAngToS(ads_real val, int unit, int prec, ACHAR* str) {
  return acdbAngToS(val, unit, prec, str, kDocumentedBufferLength);
}
