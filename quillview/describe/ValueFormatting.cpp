#include "describe/ValueFormatting.h"

#include <acedads.h>
#include <acutads.h>

#include <cmath>

#include "describe/TextBuilding.h"
#include "host/ModuleStrings.h"

const double kPi = std::atan2(0.0, -1.0);

namespace {

constexpr size_t kValueBufferChars = 256;
constexpr double kSquareInchesPerSquareFoot = 144;
constexpr double kSquareFeetPerAcre = 43560;
constexpr double kSquareInchesPerAcre = 6272640;
constexpr double kSquareInchesShownAsAcres = 5000000;
constexpr double kSquareFeetWithAcres = 15000;
constexpr int kEngineeringUnits = 3;
constexpr int kArchitecturalUnits = 4;
constexpr int kDecimalUnits = 2;

// A failed conversion may leave part of a text behind; the value then reads "0".
void KeepOrZero(int status, ACHAR (&buffer)[kValueBufferChars]) {
  if (status != RTNORM) std::char_traits<ACHAR>::copy(buffer, u"0", 2);
}

}  // namespace

bool IsNearZero(double value) { return std::fabs(value) < kTolerance; }

int GetIntSysVar(const ACHAR* name) {
  resbuf value{};
  if (acedGetVar(name, &value) != RTNORM) return -1;
  if (value.restype == RTSTR) acutDelString(value.resval.rstring);
  return value.restype == RTSHORT ? value.resval.rint : -1;
}

std::u16string& AppendDistance(std::u16string& part, const ACHAR* format, double value) {
  ACHAR buffer[kValueBufferChars] = u"0";
  KeepOrZero(acdbRToS(value, -1, -1, buffer, kValueBufferChars), buffer);
  return AppendFormat(part, format, buffer);
}

std::u16string& AppendAngle(std::u16string& part, const ACHAR* format, double value, int unit) {
  ACHAR buffer[kValueBufferChars] = u"0";
  KeepOrZero(acdbAngToS(value, unit, -1, buffer, kValueBufferChars), buffer);
  return AppendFormat(part, format, buffer);
}

std::u16string& AppendBaseAngle(std::u16string& part, const ACHAR* format, double value, int unit) {
  resbuf base{};
  double angleBase = 0;
  if (acedGetVar(ModuleString(IDS_SYSVAR_ANGBASE).c_str(), &base) == RTNORM) {
    if (base.restype == RTREAL) angleBase = base.resval.rreal;
    if (base.restype == RTSTR) acutDelString(base.resval.rstring);
  }
  return AppendAngle(part, format, value + angleBase, unit);
}

std::u16string& AppendAreaLines(std::u16string& part, double area) {
  int units = GetIntSysVar(ModuleString(IDS_SYSVAR_LUNITS).c_str());
  int precision = GetIntSysVar(ModuleString(IDS_SYSVAR_LUPREC).c_str());
  if (units == kEngineeringUnits || units == kArchitecturalUnits) {
    if (area > kSquareInchesShownAsAcres) {
      return AppendFormat(part, ModuleString(IDS_FMT_AREA_ACRES_SQFT).c_str(), precision,
                          area / kSquareInchesPerAcre, precision, area / kSquareInchesPerSquareFoot);
    }
    return AppendFormat(part, ModuleString(IDS_FMT_AREA_SQFT_SQIN).c_str(), precision,
                        area / kSquareInchesPerSquareFoot, precision, area);
  }
  AppendFormat(part, ModuleString(IDS_FMT_AREA).c_str(), precision, area);
  if (units == kDecimalUnits && area > kSquareFeetWithAcres) {
    AppendFormat(part, ModuleString(IDS_FMT_AREA_ACRES).c_str(), precision, area / kSquareFeetPerAcre);
  }
  return part;
}
