// AcDbPolyline: the lightweight polyline, its vertices held in its object coordinate system at its elevation.
#include <cmath>

#include <dbcurve.h>
#include <dbfiler.h>

#include "BulgePath.h"
#include "CurveGeometry.h"

using acadsim::curves::inRange;
using acadsim::curves::isFinite;

class AcDbPolyline::BulgePathView {
 public:
  static acadsim::curves::BulgePath of(const AcDbPolyline& p) {
    std::vector<acadsim::curves::BulgeVertex> v;
    v.reserve(p.mVertices.size());
    for (const Vertex& x : p.mVertices) v.push_back({x.point, x.bulge});
    return acadsim::curves::BulgePath(std::move(v), p.mClosed, p.mElevation, p.mNormal);
  }
};

AcDbPolyline::AcDbPolyline(unsigned int num) { mVertices.reserve(num); }

unsigned int AcDbPolyline::numVerts() const { return static_cast<unsigned int>(mVertices.size()); }

// index may be numVerts() (append); eInvalidIndex beyond it, eInvalidInput for non-finite values.
Acad::ErrorStatus AcDbPolyline::addVertexAt(unsigned int index, const AcGePoint2d& point, double bulge,
                                            double startWidth, double endWidth) {
  if (index > mVertices.size()) return Acad::eInvalidIndex;
  if (!std::isfinite(point.x) || !std::isfinite(point.y) || !isFinite(bulge) || !isFinite(startWidth) ||
      !isFinite(endWidth))
    return Acad::eInvalidInput;
  Vertex v{point, bulge, startWidth < 0.0 ? mConstantWidth : startWidth, endWidth < 0.0 ? mConstantWidth : endWidth};
  mVertices.insert(mVertices.begin() + index, v);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::removeVertexAt(unsigned int index) {
  if (!validIndex(index)) return Acad::eInvalidIndex;
  mVertices.erase(mVertices.begin() + index);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getPointAt(unsigned int index, AcGePoint2d& point) const {
  if (!validIndex(index)) return Acad::eInvalidIndex;
  point = mVertices[index].point;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getPointAt(unsigned int index, AcGePoint3d& point) const {
  if (!validIndex(index)) return Acad::eInvalidIndex;
  const AcGePoint2d& p = mVertices[index].point;
  point = acadsim::curves::ocsToWorld(mNormal, AcGePoint3d(p.x, p.y, mElevation));
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getBulgeAt(unsigned int index, double& bulge) const {
  if (!validIndex(index)) return Acad::eInvalidIndex;
  bulge = mVertices[index].bulge;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::setBulgeAt(unsigned int index, double bulge) {
  if (!validIndex(index)) return Acad::eInvalidIndex;
  if (!isFinite(bulge)) return Acad::eInvalidInput;
  mVertices[index].bulge = bulge;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getWidthsAt(unsigned int index, double& startWidth, double& endWidth) const {
  if (!validIndex(index)) return Acad::eInvalidIndex;
  startWidth = mVertices[index].startWidth;
  endWidth = mVertices[index].endWidth;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::setWidthsAt(unsigned int index, double startWidth, double endWidth) {
  if (!validIndex(index)) return Acad::eInvalidIndex;
  if (!isFinite(startWidth) || !isFinite(endWidth) || startWidth < 0.0 || endWidth < 0.0) return Acad::eInvalidInput;
  mVertices[index].startWidth = startWidth;
  mVertices[index].endWidth = endWidth;
  return Acad::eOk;
}

// Only the vertices that start a segment count (the last one of an open polyline does not); a polyline without
// segments has the width it was given.
Acad::ErrorStatus AcDbPolyline::getConstantWidth(double& width) const {
  size_t segments = mVertices.size() < 2 ? 0 : (mClosed ? mVertices.size() : mVertices.size() - 1);
  if (segments == 0) {
    width = mConstantWidth;
    return Acad::eOk;
  }
  double w = mVertices.front().startWidth;
  for (size_t i = 0; i < segments; ++i)
    if (mVertices[i].startWidth != w || mVertices[i].endWidth != w) return Acad::eNotApplicable;
  width = w;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::setConstantWidth(double width) {
  if (!isFinite(width) || width < 0.0) return Acad::eInvalidInput;
  mConstantWidth = width;
  for (Vertex& v : mVertices) v.startWidth = v.endWidth = width;
  return Acad::eOk;
}

void AcDbPolyline::setClosed(Adesk::Boolean closed) { mClosed = closed; }

Adesk::Boolean AcDbPolyline::isOnlyLines() const {
  for (const Vertex& v : mVertices)
    if (v.bulge != 0.0) return Adesk::kFalse;
  return Adesk::kTrue;
}

double AcDbPolyline::elevation() const { return mElevation; }
void AcDbPolyline::setElevation(double elevation) {
  if (isFinite(elevation)) mElevation = elevation;
}
double AcDbPolyline::thickness() const { return mThickness; }
Acad::ErrorStatus AcDbPolyline::setThickness(double thickness) {
  if (!isFinite(thickness)) return Acad::eInvalidInput;
  mThickness = thickness;
  return Acad::eOk;
}
AcGeVector3d AcDbPolyline::normal() const { return mNormal; }
Acad::ErrorStatus AcDbPolyline::setNormal(const AcGeVector3d& normal) {
  if (!isFinite(normal) || normal.isZeroLength()) return Acad::eInvalidInput;
  mNormal = normal.normal();
  return Acad::eOk;
}

Adesk::Boolean AcDbPolyline::isClosed() const { return mClosed; }

// A polyline without vertices has no geometry: eDegenerateGeometry.
Acad::ErrorStatus AcDbPolyline::getStartParam(double& param) const {
  if (mVertices.empty()) return Acad::eDegenerateGeometry;
  param = 0.0;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getEndParam(double& param) const {
  if (mVertices.empty()) return Acad::eDegenerateGeometry;
  param = BulgePathView::of(*this).endParam();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getStartPoint(AcGePoint3d& point) const {
  if (mVertices.empty()) return Acad::eDegenerateGeometry;
  point = BulgePathView::of(*this).pointAt(0.0);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getEndPoint(AcGePoint3d& point) const {
  if (mVertices.empty()) return Acad::eDegenerateGeometry;
  acadsim::curves::BulgePath path = BulgePathView::of(*this);
  point = path.pointAt(path.endParam());
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getPointAtParam(double param, AcGePoint3d& point) const {
  if (mVertices.empty()) return Acad::eDegenerateGeometry;
  acadsim::curves::BulgePath path = BulgePathView::of(*this);
  if (!inRange(param, 0.0, path.endParam())) return Acad::eInvalidInput;
  point = path.pointAt(param);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getDistAtParam(double param, double& dist) const {
  if (mVertices.empty()) return Acad::eDegenerateGeometry;
  acadsim::curves::BulgePath path = BulgePathView::of(*this);
  if (!inRange(param, 0.0, path.endParam())) return Acad::eInvalidInput;
  dist = path.distAt(param);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getFirstDeriv(double param, AcGeVector3d& firstDeriv) const {
  if (mVertices.empty()) return Acad::eDegenerateGeometry;
  acadsim::curves::BulgePath path = BulgePathView::of(*this);
  if (!inRange(param, 0.0, path.endParam())) return Acad::eInvalidInput;
  firstDeriv = path.firstDerivAt(param);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getArea(double& area) const {
  if (mVertices.empty()) return Acad::eDegenerateGeometry;
  area = BulgePathView::of(*this).area();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const {
  plane = AcGePlane(acadsim::curves::ocsToWorld(mNormal, AcGePoint3d(0.0, 0.0, mElevation)), mNormal);
  planarity = AcDb::kPlanar;
  return Acad::eOk;
}

// Each 10 starts a vertex that the 40, 41 and 42 after it belong to; vertices without widths take the constant
// width (43). Non-finite values read as 0.
Acad::ErrorStatus AcDbPolyline::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbCurve::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  mVertices.clear();
  const double unset = -1.0;
  acadsim::DxfGroupView g;
  while (filer->readGroup(g)) {
    double value = acadsim::curves::finiteValue(g.real);
    switch (g.code) {
      case 90:
        if (g.integer > 0 && g.integer < (1 << 20)) mVertices.reserve(static_cast<size_t>(g.integer));
        break;
      case 70:
        mClosed = (g.integer & 1) != 0;
        break;
      case 43: mConstantWidth = std::fmax(value, 0.0); break;
      case 38: mElevation = value; break;
      case 39: mThickness = value; break;
      case 10:
        mVertices.push_back({AcGePoint2d(acadsim::curves::finiteValue(g.point[0]), acadsim::curves::finiteValue(g.point[1])), 0.0,
                             unset, unset});
        break;
      case 40:
        if (!mVertices.empty()) mVertices.back().startWidth = std::fmax(value, 0.0);
        break;
      case 41:
        if (!mVertices.empty()) mVertices.back().endWidth = std::fmax(value, 0.0);
        break;
      case 42:
        if (!mVertices.empty()) mVertices.back().bulge = value;
        break;
      case 210: mNormal = acadsim::curves::unitNormalOrZ(acadsim::curves::finiteVector(g.point)); break;
      default: break;
    }
  }
  for (Vertex& v : mVertices) {
    if (v.startWidth == unset) v.startWidth = mConstantWidth;
    if (v.endWidth == unset) v.endWidth = mConstantWidth;
  }
  return filer->filerStatus();
}
