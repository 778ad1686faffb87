// AcDb2dPolyline: the POLYLINE of 2D vertices. Its geometry is that of the vertices on the curve (all but the
// spline-frame control vertices), which the file follows it with; the host reads them in place.
#include <cmath>

#include <dbcurve.h>
#include <dbfiler.h>

#include "../DatabaseImpl.h"
#include "BulgePath.h"
#include "CurveGeometry.h"

using acadsim::curves::inRange;

class AcDb2dPolyline::BulgePathView {
 public:
  static acadsim::curves::BulgePath of(const AcDb2dPolyline& p) {
    std::vector<acadsim::curves::BulgeVertex> v;
    v.reserve(p.subentityIds().size());
    for (AcDbObjectId id : p.subentityIds()) {
      const AcDb2dVertex* vertex = acadsim::peek<AcDb2dVertex>(id);
      if (vertex == nullptr || vertex->isErased() || vertex->vertexType() == AcDb::k2dSplineCtlVertex) continue;
      AcGePoint3d at = vertex->position();
      v.push_back({AcGePoint2d(at.x, at.y), vertex->bulge()});
    }
    return acadsim::curves::BulgePath(std::move(v), p.isClosed(), p.mElevation, p.mNormal);
  }
};

AcDbObjectIterator* AcDb2dPolyline::vertexIterator() const {
  std::vector<AcDbObjectId> vertices;
  for (AcDbObjectId id : subentityIds())
    if (acadsim::peek<AcDbVertex>(id) != nullptr) vertices.push_back(id);
  return new AcDbObjectIterator(std::move(vertices));
}

// Flag 2 marks a curve-fit polyline, flag 4 a spline-fit one whose type group 75 tells quadratic (5) from cubic.
AcDb::Poly2dType AcDb2dPolyline::polyType() const {
  if (mFlags & 4) return mCurveType == 5 ? AcDb::k2dQuadSplinePoly : AcDb::k2dCubicSplinePoly;
  if (mFlags & 2) return AcDb::k2dFitCurvePoly;
  return AcDb::k2dSimplePoly;
}

double AcDb2dPolyline::elevation() const { return mElevation; }
double AcDb2dPolyline::thickness() const { return mThickness; }
AcGeVector3d AcDb2dPolyline::normal() const { return mNormal; }
double AcDb2dPolyline::defaultStartWidth() const { return mDefaultStartWidth; }
double AcDb2dPolyline::defaultEndWidth() const { return mDefaultEndWidth; }

Acad::ErrorStatus AcDb2dPolyline::makeClosed() {
  mFlags = static_cast<Adesk::Int16>(mFlags | 1);
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::makeOpen() {
  mFlags = static_cast<Adesk::Int16>(mFlags & ~1);
  return Acad::eOk;
}

Adesk::Boolean AcDb2dPolyline::isClosed() const { return (mFlags & 1) != 0; }

// A polyline without vertices on its curve has no geometry: eDegenerateGeometry.
Acad::ErrorStatus AcDb2dPolyline::getStartParam(double& param) const {
  if (BulgePathView::of(*this).isEmpty()) return Acad::eDegenerateGeometry;
  param = 0.0;
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::getEndParam(double& param) const {
  acadsim::curves::BulgePath path = BulgePathView::of(*this);
  if (path.isEmpty()) return Acad::eDegenerateGeometry;
  param = path.endParam();
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::getStartPoint(AcGePoint3d& point) const {
  acadsim::curves::BulgePath path = BulgePathView::of(*this);
  if (path.isEmpty()) return Acad::eDegenerateGeometry;
  point = path.pointAt(0.0);
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::getEndPoint(AcGePoint3d& point) const {
  acadsim::curves::BulgePath path = BulgePathView::of(*this);
  if (path.isEmpty()) return Acad::eDegenerateGeometry;
  point = path.pointAt(path.endParam());
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::getPointAtParam(double param, AcGePoint3d& point) const {
  acadsim::curves::BulgePath path = BulgePathView::of(*this);
  if (path.isEmpty()) return Acad::eDegenerateGeometry;
  if (!inRange(param, 0.0, path.endParam())) return Acad::eInvalidInput;
  point = path.pointAt(param);
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::getDistAtParam(double param, double& dist) const {
  acadsim::curves::BulgePath path = BulgePathView::of(*this);
  if (path.isEmpty()) return Acad::eDegenerateGeometry;
  if (!inRange(param, 0.0, path.endParam())) return Acad::eInvalidInput;
  dist = path.distAt(param);
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::getFirstDeriv(double param, AcGeVector3d& firstDeriv) const {
  acadsim::curves::BulgePath path = BulgePathView::of(*this);
  if (path.isEmpty()) return Acad::eDegenerateGeometry;
  if (!inRange(param, 0.0, path.endParam())) return Acad::eInvalidInput;
  firstDeriv = path.firstDerivAt(param);
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::getArea(double& area) const {
  acadsim::curves::BulgePath path = BulgePathView::of(*this);
  if (path.isEmpty()) return Acad::eDegenerateGeometry;
  area = path.area();
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const {
  plane = AcGePlane(acadsim::curves::ocsToWorld(mNormal, AcGePoint3d(0.0, 0.0, mElevation)), mNormal);
  planarity = AcDb::kPlanar;
  return Acad::eOk;
}

// The elevation is the z of group 10; default widths 40/41 apply to vertices that give none.
Acad::ErrorStatus AcDb2dPolyline::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbCurve::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  acadsim::DxfGroupView g;
  while (filer->readGroup(g)) {
    double value = acadsim::curves::finiteValue(g.real);
    switch (g.code) {
      case 10: mElevation = acadsim::curves::finiteValue(g.point[2]); break;
      case 70: mFlags = static_cast<Adesk::Int16>(g.integer); break;
      case 75: mCurveType = static_cast<Adesk::Int16>(g.integer); break;
      case 40: mDefaultStartWidth = std::fmax(value, 0.0); break;
      case 41: mDefaultEndWidth = std::fmax(value, 0.0); break;
      case 39: mThickness = value; break;
      case 210: mNormal = acadsim::curves::unitNormalOrZ(acadsim::curves::finiteVector(g.point)); break;
      default: break;
    }
  }
  return filer->filerStatus();
}
