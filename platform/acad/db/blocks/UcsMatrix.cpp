// acdbUcsMatrix: the drawing's current user coordinate system, from its header.
#include <dbapserv.h>
#include <dbmain.h>
#include <gemat3d.h>

#include <cmath>
#include <string>

#include "../DatabaseImpl.h"
#include "DxfGroupValues.h"

namespace groups = acadsim::blockgroups;

namespace {

bool headerPoint(const acadsim::DatabaseImpl& db, const std::string& name, AcGeVector3d& value) {
  const acadsim::DxfData* data = db.header(name);
  if (data == nullptr || data->empty() || data->type(0) != acadsim::DxfData::Type::Point) return false;
  double p[3];
  data->point(0, p);
  for (double c : p)
    if (!std::isfinite(c)) return false;
  value = AcGeVector3d(p[0], p[1], p[2]);
  return true;
}

}  // namespace

// Paper space (TILEMODE 0: a layout tab is current) has its own UCS in $PUCS*. Axes that are zero or
// parallel give the world coordinate system, as a drawing without a UCS has.
bool acdbUcsMatrix(AcGeMatrix3d& mat, AcDbDatabase* pDb) {
  mat.setToIdentity();
  if (pDb == nullptr) pDb = acdbHostApplicationServices()->workingDatabase();
  if (pDb == nullptr) return false;
  const acadsim::DatabaseImpl& db = pDb->impl();
  std::string prefix = db.headerInt("$TILEMODE", 1) == 0 ? "$PUCS" : "$UCS";
  AcGeVector3d origin, xDir = AcGeVector3d::kXAxis, yDir = AcGeVector3d::kYAxis;
  headerPoint(db, prefix + "ORG", origin);
  headerPoint(db, prefix + "XDIR", xDir);
  headerPoint(db, prefix + "YDIR", yDir);
  if (xDir.isZeroLength(0.0) || yDir.isZeroLength(0.0)) return true;
  AcGeVector3d x = groups::unitVector(xDir);
  AcGeVector3d y = groups::unitVector(yDir);
  y = y - x * x.dotProduct(y);
  if (y.length() < 1e-10) return true;
  y = y / y.length();
  mat.setCoordSystem(AcGePoint3d::kOrigin + origin, x, y, x.crossProduct(y));
  return true;
}
