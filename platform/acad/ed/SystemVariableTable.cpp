#include "SystemVariableTable.h"

#include <string>

#include "../db/DatabaseImpl.h"

namespace acadsim {
namespace {

using T = SysVarType;

// Values of AutoCAD 2007's imperial acad.dwt and of a fresh profile for the session variables.
constexpr SysVarDefinition kVariables[] = {
    // name          type        readOnly inDrawing number point              text
    {"ACADVER", T::String, true, false, 0, {}, u"17.0s (LMS Tech)"},
    {"ANGBASE", T::Real, false, true, 0, {}, nullptr},
    {"ANGDIR", T::Short, false, true, 0, {}, nullptr},
    {"AREA", T::Real, true, false, 0, {}, nullptr},
    {"ATTMODE", T::Short, false, true, 1, {}, nullptr},
    {"AUNITS", T::Short, false, true, 0, {}, nullptr},
    {"AUPREC", T::Short, false, true, 0, {}, nullptr},
    {"CECOLOR", T::String, false, true, 0, {}, u"BYLAYER"},
    {"CELTSCALE", T::Real, false, true, 1, {}, nullptr},
    {"CELTYPE", T::String, false, true, 0, {}, u"BYLAYER"},
    {"CELWEIGHT", T::Short, false, true, -1, {}, nullptr},
    {"CHAMFERA", T::Real, false, true, 0, {}, nullptr},
    {"CHAMFERB", T::Real, false, true, 0, {}, nullptr},
    {"CLAYER", T::String, false, true, 0, {}, u"0"},
    {"CMDACTIVE", T::Short, true, false, 0, {}, nullptr},
    {"CMDECHO", T::Short, false, false, 1, {}, nullptr},
    {"CVPORT", T::Short, false, false, 2, {}, nullptr},
    {"DIMADEC", T::Short, false, true, 0, {}, nullptr},
    {"DIMASZ", T::Real, false, true, 0.18, {}, nullptr},
    {"DIMAZIN", T::Short, false, true, 0, {}, nullptr},
    {"DIMDEC", T::Short, false, true, 4, {}, nullptr},
    {"DIMSCALE", T::Real, false, true, 1, {}, nullptr},
    {"DIMSTYLE", T::String, true, true, 0, {}, u"Standard"},
    {"DIMTXT", T::Real, false, true, 0.18, {}, nullptr},
    {"DIMZIN", T::Short, false, true, 0, {}, nullptr},
    {"DWGNAME", T::String, true, false, 0, {}, u"Drawing1.dwg"},
    {"DWGPREFIX", T::String, true, false, 0, {}, u""},
    {"ELEVATION", T::Real, false, true, 0, {}, nullptr},
    {"ERRNO", T::Short, false, false, 0, {}, nullptr},
    {"EXTMAX", T::Point3d, true, true, 0, {-1e20, -1e20, -1e20}, nullptr},
    {"EXTMIN", T::Point3d, true, true, 0, {1e20, 1e20, 1e20}, nullptr},
    {"FACETRES", T::Real, false, true, 0.5, {}, nullptr},
    {"FILEDIA", T::Short, false, false, 1, {}, nullptr},
    {"FILLETRAD", T::Real, false, true, 0, {}, nullptr},
    {"FILLMODE", T::Short, false, true, 1, {}, nullptr},
    {"GRIDMODE", T::Short, false, true, 0, {}, nullptr},
    {"GRIPS", T::Short, false, false, 1, {}, nullptr},
    {"HIGHLIGHT", T::Short, false, false, 1, {}, nullptr},
    {"INSBASE", T::Point3d, false, true, 0, {0, 0, 0}, nullptr},
    {"INSUNITS", T::Short, false, true, 1, {}, nullptr},
    {"ISOLINES", T::Short, false, true, 4, {}, nullptr},
    {"LIMMAX", T::Point2d, false, true, 0, {12, 9, 0}, nullptr},
    {"LIMMIN", T::Point2d, false, true, 0, {0, 0, 0}, nullptr},
    {"LOCALE", T::String, true, false, 0, {}, u"ENU"},
    {"LTSCALE", T::Real, false, true, 1, {}, nullptr},
    {"LUNITS", T::Short, false, true, 2, {}, nullptr},
    {"LUPREC", T::Short, false, true, 4, {}, nullptr},
    {"LWDEFAULT", T::Short, false, false, 25, {}, nullptr},
    {"LWDISPLAY", T::Short, false, true, 0, {}, nullptr},
    {"MAXACTVP", T::Short, false, true, 64, {}, nullptr},
    {"MEASUREMENT", T::Short, false, true, 0, {}, nullptr},
    {"MIRRTEXT", T::Short, false, true, 0, {}, nullptr},
    {"ORTHOMODE", T::Short, false, true, 0, {}, nullptr},
    {"OSMODE", T::Short, false, false, 4133, {}, nullptr},
    {"PDMODE", T::Short, false, true, 0, {}, nullptr},
    {"PDSIZE", T::Real, false, true, 0, {}, nullptr},
    {"PERIMETER", T::Real, true, false, 0, {}, nullptr},
    {"PICKADD", T::Short, false, false, 1, {}, nullptr},
    {"PICKBOX", T::Short, false, false, 3, {}, nullptr},
    {"PICKFIRST", T::Short, false, false, 1, {}, nullptr},
    {"PICKSTYLE", T::Short, false, false, 1, {}, nullptr},
    {"PLINEWID", T::Real, false, true, 0, {}, nullptr},
    {"PRODUCT", T::String, true, false, 0, {}, u"AutoCAD"},
    {"PROGRAM", T::String, true, false, 0, {}, u"acad"},
    {"PSLTSCALE", T::Short, false, true, 1, {}, nullptr},
    {"PSTYLEMODE", T::Short, true, true, 1, {}, nullptr},
    {"ROLLOVERTIPS", T::Short, false, false, 1, {}, nullptr},
    {"SNAPMODE", T::Short, false, true, 0, {}, nullptr},
    {"SPLINESEGS", T::Short, false, true, 8, {}, nullptr},
    {"SURFTAB1", T::Short, false, true, 6, {}, nullptr},
    {"SURFTAB2", T::Short, false, true, 6, {}, nullptr},
    {"TEXTSIZE", T::Real, false, true, 0.2, {}, nullptr},
    {"TEXTSTYLE", T::String, false, true, 0, {}, u"Standard"},
    {"THICKNESS", T::Real, false, true, 0, {}, nullptr},
    {"TILEMODE", T::Short, false, true, 1, {}, nullptr},
    {"UNITMODE", T::Short, false, true, 0, {}, nullptr},
};

}  // namespace

const SysVarDefinition* findSystemVariable(std::u16string_view name) {
  for (const SysVarDefinition& def : kVariables) {
    std::string_view known = def.name;
    if (known.size() != name.size()) continue;
    bool same = true;
    for (size_t i = 0; i < known.size() && same; ++i) {
      char16_t c = name[i];
      if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - 32);
      same = c == static_cast<char16_t>(known[i]);
    }
    if (same) return &def;
  }
  return nullptr;
}

int headerIntOrDefault(const DatabaseImpl& db, const char* name) {
  const SysVarDefinition* def = findSystemVariable(std::u16string(name, name + std::char_traits<char>::length(name)));
  int fallback = def ? static_cast<int>(def->number) : 0;
  return db.headerInt(std::string("$") + name, fallback);
}

double headerRealOrDefault(const DatabaseImpl& db, const char* name) {
  const SysVarDefinition* def = findSystemVariable(std::u16string(name, name + std::char_traits<char>::length(name)));
  return db.headerReal(std::string("$") + name, def ? def->number : 0.0);
}

}  // namespace acadsim
