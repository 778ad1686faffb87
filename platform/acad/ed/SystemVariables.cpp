// acedGetVar / acedSetVar: drawing variables live in the working database's header, the others in the session.
#include <acadsim/SystemVariables.h>
#include <acedads.h>
#include <acutads.h>
#include <dbapserv.h>
#include <dbsymtb.h>
#include <qvwide.h>

#include <string>
#include <unordered_map>

#include "../db/DatabaseImpl.h"
#include "SystemVariableTable.h"

namespace {

using acadsim::DxfData;
using acadsim::SysVarDefinition;
using acadsim::SysVarType;

std::unordered_map<std::string, DxfData>& sessionValues() {
  static std::unordered_map<std::string, DxfData> values;
  return values;
}

int defaultCode(const SysVarDefinition& def) {
  std::string_view name = def.name;
  if (name == "CLAYER") return 8;
  if (name == "CELTYPE") return 6;
  if (name == "TEXTSTYLE") return 7;
  if (name == "DIMSTYLE") return 2;
  if (name == "CECOLOR") return 62;
  switch (def.type) {
    case SysVarType::Short: return 70;
    case SysVarType::Real: return 40;
    case SysVarType::Point2d:
    case SysVarType::Point3d: return 10;
    case SysVarType::String: return 1;
  }
  return 1;
}

acadsim::DatabaseImpl* workingDb() {
  AcDbDatabase* db = acdbHostApplicationServices()->workingDatabase();
  return db ? &db->impl() : nullptr;
}

const DxfData* storedValue(const SysVarDefinition& def) {
  if (def.inDrawing)
    if (acadsim::DatabaseImpl* db = workingDb())
      if (const DxfData* value = db->header(std::string("$") + def.name); value && !value->empty()) return value;
  auto it = sessionValues().find(def.name);
  return it == sessionValues().end() ? nullptr : &it->second;
}

std::u16string colorText(int64_t index) {
  if (index == 256) return u"BYLAYER";
  if (index == 0) return u"BYBLOCK";
  return Utf8ToWide(std::to_string(index));
}

// Values of unit variables outside AutoCAD's ranges are refused.
bool inRange(const SysVarDefinition& def, int value) {
  struct Range {
    const char* name;
    int low, high;
  };
  static const Range kRanges[] = {{"LUNITS", 1, 5},   {"LUPREC", 0, 8},   {"AUNITS", 0, 4}, {"AUPREC", 0, 8},
                                  {"ANGDIR", 0, 1},   {"UNITMODE", 0, 1}, {"DIMZIN", 0, 15}, {"TILEMODE", 0, 1},
                                  {"ROLLOVERTIPS", 0, 1}, {"PICKFIRST", 0, 1}, {"CMDECHO", 0, 1}, {"FILEDIA", 0, 1},
                                  {"PICKSTYLE", 0, 3}, {"GRIPS", 0, 2},     {"HIGHLIGHT", 0, 1}, {"PICKADD", 0, 1},
                                  {"PICKBOX", 0, 50},  {"PDMODE", 0, 100}};
  for (const Range& r : kRanges)
    if (std::string_view(r.name) == def.name) return value >= r.low && value <= r.high;
  return true;
}

int store(const SysVarDefinition& def, const resbuf& val, bool asHost) {
  if (def.readOnly && !asHost) return RTERROR;
  DxfData data;
  int code = defaultCode(def);
  switch (def.type) {
    case SysVarType::Short:
      if (val.restype != RTSHORT || !inRange(def, val.resval.rint)) return RTERROR;
      data.addInteger(code, val.resval.rint);
      break;
    case SysVarType::Real:
      if (val.restype != RTREAL && val.restype != RTANG) return RTERROR;
      data.addReal(code, val.resval.rreal);
      break;
    case SysVarType::Point2d:
    case SysVarType::Point3d:
      if (val.restype != RTPOINT && val.restype != RT3DPOINT) return RTERROR;
      {
        double p[3] = {val.resval.rpoint[0], val.resval.rpoint[1],
                       val.restype == RT3DPOINT ? val.resval.rpoint[2] : 0.0};
        data.addPoint(code, p, def.type == SysVarType::Point2d ? 2 : 3);
      }
      break;
    case SysVarType::String: {
      if (val.restype != RTSTR || val.resval.rstring == nullptr) return RTERROR;
      std::u16string text = val.resval.rstring;
      if (std::string_view(def.name) == "CLAYER" && !asHost) {
        AcDbDatabase* db = acdbHostApplicationServices()->workingDatabase();
        auto* layers = db ? acadsim::peek<AcDbLayerTable>(db->layerTableId()) : nullptr;
        if (layers == nullptr || !layers->has(text.c_str())) return RTERROR;
      }
      data.addString(code, WideToUtf8(text));
      break;
    }
  }
  acadsim::DatabaseImpl* db = def.inDrawing ? workingDb() : nullptr;
  if (db != nullptr) db->setHeader(std::string("$") + def.name, data);
  else sessionValues()[def.name] = data;
  return RTNORM;
}

}  // namespace

int acedGetVar(const ACHAR* sym, resbuf* result) {
  if (sym == nullptr || result == nullptr) return RTERROR;
  const SysVarDefinition* def = acadsim::findSystemVariable(sym);
  if (def == nullptr) return RTERROR;
  const DxfData* value = storedValue(*def);
  bool integer = value && value->type(0) == DxfData::Type::Integer;
  bool real = value && value->type(0) == DxfData::Type::Real;
  switch (def->type) {
    case SysVarType::Short:
      result->restype = RTSHORT;
      result->resval.rint = static_cast<short>(integer ? value->integer(0) : real ? value->real(0) : def->number);
      break;
    case SysVarType::Real:
      result->restype = RTREAL;
      result->resval.rreal = real ? value->real(0) : integer ? static_cast<double>(value->integer(0)) : def->number;
      break;
    case SysVarType::Point2d:
    case SysVarType::Point3d: {
      result->restype = def->type == SysVarType::Point2d ? RTPOINT : RT3DPOINT;
      double p[3] = {def->point[0], def->point[1], def->point[2]};
      if (value && value->type(0) == DxfData::Type::Point) value->point(0, p);
      if (def->type == SysVarType::Point2d) p[2] = 0.0;
      for (int i = 0; i < 3; ++i) result->resval.rpoint[i] = p[i];
      break;
    }
    case SysVarType::String: {
      std::u16string text = def->text ? def->text : u"";
      if (value && value->type(0) == DxfData::Type::String) text = Utf8ToWide(value->string(0));
      else if (integer) text = colorText(value->integer(0));  // $CECOLOR is stored as a colour index
      result->restype = RTSTR;
      result->resval.rstring = acadsim::newHostString(text);
      break;
    }
  }
  return RTNORM;
}

int acedSetVar(const ACHAR* sym, const resbuf* val) {
  if (sym == nullptr || val == nullptr) return RTERROR;
  const SysVarDefinition* def = acadsim::findSystemVariable(sym);
  return def == nullptr ? RTERROR : store(*def, *val, false);
}

namespace acadsim {

int setHostSystemVariable(std::u16string_view name, const resbuf& value) {
  const SysVarDefinition* def = findSystemVariable(name);
  return def == nullptr ? RTERROR : store(*def, value, true);
}

void resetSessionSystemVariables() { sessionValues().clear(); }

}  // namespace acadsim
