// AcDb3dPolyline: straight segments through the vertices on the curve (all but the spline-frame control
// vertices), in world coordinates; the parameter is the vertex index.
#include <algorithm>
#include <cmath>

#include <dbcurve.h>
#include <dbfiler.h>

#include "../DatabaseImpl.h"
#include "CurveGeometry.h"

using acadsim::curves::inRange;

AcDbObjectIterator* AcDb3dPolyline::vertexIterator() const {
  std::vector<AcDbObjectId> vertices;
  for (AcDbObjectId id : subentityIds())
    if (acadsim::peek<AcDbVertex>(id) != nullptr) vertices.push_back(id);
  return new AcDbObjectIterator(std::move(vertices));
}

AcDb::Poly3dType AcDb3dPolyline::polyType() const {
  if (mFlags & 4) return mCurveType == 5 ? AcDb::k3dQuadSplinePoly : AcDb::k3dCubicSplinePoly;
  return AcDb::k3dSimplePoly;
}

Acad::ErrorStatus AcDb3dPolyline::makeClosed() {
  mFlags = static_cast<Adesk::Int16>(mFlags | 1);
  return Acad::eOk;
}

Acad::ErrorStatus AcDb3dPolyline::makeOpen() {
  mFlags = static_cast<Adesk::Int16>(mFlags & ~1);
  return Acad::eOk;
}

std::vector<AcGePoint3d> AcDb3dPolyline::curvePoints() const {
  std::vector<AcGePoint3d> points;
  points.reserve(subentityIds().size());
  for (AcDbObjectId id : subentityIds()) {
    const AcDb3dPolylineVertex* v = acadsim::peek<AcDb3dPolylineVertex>(id);
    if (v != nullptr && !v->isErased() && v->vertexType() != AcDb::k3dControlVertex) points.push_back(v->position());
  }
  // Closing repeats the first point at the end, so segment i always runs from point i to point i + 1.
  if (isClosed() && points.size() >= 2) points.push_back(points.front());
  return points;
}

Adesk::Boolean AcDb3dPolyline::isClosed() const { return (mFlags & 1) != 0; }

namespace {

// Segment index and fraction for a parameter in [0, points - 1].
void locate(const std::vector<AcGePoint3d>& p, double param, size_t& i, double& f) {
  double last = static_cast<double>(p.size() - 1);
  double t = std::clamp(param, 0.0, last);
  i = std::min(static_cast<size_t>(std::floor(t)), p.size() >= 2 ? p.size() - 2 : 0);
  f = t - static_cast<double>(i);
}

}  // namespace

// A polyline without vertices on its curve has no geometry: eDegenerateGeometry.
Acad::ErrorStatus AcDb3dPolyline::getStartParam(double& param) const {
  if (curvePoints().empty()) return Acad::eDegenerateGeometry;
  param = 0.0;
  return Acad::eOk;
}

Acad::ErrorStatus AcDb3dPolyline::getEndParam(double& param) const {
  std::vector<AcGePoint3d> p = curvePoints();
  if (p.empty()) return Acad::eDegenerateGeometry;
  param = static_cast<double>(p.size() - 1);
  return Acad::eOk;
}

Acad::ErrorStatus AcDb3dPolyline::getStartPoint(AcGePoint3d& point) const {
  std::vector<AcGePoint3d> p = curvePoints();
  if (p.empty()) return Acad::eDegenerateGeometry;
  point = p.front();
  return Acad::eOk;
}

Acad::ErrorStatus AcDb3dPolyline::getEndPoint(AcGePoint3d& point) const {
  std::vector<AcGePoint3d> p = curvePoints();
  if (p.empty()) return Acad::eDegenerateGeometry;
  point = p.back();
  return Acad::eOk;
}

Acad::ErrorStatus AcDb3dPolyline::getPointAtParam(double param, AcGePoint3d& point) const {
  std::vector<AcGePoint3d> p = curvePoints();
  if (p.empty()) return Acad::eDegenerateGeometry;
  if (!inRange(param, 0.0, static_cast<double>(p.size() - 1))) return Acad::eInvalidInput;
  if (p.size() == 1) {
    point = p.front();
    return Acad::eOk;
  }
  size_t i = 0;
  double f = 0.0;
  locate(p, param, i, f);
  point = p[i] + (p[i + 1] - p[i]) * f;
  return Acad::eOk;
}

Acad::ErrorStatus AcDb3dPolyline::getDistAtParam(double param, double& dist) const {
  std::vector<AcGePoint3d> p = curvePoints();
  if (p.empty()) return Acad::eDegenerateGeometry;
  if (!inRange(param, 0.0, static_cast<double>(p.size() - 1))) return Acad::eInvalidInput;
  dist = 0.0;
  if (p.size() == 1) return Acad::eOk;
  size_t i = 0;
  double f = 0.0;
  locate(p, param, i, f);
  for (size_t k = 0; k < i; ++k) dist += p[k].distanceTo(p[k + 1]);
  dist += f * p[i].distanceTo(p[i + 1]);
  return Acad::eOk;
}

Acad::ErrorStatus AcDb3dPolyline::getFirstDeriv(double param, AcGeVector3d& firstDeriv) const {
  std::vector<AcGePoint3d> p = curvePoints();
  if (p.empty()) return Acad::eDegenerateGeometry;
  if (!inRange(param, 0.0, static_cast<double>(p.size() - 1))) return Acad::eInvalidInput;
  if (p.size() == 1) {
    firstDeriv = AcGeVector3d();
    return Acad::eOk;
  }
  size_t i = 0;
  double f = 0.0;
  locate(p, param, i, f);
  firstDeriv = p[i + 1] - p[i];
  return Acad::eOk;
}

// The shoelace area in the vertices' plane; eNonPlanarEntity when they span space.
Acad::ErrorStatus AcDb3dPolyline::getArea(double& area) const {
  std::vector<AcGePoint3d> p = curvePoints();
  if (p.empty()) return Acad::eDegenerateGeometry;
  AcGePlane plane;
  AcDb::Planarity planarity = acadsim::curves::planeOfPoints(p, plane);
  if (planarity == AcDb::kNonPlanar) return Acad::eNonPlanarEntity;
  area = 0.0;
  if (planarity == AcDb::kLinear) return Acad::eOk;
  // Twice the vector area of the loop, origin at the first point, projected onto the normal.
  AcGeVector3d sum;
  for (size_t i = 0; i < p.size(); ++i) {
    AcGeVector3d a = p[i] - p.front(), b = p[(i + 1) % p.size()] - p.front();
    sum = sum + a.crossProduct(b);
  }
  area = 0.5 * std::fabs(sum.dotProduct(plane.normal()));
  return Acad::eOk;
}

Acad::ErrorStatus AcDb3dPolyline::getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const {
  std::vector<AcGePoint3d> p = curvePoints();
  if (p.empty()) return Acad::eDegenerateGeometry;
  planarity = acadsim::curves::planeOfPoints(p, plane);
  return Acad::eOk;
}

Acad::ErrorStatus AcDb3dPolyline::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbCurve::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  acadsim::DxfGroupView g;
  while (filer->readGroup(g)) {
    if (g.code == 70) mFlags = static_cast<Adesk::Int16>(g.integer);
    else if (g.code == 75) mCurveType = static_cast<Adesk::Int16>(g.integer);
  }
  return filer->filerStatus();
}
