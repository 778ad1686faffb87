// The host's curve classes, their vertices and the point: registrations and what every curve has in common.
#include <cmath>

#include <dbcurve.h>

ACRX_NO_CONS_DEFINE_MEMBERS(AcDbCurve, AcDbEntity);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbCurve);
AcDbCurve::AcDbCurve() = default;
AcDbCurve::~AcDbCurve() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbLine, AcDbCurve, 0, 0, 0, LINE, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbLine);
AcDbLine::AcDbLine() = default;
AcDbLine::~AcDbLine() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbCircle, AcDbCurve, 0, 0, 0, CIRCLE, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbCircle);
AcDbCircle::AcDbCircle() = default;
AcDbCircle::~AcDbCircle() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbArc, AcDbCurve, 0, 0, 0, ARC, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbArc);
AcDbArc::AcDbArc() = default;
AcDbArc::~AcDbArc() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbEllipse, AcDbCurve, 0, 0, 0, ELLIPSE, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbEllipse);
AcDbEllipse::AcDbEllipse() = default;
AcDbEllipse::~AcDbEllipse() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbSpline, AcDbCurve, 0, 0, 0, SPLINE, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbSpline);
AcDbSpline::AcDbSpline() = default;
AcDbSpline::~AcDbSpline() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbHelix, AcDbSpline, 0, 0, 0, HELIX, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbHelix);
AcDbHelix::AcDbHelix() = default;
AcDbHelix::~AcDbHelix() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbPolyline, AcDbCurve, 0, 0, 0, LWPOLYLINE, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbPolyline);
AcDbPolyline::~AcDbPolyline() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDb2dPolyline, AcDbCurve, 0, 0, 0, POLYLINE, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDb2dPolyline);
AcDb2dPolyline::AcDb2dPolyline() = default;
AcDb2dPolyline::~AcDb2dPolyline() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDb3dPolyline, AcDbCurve, 0, 0, 0, POLYLINE, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDb3dPolyline);
AcDb3dPolyline::AcDb3dPolyline() = default;
AcDb3dPolyline::~AcDb3dPolyline() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbRay, AcDbCurve, 0, 0, 0, RAY, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbRay);
AcDbRay::AcDbRay() = default;
AcDbRay::~AcDbRay() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbXline, AcDbCurve, 0, 0, 0, XLINE, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbXline);
AcDbXline::AcDbXline() = default;
AcDbXline::~AcDbXline() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbLeader, AcDbCurve, 0, 0, 0, LEADER, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbLeader);
AcDbLeader::AcDbLeader() = default;
AcDbLeader::~AcDbLeader() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbPolyFaceMesh, AcDbEntity, 0, 0, 0, POLYLINE, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbPolyFaceMesh);
AcDbPolyFaceMesh::AcDbPolyFaceMesh() = default;
AcDbPolyFaceMesh::~AcDbPolyFaceMesh() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbPolygonMesh, AcDbEntity, 0, 0, 0, POLYLINE, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbPolygonMesh);
AcDbPolygonMesh::AcDbPolygonMesh() = default;
AcDbPolygonMesh::~AcDbPolygonMesh() = default;

ACRX_NO_CONS_DEFINE_MEMBERS(AcDbVertex, AcDbEntity);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbVertex);
AcDbVertex::AcDbVertex() = default;
AcDbVertex::~AcDbVertex() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDb2dVertex, AcDbVertex, 0, 0, 0, VERTEX, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDb2dVertex);
AcDb2dVertex::AcDb2dVertex() = default;
AcDb2dVertex::~AcDb2dVertex() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDb3dPolylineVertex, AcDbVertex, 0, 0, 0, VERTEX, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDb3dPolylineVertex);
AcDb3dPolylineVertex::AcDb3dPolylineVertex() = default;
AcDb3dPolylineVertex::~AcDb3dPolylineVertex() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbPolyFaceMeshVertex, AcDbVertex, 0, 0, 0, VERTEX, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbPolyFaceMeshVertex);
AcDbPolyFaceMeshVertex::AcDbPolyFaceMeshVertex() = default;
AcDbPolyFaceMeshVertex::~AcDbPolyFaceMeshVertex() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbPolygonMeshVertex, AcDbVertex, 0, 0, 0, VERTEX, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbPolygonMeshVertex);
AcDbPolygonMeshVertex::AcDbPolygonMeshVertex() = default;
AcDbPolygonMeshVertex::~AcDbPolygonMeshVertex() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbFaceRecord, AcDbVertex, 0, 0, 0, VERTEX, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbFaceRecord);
AcDbFaceRecord::AcDbFaceRecord() = default;
AcDbFaceRecord::~AcDbFaceRecord() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbPoint, AcDbEntity, 0, 0, 0, POINT, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbPoint);
AcDbPoint::AcDbPoint() = default;
AcDbPoint::~AcDbPoint() = default;

// What every curve answers until its class knows better: it has no such geometry.
Adesk::Boolean AcDbCurve::isClosed() const { return Adesk::kFalse; }
Adesk::Boolean AcDbCurve::isPeriodic() const { return Adesk::kFalse; }
Acad::ErrorStatus AcDbCurve::getStartParam(double&) const { return Acad::eNotApplicable; }
Acad::ErrorStatus AcDbCurve::getEndParam(double&) const { return Acad::eNotApplicable; }
Acad::ErrorStatus AcDbCurve::getStartPoint(AcGePoint3d&) const { return Acad::eNotApplicable; }
Acad::ErrorStatus AcDbCurve::getEndPoint(AcGePoint3d&) const { return Acad::eNotApplicable; }
Acad::ErrorStatus AcDbCurve::getPointAtParam(double, AcGePoint3d&) const { return Acad::eNotApplicable; }
Acad::ErrorStatus AcDbCurve::getParamAtPoint(const AcGePoint3d&, double&) const { return Acad::eNotApplicable; }
Acad::ErrorStatus AcDbCurve::getDistAtParam(double, double&) const { return Acad::eNotApplicable; }
Acad::ErrorStatus AcDbCurve::getDistAtPoint(const AcGePoint3d&, double&) const { return Acad::eNotApplicable; }
Acad::ErrorStatus AcDbCurve::getFirstDeriv(double, AcGeVector3d&) const { return Acad::eNotApplicable; }
Acad::ErrorStatus AcDbCurve::getSecondDeriv(double, AcGeVector3d&) const { return Acad::eNotApplicable; }
Acad::ErrorStatus AcDbCurve::getArea(double&) const { return Acad::eNotApplicable; }

// Any curve that measures distances: the distance grows with the parameter, so bisection finds it.
// eInvalidInput for a distance outside the curve's length.
Acad::ErrorStatus AcDbCurve::getParamAtDist(double dist, double& param) const {
  double start = 0.0, end = 0.0, total = 0.0;
  Acad::ErrorStatus es = getStartParam(start);
  if (es == Acad::eOk) es = getEndParam(end);
  if (es == Acad::eOk) es = getDistAtParam(end, total);
  if (es != Acad::eOk) return es;
  double slack = 1e-10 * std::fmax(1.0, total);
  if (!std::isfinite(dist) || dist < -slack || dist > total + slack) return Acad::eInvalidInput;
  double lo = start, hi = end;
  for (int i = 0; i < 64 && hi > lo; ++i) {
    double mid = 0.5 * (lo + hi), d = 0.0;
    if (mid <= lo || mid >= hi) break;
    es = getDistAtParam(mid, d);
    if (es != Acad::eOk) return es;
    (d < dist ? lo : hi) = mid;
  }
  param = 0.5 * (lo + hi);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCurve::getPointAtDist(double dist, AcGePoint3d& point) const {
  double param = 0.0;
  Acad::ErrorStatus es = getParamAtDist(dist, param);
  return es == Acad::eOk ? getPointAtParam(param, point) : es;
}
