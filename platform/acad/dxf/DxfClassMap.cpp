#include "DxfClassMap.h"

#include <dbdict.h>
#include <dbents.h>
#include <dblayout.h>
#include <dbmaterial.h>
#include <dbobjects.h>
#include <dbproxy.h>
#include <qvwide.h>
#include <rxclass.h>

#include <string>
#include <unordered_map>

namespace acadsim {
namespace {

int64_t firstInteger(const DxfData& groups, int code, int64_t fallback) {
  for (size_t i = 0; i < groups.size(); ++i)
    if (groups.code(i) == code && groups.type(i) == DxfData::Type::Integer) return groups.integer(i);
  return fallback;
}

bool hasSubclass(const DxfData& groups, std::string_view marker) {
  for (size_t i = 0; i < groups.size(); ++i)
    if (groups.code(i) == 100 && groups.string(i) == marker) return true;
  return false;
}

using Factory = AcDbObject* (*)(const DxfData&);

template <class T>
AcDbObject* make(const DxfData&) {
  return new T();
}

AcDbObject* makePolyline(const DxfData& g) {
  int64_t flags = firstInteger(g, 70, 0);
  if (flags & 16) return new AcDbPolygonMesh();
  if (flags & 64) return new AcDbPolyFaceMesh();
  if (flags & 8) return new AcDb3dPolyline();
  return new AcDb2dPolyline();
}

AcDbObject* makeVertex(const DxfData& g) {
  int64_t flags = firstInteger(g, 70, 0);
  if ((flags & 128) && (flags & 64)) return new AcDbPolyFaceMeshVertex();
  if (flags & 128) return new AcDbFaceRecord();
  if (flags & 64) return new AcDbPolygonMeshVertex();
  if (flags & 32) return new AcDb3dPolylineVertex();
  return new AcDb2dVertex();
}

AcDbObject* makeInsert(const DxfData& g) {
  if (firstInteger(g, 70, 1) > 1 || firstInteger(g, 71, 1) > 1) return new AcDbMInsertBlock();
  return new AcDbBlockReference();
}

AcDbObject* makeDimension(const DxfData& g) {
  switch (firstInteger(g, 70, 0) & 7) {
    case 1: return new AcDbAlignedDimension();
    case 2: return new AcDb2LineAngularDimension();
    case 3: return new AcDbDiametricDimension();
    case 4: return new AcDbRadialDimension();
    case 5: return new AcDb3PointAngularDimension();
    case 6: return new AcDbOrdinateDimension();
    default:
      if (hasSubclass(g, "AcDbAlignedDimension") && !hasSubclass(g, "AcDbRotatedDimension"))
        return new AcDbAlignedDimension();
      return new AcDbRotatedDimension();
  }
}

const std::unordered_map<std::string_view, Factory>& builtInTypes() {
  static const std::unordered_map<std::string_view, Factory> types = {
      {"LINE", make<AcDbLine>},
      {"CIRCLE", make<AcDbCircle>},
      {"ARC", make<AcDbArc>},
      {"ELLIPSE", make<AcDbEllipse>},
      {"SPLINE", make<AcDbSpline>},
      {"HELIX", make<AcDbHelix>},
      {"LWPOLYLINE", make<AcDbPolyline>},
      {"POLYLINE", makePolyline},
      {"VERTEX", makeVertex},
      {"SEQEND", make<AcDbSequenceEnd>},
      {"RAY", make<AcDbRay>},
      {"XLINE", make<AcDbXline>},
      {"LEADER", make<AcDbLeader>},
      {"POINT", make<AcDbPoint>},
      {"HATCH", make<AcDbHatch>},
      {"INSERT", makeInsert},
      {"ACAD_TABLE", make<AcDbTable>},
      {"TEXT", make<AcDbText>},
      {"ATTRIB", make<AcDbAttribute>},
      {"ATTDEF", make<AcDbAttributeDefinition>},
      {"MTEXT", make<AcDbMText>},
      {"SHAPE", make<AcDbShape>},
      {"3DFACE", make<AcDbFace>},
      {"TRACE", make<AcDbTrace>},
      {"SOLID", make<AcDbSolid>},
      {"MULTILEADER", make<AcDbMLeader>},
      {"MLEADER", make<AcDbMLeader>},
      {"MLINE", make<AcDbMline>},
      {"MESH", make<AcDbSubDMesh>},
      {"IMAGE", make<AcDbRasterImage>},
      {"WIPEOUT", make<AcDbWipeout>},
      {"VIEWPORT", make<AcDbViewport>},
      {"DIMENSION", makeDimension},
      {"ARC_DIMENSION", make<AcDbArcDimension>},
      {"LARGE_RADIAL_DIMENSION", make<AcDbRadialDimensionLarge>},
      {"TOLERANCE", make<AcDbFcf>},
      {"OLEFRAME", make<AcDbOleFrame>},
      {"OLE2FRAME", make<AcDbOle2Frame>},
      {"PDFUNDERLAY", make<AcDbPdfReference>},
      {"DWFUNDERLAY", make<AcDbDwfReference>},
      {"DGNUNDERLAY", make<AcDbDgnReference>},
      {"3DSOLID", make<AcDb3dSolid>},
      {"REGION", make<AcDbRegion>},
      {"BODY", make<AcDbBody>},
      {"SURFACE", make<AcDbSurface>},
      {"EXTRUDEDSURFACE", make<AcDbExtrudedSurface>},
      {"LOFTEDSURFACE", make<AcDbLoftedSurface>},
      {"REVOLVEDSURFACE", make<AcDbRevolvedSurface>},
      {"SWEPTSURFACE", make<AcDbSweptSurface>},
      {"PLANESURFACE", make<AcDbPlaneSurface>},
      {"NURBSURFACE", make<AcDbNurbSurface>},
      {"LIGHT", make<AcDbLight>},
      {"SECTIONOBJECT", make<AcDbSection>},
      {"POSITIONMARKER", make<AcDbGeoPositionMarker>},
      {"BLOCK", make<AcDbBlockBegin>},
      {"ENDBLK", make<AcDbBlockEnd>},
      {"DICTIONARY", make<AcDbDictionary>},
      {"ACDBDICTIONARYWDFLT", make<AcDbDictionaryWithDefault>},
      {"ACDBPLACEHOLDER", make<AcDbPlaceHolder>},
      {"LAYOUT", make<AcDbLayout>},
      {"PLOTSETTINGS", make<AcDbPlotSettings>},
      {"MATERIAL", make<AcDbMaterial>},
      {"XRECORD", make<AcDbXrecord>},
      {"GROUP", make<AcDbGroup>},
      {"MLINESTYLE", make<AcDbMlineStyle>},
      {"IMAGEDEF", make<AcDbRasterImageDef>},
      {"IMAGEDEF_REACTOR", make<AcDbRasterImageDefReactor>},
      {"RASTERVARIABLES", make<AcDbRasterVariables>},
      {"WIPEOUTVARIABLES", make<AcDbWipeoutVariables>},
      {"TABLESTYLE", make<AcDbTableStyle>},
      {"MLEADERSTYLE", make<AcDbMLeaderStyle>},
      {"VISUALSTYLE", make<AcDbVisualStyle>},
      {"SCALE", make<AcDbScale>},
      {"DICTIONARYVAR", make<AcDbDictionaryVar>},
      {"SORTENTSTABLE", make<AcDbSortentsTable>},
      {"FIELD", make<AcDbField>},
      {"FIELDLIST", make<AcDbFieldList>},
      {"GEODATA", make<AcDbGeoData>},
      {"CELLSTYLEMAP", make<AcDbCellStyleMap>},
      {"PDFDEFINITION", make<AcDbPdfDefinition>},
      {"DWFDEFINITION", make<AcDbDwfDefinition>},
      {"DGNDEFINITION", make<AcDbDgnDefinition>},
      {"SPATIAL_FILTER", make<AcDbSpatialFilter>},
      {"LAYER_FILTER", make<AcDbLayerFilter>},
      {"SPATIAL_INDEX", make<AcDbSpatialIndex>},
      {"LAYER_INDEX", make<AcDbLayerIndex>},
      {"IDBUFFER", make<AcDbIdBuffer>},
      {"SUN", make<AcDbSun>},
      {"DATATABLE", make<AcDbDataTable>},
      {"DIMASSOC", make<AcDbDimAssoc>},
      {"MENTALRAYRENDERSETTINGS", make<AcDbMentalRayRenderSettings>},
      {"RENDERGLOBAL", make<AcDbRenderGlobal>},
  };
  return types;
}

}  // namespace

AcDbObject* newObjectForDxfType(std::string_view type, const DxfData& groups, const DxfClassEntry* entry,
                                bool entitySection) {
  auto it = builtInTypes().find(type);
  if (it != builtInTypes().end()) return it->second(groups);
  std::u16string dxfName = Utf8ToWide(type);
  if (entry != nullptr) {
    if (AcRxClass* cls = classNamed(entry->className)) {
      AcRxObject* made = cls->create();
      if (AcDbObject* obj = AcDbObject::cast(made)) {
        if (entitySection == (AcDbEntity::cast(obj) != nullptr)) return obj;
      }
      delete made;
    }
  }
  std::u16string className = entry ? entry->className : u"";
  std::u16string appName = entry ? entry->appName : u"";
  int flags = entry ? entry->proxyFlags : 0;
  if (entitySection) {
    auto* proxy = new AcDbProxyEntity();
    proxy->setOriginal(className, dxfName, appName, flags);
    return proxy;
  }
  auto* proxy = new AcDbProxyObject();
  proxy->setOriginal(className, dxfName, appName, flags);
  return proxy;
}

}  // namespace acadsim
