// The extents of model space: what its entities draw, or what the drawing's header says.
#include "ModelSpaceExtents.h"

#include <acadsim/DrawingQueries.h>
#include <dbents.h>
#include <dbsymtb.h>

#include <cmath>

#include "../../db/DatabaseImpl.h"

namespace acadsim::view {

namespace {

bool headerPoint(AcDbDatabase& db, const char* name, AcGePoint2d& point) {
  const DxfData* data = db.impl().header(name);
  if (data == nullptr || data->empty() || data->type(0) != DxfData::Type::Point) return false;
  double p[3];
  data->point(0, p);
  if (!std::isfinite(p[0]) || !std::isfinite(p[1])) return false;
  point = AcGePoint2d(p[0], p[1]);
  return true;
}

}  // namespace

Extents2d drawnModelSpaceExtents(AcDbDatabase& db) {
  Extents2d extents;
  AcDbBlockTableRecord* model = nullptr;
  if (acdbOpenObject(model, modelSpaceBlockId(db), AcDb::kForRead) != Acad::eOk) return extents;
  std::vector<AcDbObjectId> ids = model->entityIds();
  model->close();
  for (AcDbObjectId id : ids) {
    AcDbEntity* entity = nullptr;
    if (acdbOpenAcDbEntity(entity, id, AcDb::kForRead) != Acad::eOk) continue;
    if (!AcDbRay::cast(entity) && !AcDbXline::cast(entity)) extents.add(entityGraphics(*entity).extents);
    entity->close();
  }
  return extents;
}

Extents2d headerExtents(AcDbDatabase& db) {
  Extents2d extents;
  AcGePoint2d low, high;
  if (headerPoint(db, "$EXTMIN", low) && headerPoint(db, "$EXTMAX", high) && low.x <= high.x && low.y <= high.y) {
    extents.add(low);
    extents.add(high);
    return extents;
  }
  low = AcGePoint2d(0, 0);
  high = AcGePoint2d(12, 9);
  headerPoint(db, "$LIMMIN", low);
  headerPoint(db, "$LIMMAX", high);
  extents.add(low);
  extents.add(high);
  return extents;
}

}  // namespace acadsim::view
