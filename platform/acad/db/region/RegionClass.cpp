// AcDbRegion: a bounded planar area.
#include <dbregion.h>

#include <cmath>

#include "RegionBody.h"

ACRX_DXF_DEFINE_MEMBERS(AcDbRegion, AcDbEntity, 0, 0, 0, REGION, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbRegion);
AcDbRegion::AcDbRegion() : mBody(std::make_unique<acadsim::RegionBody>()) {}
AcDbRegion::~AcDbRegion() = default;

Acad::ErrorStatus AcDbRegion::checkReadable() const {
  return mUnreadableBody ? Acad::eNotImplementedYet : Acad::eOk;
}

Acad::ErrorStatus AcDbRegion::booleanOper(AcDb::BoolOperType operation, AcDbRegion* otherRegion) {
  if (otherRegion == nullptr) return Acad::eInvalidInput;
  if (!objectId().isNull() && !isWriteEnabled()) return Acad::eNotOpenForWrite;
  if (checkReadable() != Acad::eOk || otherRegion->checkReadable() != Acad::eOk) return Acad::eNotImplementedYet;
  if (otherRegion == this) {
    // A region combined with itself: unite and intersect leave it, subtract empties it.
    if (operation == AcDb::kBoolSubtract) *mBody = acadsim::RegionBody();
    return Acad::eOk;
  }
  return mBody->combine(operation, *otherRegion->mBody);
}

Acad::ErrorStatus AcDbRegion::getArea(double& area) const {
  if (Acad::ErrorStatus es = checkReadable(); es != Acad::eOk) return es;
  area = mBody->area();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbRegion::getPerimeter(double& perimeter) const {
  if (Acad::ErrorStatus es = checkReadable(); es != Acad::eOk) return es;
  perimeter = mBody->perimeter();
  return Acad::eOk;
}

Adesk::Boolean AcDbRegion::isNull() const { return mBody->isEmpty(); }

Acad::ErrorStatus AcDbRegion::getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const {
  if (Acad::ErrorStatus es = checkReadable(); es != Acad::eOk) return es;
  if (mBody->isEmpty()) return Acad::eDegenerateGeometry;
  plane.set(mBody->plane().origin, mBody->plane().normal);
  planarity = AcDb::kPlanar;
  return Acad::eOk;
}

// An empty region has no plane: eDegenerateGeometry.
Acad::ErrorStatus AcDbRegion::getNormal(AcGeVector3d& normal) const {
  if (Acad::ErrorStatus es = checkReadable(); es != Acad::eOk) return es;
  if (mBody->isEmpty()) return Acad::eDegenerateGeometry;
  normal = mBody->plane().normal;
  return Acad::eOk;
}

// momInertia[0] is about the X axis (the integral of y squared), momInertia[1] about the Y axis; prinMoments are
// about the principal axes through the centroid, and radiiGyration belong to momInertia. xAxis and yAxis must be
// perpendicular directions in the region's plane (eInvalidInput otherwise); an empty region: eDegenerateGeometry.
Acad::ErrorStatus AcDbRegion::getAreaProp(const AcGePoint3d& origin, const AcGeVector3d& xAxis,
                                          const AcGeVector3d& yAxis, double& perimeter, double& area,
                                          AcGePoint2d& centroid, double momInertia[2], double& prodInertia,
                                          double prinMoments[2], AcGeVector2d prinAxes[2], double radiiGyration[2],
                                          AcGePoint2d& extentsLow, AcGePoint2d& extentsHigh) const {
  if (Acad::ErrorStatus es = checkReadable(); es != Acad::eOk) return es;
  if (mBody->isEmpty()) return Acad::eDegenerateGeometry;
  const acadsim::RegionPlane& plane = mBody->plane();
  AcGeVector3d ux = xAxis.normal(), uy = yAxis.normal();
  if (ux.isZeroLength() || uy.isZeroLength() || std::fabs(ux.dotProduct(uy)) > 1e-9 ||
      std::fabs(ux.dotProduct(plane.normal)) > 1e-9 || std::fabs(uy.dotProduct(plane.normal)) > 1e-9)
    return Acad::eInvalidInput;

  // The user's coordinates q = m p + d of a point p in the region's own plane coordinates.
  AcGeVector2d d(((plane.origin - origin).dotProduct(ux)), (plane.origin - origin).dotProduct(uy));
  double m[2][2] = {{plane.xAxis.dotProduct(ux), plane.yAxis.dotProduct(ux)},
                    {plane.xAxis.dotProduct(uy), plane.yAxis.dotProduct(uy)}};
  acadsim::AreaMoments own = mBody->moments();
  const double a = own.area;
  if (!(a > 0.0)) return Acad::eDegenerateGeometry;
  double first[2] = {own.firstX, own.firstY};
  double second[2][2] = {{own.secondXX, own.secondXY}, {own.secondXY, own.secondYY}};
  double q1[2], q2[2][2];
  for (int i = 0; i < 2; ++i) q1[i] = m[i][0] * first[0] + m[i][1] * first[1] + (i == 0 ? d.x : d.y) * a;
  double dv[2] = {d.x, d.y};
  for (int i = 0; i < 2; ++i)
    for (int j = 0; j < 2; ++j) {
      double s = 0.0;
      for (int k = 0; k < 2; ++k)
        for (int l = 0; l < 2; ++l) s += m[i][k] * second[k][l] * m[j][l];
      double mi = m[i][0] * first[0] + m[i][1] * first[1], mj = m[j][0] * first[0] + m[j][1] * first[1];
      q2[i][j] = s + mi * dv[j] + dv[i] * mj + a * dv[i] * dv[j];
    }

  perimeter = mBody->perimeter();
  area = a;
  centroid = AcGePoint2d(q1[0] / a, q1[1] / a);
  momInertia[0] = q2[1][1];
  momInertia[1] = q2[0][0];
  prodInertia = q2[0][1];
  radiiGyration[0] = std::sqrt(std::fmax(momInertia[0], 0.0) / a);
  radiiGyration[1] = std::sqrt(std::fmax(momInertia[1], 0.0) / a);

  // Central second moments, then the eigen-directions of their symmetric matrix.
  double cxx = q2[0][0] - a * centroid.x * centroid.x, cyy = q2[1][1] - a * centroid.y * centroid.y;
  double cxy = q2[0][1] - a * centroid.x * centroid.y;
  double angle = 0.5 * std::atan2(2.0 * cxy, cxx - cyy);
  prinAxes[0] = AcGeVector2d(std::cos(angle), std::sin(angle));
  prinAxes[1] = AcGeVector2d(-std::sin(angle), std::cos(angle));
  for (int i = 0; i < 2; ++i) {
    // The moment about an axis sums the squared distances across it, along the other principal direction.
    const AcGeVector2d& across = prinAxes[1 - i];
    prinMoments[i] = across.x * across.x * cxx + 2 * across.x * across.y * cxy + across.y * across.y * cyy;
  }

  extentsLow = AcGePoint2d(HUGE_VAL, HUGE_VAL);
  extentsHigh = AcGePoint2d(-HUGE_VAL, -HUGE_VAL);
  for (const acadsim::BoundaryLoop& loop : mBody->loops())
    for (const AcGePoint2d& p : loop.flattened(1e-9 * loop.size())) {
      double x = m[0][0] * p.x + m[0][1] * p.y + d.x, y = m[1][0] * p.x + m[1][1] * p.y + d.y;
      extentsLow = AcGePoint2d(std::fmin(extentsLow.x, x), std::fmin(extentsLow.y, y));
      extentsHigh = AcGePoint2d(std::fmax(extentsHigh.x, x), std::fmax(extentsHigh.y, y));
    }
  return Acad::eOk;
}
