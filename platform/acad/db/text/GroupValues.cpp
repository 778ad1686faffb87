#include "GroupValues.h"

#include <dbsymtb.h>
#include <gemat3d.h>
#include <qvwide.h>

#include <cmath>

#include "../DatabaseImpl.h"

namespace acadsim::annotation {
namespace {

constexpr double kTwoPi = 6.283185307179586476925286766559;

bool takeCoordinates(const DxfGroupView& g, int xCode, double xyz[3]) {
  if (g.code == xCode && g.type == DxfGroupView::Type::Point) {
    for (int axis = 0; axis < 3; ++axis)
      if (std::isfinite(g.point[axis])) xyz[axis] = g.point[axis];
    return true;
  }
  if (g.type != DxfGroupView::Type::Real) return false;
  for (int axis = 0; axis < 3; ++axis) {
    if (g.code != xCode + 10 * axis) continue;
    if (std::isfinite(g.real)) xyz[axis] = g.real;
    return true;
  }
  return false;
}

AcDbObjectId recordOrStandard(AcDbObjectId tableId, std::u16string_view name) {
  auto* table = peek<AcDbSymbolTable>(tableId);
  if (table == nullptr) return AcDbObjectId::kNull;
  AcDbObjectId id = name.empty() ? AcDbObjectId::kNull : table->findRecord(name);
  if (id.isNull() || id.isErased()) id = table->findRecord(u"Standard");
  return id;
}

}  // namespace

bool takePoint(const DxfGroupView& g, int xCode, AcGePoint3d& point) {
  double xyz[3] = {point.x, point.y, point.z};
  if (!takeCoordinates(g, xCode, xyz)) return false;
  point.set(xyz[0], xyz[1], xyz[2]);
  return true;
}

bool takeVector(const DxfGroupView& g, int xCode, AcGeVector3d& vector) {
  double xyz[3] = {vector.x, vector.y, vector.z};
  if (!takeCoordinates(g, xCode, xyz)) return false;
  vector = AcGeVector3d(xyz[0], xyz[1], xyz[2]);
  return true;
}

bool takeReal(const DxfGroupView& g, double& value) {
  if (g.type != DxfGroupView::Type::Real && g.type != DxfGroupView::Type::Integer) return false;
  if (std::isfinite(g.real)) value = g.real;
  return true;
}

bool takeDegrees(const DxfGroupView& g, double& radians) {
  double degrees = std::nan("");
  if (!takeReal(g, degrees)) return false;
  if (std::isfinite(degrees)) radians = radiansFromDegrees(degrees);
  return true;
}

bool takeString(const DxfGroupView& g, std::u16string& text) {
  if (g.type != DxfGroupView::Type::String) return false;
  text = Utf8ToWide(g.text);
  return true;
}

double normalizedAngle(double radians) {
  if (!std::isfinite(radians)) return 0.0;
  double angle = std::fmod(radians, kTwoPi);
  if (angle < 0.0) angle += kTwoPi;
  return angle >= kTwoPi ? 0.0 : angle;  // -tiny + 2pi rounds to 2pi
}

double radiansFromDegrees(double degrees) { return normalizedAngle(std::fmod(degrees, 360.0) * (kTwoPi / 360.0)); }

AcGeVector3d unitNormal(const AcGeVector3d& normal) {
  double length = normal.length();
  if (!(length > 1e-12) || !std::isfinite(length)) return AcGeVector3d::kZAxis;
  return normal / length;
}

AcGePoint3d ocsToWcs(const AcGePoint3d& point, const AcGeVector3d& normal) {
  AcGeVector3d n = unitNormal(normal);
  if (n == AcGeVector3d::kZAxis) return point;
  AcGePoint3d world = point;
  return world.transformBy(AcGeMatrix3d::planeToWorld(n));
}

AcGeVector3d ocsVectorOf(const AcGeVector3d& direction, const AcGeVector3d& normal) {
  AcGeVector3d inPlane = direction;
  return inPlane.transformBy(AcGeMatrix3d::worldToPlane(unitNormal(normal)));
}

double ocsAngleOf(const AcGeVector3d& direction, const AcGeVector3d& normal) {
  AcGeVector3d inPlane = ocsVectorOf(direction, normal);
  if (std::hypot(inPlane.x, inPlane.y) <= 1e-12) return 0.0;
  return normalizedAngle(std::atan2(inPlane.y, inPlane.x));
}

AcDbObjectId textStyleNamed(DatabaseImpl& db, std::u16string_view name) { return recordOrStandard(db.textStyleTable, name); }

AcDbObjectId dimStyleNamed(DatabaseImpl& db, std::u16string_view name) { return recordOrStandard(db.dimStyleTable, name); }

AcDbObjectId blockNamed(const DatabaseImpl& db, std::u16string_view name) {
  auto* blocks = peek<AcDbBlockTable>(db.blockTable);
  if (blocks == nullptr || name.empty()) return AcDbObjectId::kNull;
  return blocks->findRecord(name);
}

}  // namespace acadsim::annotation
