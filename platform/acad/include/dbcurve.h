// The host's curve classes, their vertices and the point.
#pragma once
#include "dbmain.h"
#include "gearrays.h"
#include "gemat3d.h"
#include "geplane.h"

#include <memory>
#include <vector>

namespace acadsim {
class NurbsEvaluator;
}  // namespace acadsim

class AcDbCurve : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbCurve);
  ~AcDbCurve() override;

  // Parameters run from getStartParam to getEndParam; distances are arc lengths from the start.
  virtual Adesk::Boolean isClosed() const;
  virtual Adesk::Boolean isPeriodic() const;
  virtual Acad::ErrorStatus getStartParam(double& param) const;
  virtual Acad::ErrorStatus getEndParam(double& param) const;
  virtual Acad::ErrorStatus getStartPoint(AcGePoint3d& point) const;
  virtual Acad::ErrorStatus getEndPoint(AcGePoint3d& point) const;
  virtual Acad::ErrorStatus getPointAtParam(double param, AcGePoint3d& point) const;
  virtual Acad::ErrorStatus getParamAtPoint(const AcGePoint3d& point, double& param) const;
  virtual Acad::ErrorStatus getDistAtParam(double param, double& dist) const;
  virtual Acad::ErrorStatus getParamAtDist(double dist, double& param) const;
  virtual Acad::ErrorStatus getDistAtPoint(const AcGePoint3d& point, double& dist) const;
  virtual Acad::ErrorStatus getPointAtDist(double dist, AcGePoint3d& point) const;
  virtual Acad::ErrorStatus getFirstDeriv(double param, AcGeVector3d& firstDeriv) const;
  virtual Acad::ErrorStatus getSecondDeriv(double param, AcGeVector3d& secDeriv) const;
  // The area enclosed by the curve in its plane; an open curve counts as closed by the chord between its ends.
  virtual Acad::ErrorStatus getArea(double& area) const;

 protected:
  AcDbCurve();
};

// DXF "LINE"
class AcDbLine : public AcDbCurve {
 public:
  ACRX_DECLARE_MEMBERS(AcDbLine);
  AcDbLine();
  AcDbLine(const AcGePoint3d& start, const AcGePoint3d& end);
  ~AcDbLine() override;

  AcGePoint3d startPoint() const;
  Acad::ErrorStatus setStartPoint(const AcGePoint3d& point);
  AcGePoint3d endPoint() const;
  Acad::ErrorStatus setEndPoint(const AcGePoint3d& point);
  double thickness() const;
  Acad::ErrorStatus setThickness(double thickness);
  AcGeVector3d normal() const;
  Acad::ErrorStatus setNormal(const AcGeVector3d& normal);

  Adesk::Boolean isClosed() const override;
  Acad::ErrorStatus getStartParam(double& param) const override;
  Acad::ErrorStatus getEndParam(double& param) const override;
  Acad::ErrorStatus getStartPoint(AcGePoint3d& point) const override;
  Acad::ErrorStatus getEndPoint(AcGePoint3d& point) const override;
  Acad::ErrorStatus getPointAtParam(double param, AcGePoint3d& point) const override;
  Acad::ErrorStatus getDistAtParam(double param, double& dist) const override;
  Acad::ErrorStatus getFirstDeriv(double param, AcGeVector3d& firstDeriv) const override;
  Acad::ErrorStatus getArea(double& area) const override;
  Acad::ErrorStatus getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

 private:
  AcGePoint3d mStart, mEnd;
  double mThickness = 0.0;
  AcGeVector3d mNormal = AcGeVector3d::kZAxis;
};

// DXF "CIRCLE"
class AcDbCircle : public AcDbCurve {
 public:
  ACRX_DECLARE_MEMBERS(AcDbCircle);
  AcDbCircle();
  AcDbCircle(const AcGePoint3d& center, const AcGeVector3d& normal, double radius);
  ~AcDbCircle() override;

  AcGePoint3d center() const;
  Acad::ErrorStatus setCenter(const AcGePoint3d& center);
  double radius() const;
  Acad::ErrorStatus setRadius(double radius);
  double thickness() const;
  Acad::ErrorStatus setThickness(double thickness);
  AcGeVector3d normal() const;
  Acad::ErrorStatus setNormal(const AcGeVector3d& normal);

  Adesk::Boolean isClosed() const override;
  Acad::ErrorStatus getStartParam(double& param) const override;
  Acad::ErrorStatus getEndParam(double& param) const override;
  Acad::ErrorStatus getStartPoint(AcGePoint3d& point) const override;
  Acad::ErrorStatus getEndPoint(AcGePoint3d& point) const override;
  Acad::ErrorStatus getPointAtParam(double param, AcGePoint3d& point) const override;
  Acad::ErrorStatus getDistAtParam(double param, double& dist) const override;
  Acad::ErrorStatus getFirstDeriv(double param, AcGeVector3d& firstDeriv) const override;
  Acad::ErrorStatus getArea(double& area) const override;
  Acad::ErrorStatus getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

 private:
  AcGePoint3d mCenter;
  AcGeVector3d mNormal = AcGeVector3d::kZAxis;
  double mRadius = 0.0;
  double mThickness = 0.0;
};

// DXF "ARC"
class AcDbArc : public AcDbCurve {
 public:
  ACRX_DECLARE_MEMBERS(AcDbArc);
  AcDbArc();
  // Angles in radians in the arc's plane, counter-clockwise about the normal from the plane's X axis.
  AcDbArc(const AcGePoint3d& center, double radius, double startAngle, double endAngle);
  AcDbArc(const AcGePoint3d& center, const AcGeVector3d& normal, double radius, double startAngle, double endAngle);
  ~AcDbArc() override;

  AcGePoint3d center() const;
  Acad::ErrorStatus setCenter(const AcGePoint3d& center);
  double radius() const;
  Acad::ErrorStatus setRadius(double radius);
  double startAngle() const;
  Acad::ErrorStatus setStartAngle(double angle);
  double endAngle() const;
  Acad::ErrorStatus setEndAngle(double angle);
  double thickness() const;
  Acad::ErrorStatus setThickness(double thickness);
  AcGeVector3d normal() const;
  Acad::ErrorStatus setNormal(const AcGeVector3d& normal);

  Adesk::Boolean isClosed() const override;
  Acad::ErrorStatus getStartParam(double& param) const override;
  Acad::ErrorStatus getEndParam(double& param) const override;
  Acad::ErrorStatus getStartPoint(AcGePoint3d& point) const override;
  Acad::ErrorStatus getEndPoint(AcGePoint3d& point) const override;
  Acad::ErrorStatus getPointAtParam(double param, AcGePoint3d& point) const override;
  Acad::ErrorStatus getDistAtParam(double param, double& dist) const override;
  Acad::ErrorStatus getFirstDeriv(double param, AcGeVector3d& firstDeriv) const override;
  Acad::ErrorStatus getArea(double& area) const override;
  Acad::ErrorStatus getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

 private:
  // The sweep from the start angle, in (0, 2 pi].
  double sweep() const;

  AcGePoint3d mCenter;
  AcGeVector3d mNormal = AcGeVector3d::kZAxis;
  double mRadius = 0.0;
  double mStartAngle = 0.0;
  double mEndAngle = 0.0;
  double mThickness = 0.0;
};

// DXF "ELLIPSE"
class AcDbEllipse : public AcDbCurve {
 public:
  ACRX_DECLARE_MEMBERS(AcDbEllipse);
  AcDbEllipse();
  // majorAxis: from the centre to the end of the major axis; radiusRatio: minor over major radius, in (0, 1];
  // startAngle/endAngle: true angles from the major axis, as ObjectARX takes them (not the curve's parameters,
  // which DXF stores in groups 41/42).
  AcDbEllipse(const AcGePoint3d& center, const AcGeVector3d& unitNormal, const AcGeVector3d& majorAxis,
              double radiusRatio, double startAngle = 0.0, double endAngle = 6.28318530717958647692);
  ~AcDbEllipse() override;

  AcGePoint3d center() const;
  AcGeVector3d normal() const;
  AcGeVector3d majorAxis() const;
  AcGeVector3d minorAxis() const;
  double radiusRatio() const;
  double startAngle() const;
  double endAngle() const;
  Acad::ErrorStatus set(const AcGePoint3d& center, const AcGeVector3d& unitNormal, const AcGeVector3d& majorAxis,
                        double radiusRatio, double startAngle = 0.0, double endAngle = 6.28318530717958647692);
  Adesk::Boolean isNull() const;
  // The eccentric-anomaly parameters of the ends (DXF groups 41 and 42), end above start.
  double startParam() const { return mStartParam; }
  double endParam() const { return mEndParam; }

  Adesk::Boolean isClosed() const override;
  Acad::ErrorStatus getStartParam(double& param) const override;
  Acad::ErrorStatus getEndParam(double& param) const override;
  Acad::ErrorStatus getStartPoint(AcGePoint3d& point) const override;
  Acad::ErrorStatus getEndPoint(AcGePoint3d& point) const override;
  Acad::ErrorStatus getPointAtParam(double param, AcGePoint3d& point) const override;
  Acad::ErrorStatus getDistAtParam(double param, double& dist) const override;
  Acad::ErrorStatus getFirstDeriv(double param, AcGeVector3d& firstDeriv) const override;
  Acad::ErrorStatus getArea(double& area) const override;
  Acad::ErrorStatus getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

 private:
  AcGePoint3d pointAt(double param) const;
  AcGeVector3d derivAt(double param) const;

  AcGePoint3d mCenter;
  AcGeVector3d mNormal = AcGeVector3d::kZAxis;
  AcGeVector3d mMajorAxis;  // zero until set: a null ellipse
  double mRadiusRatio = 1.0;
  double mStartParam = 0.0;
  double mEndParam = 6.28318530717958647692;
};

// DXF "SPLINE"
class AcDbSpline : public AcDbCurve {
 public:
  ACRX_DECLARE_MEMBERS(AcDbSpline);
  AcDbSpline();
  // A NURBS curve; weights are ignored unless rational; knots as AutoCAD stores them (numControlPoints +
  // degree + 1 of them).
  AcDbSpline(int degree, Adesk::Boolean rational, Adesk::Boolean closed, Adesk::Boolean periodic,
             const AcGePoint3dArray& controlPoints, const AcGeDoubleArray& knots, const AcGeDoubleArray& weights,
             double controlPtTol = 0.0, double knotTol = 0.0);
  ~AcDbSpline() override;

  int degree() const;
  Adesk::Boolean isRational() const;
  int numControlPoints() const;
  Acad::ErrorStatus getControlPointAt(int index, AcGePoint3d& point) const;
  int numFitPoints() const;
  Acad::ErrorStatus getFitPointAt(int index, AcGePoint3d& point) const;
  Acad::ErrorStatus getNurbsData(int& degree, Adesk::Boolean& rational, Adesk::Boolean& closed,
                                 Adesk::Boolean& periodic, AcGePoint3dArray& controlPoints, AcGeDoubleArray& knots,
                                 AcGeDoubleArray& weights, double& controlPtTol, double& knotTol) const;
  Acad::ErrorStatus setNurbsData(int degree, Adesk::Boolean rational, Adesk::Boolean closed, Adesk::Boolean periodic,
                                 const AcGePoint3dArray& controlPoints, const AcGeDoubleArray& knots,
                                 const AcGeDoubleArray& weights, double controlPtTol = 0.0, double knotTol = 0.0);
  Adesk::Boolean isNull() const;
  // The plane normal the file gave (group 210), zero when none.
  AcGeVector3d normal() const { return mNormal; }

  Adesk::Boolean isClosed() const override;
  Adesk::Boolean isPeriodic() const override;
  Acad::ErrorStatus getStartParam(double& param) const override;
  Acad::ErrorStatus getEndParam(double& param) const override;
  Acad::ErrorStatus getStartPoint(AcGePoint3d& point) const override;
  Acad::ErrorStatus getEndPoint(AcGePoint3d& point) const override;
  Acad::ErrorStatus getPointAtParam(double param, AcGePoint3d& point) const override;
  Acad::ErrorStatus getDistAtParam(double param, double& dist) const override;
  Acad::ErrorStatus getFirstDeriv(double param, AcGeVector3d& firstDeriv) const override;
  Acad::ErrorStatus getArea(double& area) const override;
  Acad::ErrorStatus getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

 private:
  void rebuild();

  int mDegree = 3;
  Adesk::Boolean mRational = Adesk::kFalse;
  Adesk::Boolean mClosed = Adesk::kFalse;
  Adesk::Boolean mPeriodic = Adesk::kFalse;
  AcGePoint3dArray mControlPoints;
  AcGePoint3dArray mFitPoints;
  AcGeDoubleArray mKnots;
  AcGeDoubleArray mWeights;
  double mControlPtTol = 0.0;
  double mKnotTol = 0.0;
  AcGeVector3d mNormal;
  std::shared_ptr<const acadsim::NurbsEvaluator> mEvaluator;
};

// DXF "HELIX"
class AcDbHelix : public AcDbSpline {
 public:
  ACRX_DECLARE_MEMBERS(AcDbHelix);
  AcDbHelix();
  ~AcDbHelix() override;
};

// DXF "LWPOLYLINE"
class AcDbPolyline : public AcDbCurve {
 public:
  ACRX_DECLARE_MEMBERS(AcDbPolyline);
  explicit AcDbPolyline(unsigned int num = 0);
  ~AcDbPolyline() override;

  unsigned int numVerts() const;
  // Widths below 0 take the polyline's constant width (0 for a new polyline).
  Acad::ErrorStatus addVertexAt(unsigned int index, const AcGePoint2d& point, double bulge = 0.0,
                                double startWidth = -1.0, double endWidth = -1.0);
  Acad::ErrorStatus removeVertexAt(unsigned int index);
  Acad::ErrorStatus getPointAt(unsigned int index, AcGePoint2d& point) const;
  // The vertex in world coordinates (elevation and normal applied).
  Acad::ErrorStatus getPointAt(unsigned int index, AcGePoint3d& point) const;
  Acad::ErrorStatus getBulgeAt(unsigned int index, double& bulge) const;
  Acad::ErrorStatus setBulgeAt(unsigned int index, double bulge);
  Acad::ErrorStatus getWidthsAt(unsigned int index, double& startWidth, double& endWidth) const;
  Acad::ErrorStatus setWidthsAt(unsigned int index, double startWidth, double endWidth);
  // eOk with the width when every segment has the same start and end width, an error status otherwise.
  Acad::ErrorStatus getConstantWidth(double& width) const;
  Acad::ErrorStatus setConstantWidth(double width);
  void setClosed(Adesk::Boolean closed);
  Adesk::Boolean isOnlyLines() const;
  double elevation() const;
  void setElevation(double elevation);
  double thickness() const;
  Acad::ErrorStatus setThickness(double thickness);
  AcGeVector3d normal() const;
  Acad::ErrorStatus setNormal(const AcGeVector3d& normal);

  Adesk::Boolean isClosed() const override;
  Acad::ErrorStatus getStartParam(double& param) const override;
  Acad::ErrorStatus getEndParam(double& param) const override;
  Acad::ErrorStatus getStartPoint(AcGePoint3d& point) const override;
  Acad::ErrorStatus getEndPoint(AcGePoint3d& point) const override;
  Acad::ErrorStatus getPointAtParam(double param, AcGePoint3d& point) const override;
  Acad::ErrorStatus getDistAtParam(double param, double& dist) const override;
  Acad::ErrorStatus getFirstDeriv(double param, AcGeVector3d& firstDeriv) const override;
  Acad::ErrorStatus getArea(double& area) const override;
  Acad::ErrorStatus getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

 private:
  struct Vertex {
    AcGePoint2d point;
    double bulge, startWidth, endWidth;
  };
  class BulgePathView;
  bool validIndex(unsigned int index) const { return index < mVertices.size(); }

  std::vector<Vertex> mVertices;
  bool mClosed = false;
  double mConstantWidth = 0.0;
  double mElevation = 0.0;
  double mThickness = 0.0;
  AcGeVector3d mNormal = AcGeVector3d::kZAxis;
};

// DXF "POLYLINE"
class AcDb2dPolyline : public AcDbCurve {
 public:
  ACRX_DECLARE_MEMBERS(AcDb2dPolyline);
  AcDb2dPolyline();
  ~AcDb2dPolyline() override;

  // The vertices that follow the polyline; the caller deletes the iterator.
  AcDbObjectIterator* vertexIterator() const;
  AcDb::Poly2dType polyType() const;
  double elevation() const;
  double thickness() const;
  AcGeVector3d normal() const;
  double defaultStartWidth() const;
  double defaultEndWidth() const;
  Acad::ErrorStatus makeClosed();
  Acad::ErrorStatus makeOpen();

  Adesk::Boolean isClosed() const override;
  Acad::ErrorStatus getStartParam(double& param) const override;
  Acad::ErrorStatus getEndParam(double& param) const override;
  Acad::ErrorStatus getStartPoint(AcGePoint3d& point) const override;
  Acad::ErrorStatus getEndPoint(AcGePoint3d& point) const override;
  Acad::ErrorStatus getPointAtParam(double param, AcGePoint3d& point) const override;
  Acad::ErrorStatus getDistAtParam(double param, double& dist) const override;
  Acad::ErrorStatus getFirstDeriv(double param, AcGeVector3d& firstDeriv) const override;
  Acad::ErrorStatus getArea(double& area) const override;
  Acad::ErrorStatus getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

 private:
  class BulgePathView;

  Adesk::Int16 mFlags = 0;
  Adesk::Int16 mCurveType = 0;
  double mElevation = 0.0;
  double mThickness = 0.0;
  double mDefaultStartWidth = 0.0;
  double mDefaultEndWidth = 0.0;
  AcGeVector3d mNormal = AcGeVector3d::kZAxis;
};

// DXF "POLYLINE"
class AcDb3dPolyline : public AcDbCurve {
 public:
  ACRX_DECLARE_MEMBERS(AcDb3dPolyline);
  AcDb3dPolyline();
  ~AcDb3dPolyline() override;

  // The vertices that follow the polyline; the caller deletes the iterator.
  AcDbObjectIterator* vertexIterator() const;
  AcDb::Poly3dType polyType() const;
  Acad::ErrorStatus makeClosed();
  Acad::ErrorStatus makeOpen();

  Adesk::Boolean isClosed() const override;
  Acad::ErrorStatus getStartParam(double& param) const override;
  Acad::ErrorStatus getEndParam(double& param) const override;
  Acad::ErrorStatus getStartPoint(AcGePoint3d& point) const override;
  Acad::ErrorStatus getEndPoint(AcGePoint3d& point) const override;
  Acad::ErrorStatus getPointAtParam(double param, AcGePoint3d& point) const override;
  Acad::ErrorStatus getDistAtParam(double param, double& dist) const override;
  Acad::ErrorStatus getFirstDeriv(double param, AcGeVector3d& firstDeriv) const override;
  Acad::ErrorStatus getArea(double& area) const override;
  Acad::ErrorStatus getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

 private:
  std::vector<AcGePoint3d> curvePoints() const;

  Adesk::Int16 mFlags = 0;
  Adesk::Int16 mCurveType = 0;
};

// DXF "RAY"
class AcDbRay : public AcDbCurve {
 public:
  ACRX_DECLARE_MEMBERS(AcDbRay);
  AcDbRay();
  ~AcDbRay() override;

  AcGePoint3d basePoint() const;
  void setBasePoint(const AcGePoint3d& point);
  AcGeVector3d unitDir() const;
  void setUnitDir(const AcGeVector3d& direction);

  // Infinite one way: no end, no length to it and no area, as every curve answers by default.
  Acad::ErrorStatus getStartParam(double& param) const override;
  Acad::ErrorStatus getStartPoint(AcGePoint3d& point) const override;
  Acad::ErrorStatus getPointAtParam(double param, AcGePoint3d& point) const override;
  Acad::ErrorStatus getDistAtParam(double param, double& dist) const override;
  Acad::ErrorStatus getFirstDeriv(double param, AcGeVector3d& firstDeriv) const override;
  Acad::ErrorStatus getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

 private:
  AcGePoint3d mBase;
  AcGeVector3d mDir = AcGeVector3d::kXAxis;
};

// DXF "XLINE"
class AcDbXline : public AcDbCurve {
 public:
  ACRX_DECLARE_MEMBERS(AcDbXline);
  AcDbXline();
  ~AcDbXline() override;

  AcGePoint3d basePoint() const;
  void setBasePoint(const AcGePoint3d& point);
  AcGeVector3d unitDir() const;
  void setUnitDir(const AcGeVector3d& direction);

  // Infinite both ways: no ends, no distances and no area, as every curve answers by default.
  Acad::ErrorStatus getPointAtParam(double param, AcGePoint3d& point) const override;
  Acad::ErrorStatus getFirstDeriv(double param, AcGeVector3d& firstDeriv) const override;
  Acad::ErrorStatus getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

 private:
  AcGePoint3d mBase;
  AcGeVector3d mDir = AcGeVector3d::kXAxis;
};

// DXF "LEADER"
class AcDbLeader : public AcDbCurve {
 public:
  ACRX_DECLARE_MEMBERS(AcDbLeader);
  AcDbLeader();
  ~AcDbLeader() override;
};

// DXF "POLYLINE"
class AcDbPolyFaceMesh : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbPolyFaceMesh);
  AcDbPolyFaceMesh();
  ~AcDbPolyFaceMesh() override;
};

// DXF "POLYLINE"
class AcDbPolygonMesh : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbPolygonMesh);
  AcDbPolygonMesh();
  ~AcDbPolygonMesh() override;
};

class AcDbVertex : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbVertex);
  ~AcDbVertex() override;

 protected:
  AcDbVertex();
};

// DXF "VERTEX"
class AcDb2dVertex : public AcDbVertex {
 public:
  ACRX_DECLARE_MEMBERS(AcDb2dVertex);
  AcDb2dVertex();
  ~AcDb2dVertex() override;

  // In the polyline's object coordinate system, z the polyline's elevation.
  AcGePoint3d position() const;
  double bulge() const;
  double startWidth() const;
  double endWidth() const;
  AcDb::Vertex2dType vertexType() const;
  // The curve-fit tangent direction (DXF group 50), in radians.
  double tangent() const { return mTangent; }
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

 private:
  AcGePoint3d mPosition;
  double mBulge = 0.0;
  double mStartWidth = 0.0;
  double mEndWidth = 0.0;
  double mTangent = 0.0;
  Adesk::Int16 mFlags = 0;
};

// DXF "VERTEX"
class AcDb3dPolylineVertex : public AcDbVertex {
 public:
  ACRX_DECLARE_MEMBERS(AcDb3dPolylineVertex);
  AcDb3dPolylineVertex();
  ~AcDb3dPolylineVertex() override;

  AcGePoint3d position() const;
  AcDb::Vertex3dType vertexType() const;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

 private:
  AcGePoint3d mPosition;
  Adesk::Int16 mFlags = 0;
};

// DXF "VERTEX"
class AcDbPolyFaceMeshVertex : public AcDbVertex {
 public:
  ACRX_DECLARE_MEMBERS(AcDbPolyFaceMeshVertex);
  AcDbPolyFaceMeshVertex();
  ~AcDbPolyFaceMeshVertex() override;
};

// DXF "VERTEX"
class AcDbPolygonMeshVertex : public AcDbVertex {
 public:
  ACRX_DECLARE_MEMBERS(AcDbPolygonMeshVertex);
  AcDbPolygonMeshVertex();
  ~AcDbPolygonMeshVertex() override;
};

// DXF "VERTEX"
class AcDbFaceRecord : public AcDbVertex {
 public:
  ACRX_DECLARE_MEMBERS(AcDbFaceRecord);
  AcDbFaceRecord();
  ~AcDbFaceRecord() override;
};

// DXF "POINT"
class AcDbPoint : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbPoint);
  AcDbPoint();
  explicit AcDbPoint(const AcGePoint3d& position);
  ~AcDbPoint() override;

  AcGePoint3d position() const;
  Acad::ErrorStatus setPosition(const AcGePoint3d& position);
  double thickness() const;
  Acad::ErrorStatus setThickness(double thickness);
  AcGeVector3d normal() const;
  Acad::ErrorStatus setNormal(const AcGeVector3d& normal);
  double ecsRotation() const;
  Acad::ErrorStatus getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

 private:
  AcGePoint3d mPosition;
  double mThickness = 0.0;
  AcGeVector3d mNormal = AcGeVector3d::kZAxis;
  double mEcsRotation = 0.0;
};
