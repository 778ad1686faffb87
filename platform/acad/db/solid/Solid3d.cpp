// AcDb3dSolid: primitives, transforms and mass properties.
#include <dbsol3d.h>

#include <cmath>
#include <initializer_list>
#include <utility>
#include <vector>

#include "SolidBody.h"

namespace {

// eInvalidInput for a size that is not a number, eDegenerateGeometry for one that makes no body.
Acad::ErrorStatus checkSizes(std::initializer_list<double> sizes) {
  for (double size : sizes)
    if (!std::isfinite(size)) return Acad::eInvalidInput;
  for (double size : sizes)
    if (!(size > 0.0)) return Acad::eDegenerateGeometry;
  return Acad::eOk;
}

// Faces given by corner indices, each loop counter-clockwise seen from outside.
acadsim::SolidBody polyhedronOf(const std::vector<AcGePoint3d>& corners, std::initializer_list<std::initializer_list<int>> faces) {
  std::vector<acadsim::PolyhedronFace> out;
  for (const auto& face : faces) {
    std::vector<AcGePoint3d> loop;
    for (int index : face) loop.push_back(corners[static_cast<size_t>(index)]);
    out.push_back(acadsim::PolyhedronFace{{std::move(loop)}});
  }
  return acadsim::SolidBody::polyhedron(std::move(out));
}

}  // namespace

Acad::ErrorStatus AcDb3dSolid::setBody(acadsim::SolidBody body) {
  if (!objectId().isNull() && !isWriteEnabled()) return Acad::eNotOpenForWrite;
  mBody = std::make_unique<acadsim::SolidBody>(std::move(body));
  mUninterpreted = Acad::eOk;
  return Acad::eOk;
}

Acad::ErrorStatus AcDb3dSolid::createBox(double xLen, double yLen, double zLen) {
  if (Acad::ErrorStatus es = checkSizes({xLen, yLen, zLen}); es != Acad::eOk) return es;
  double x = xLen / 2.0, y = yLen / 2.0, z = zLen / 2.0;
  std::vector<AcGePoint3d> c = {{-x, -y, -z}, {x, -y, -z}, {x, y, -z}, {-x, y, -z},
                                {-x, -y, z},  {x, -y, z},  {x, y, z},  {-x, y, z}};
  return setBody(polyhedronOf(c, {{0, 3, 2, 1}, {4, 5, 6, 7}, {0, 1, 5, 4}, {1, 2, 6, 5}, {2, 3, 7, 6}, {3, 0, 4, 7}}));
}

// The sloped face falls from the top edge at -x to the bottom edge at +x, as AutoCAD's WEDGE makes it.
Acad::ErrorStatus AcDb3dSolid::createWedge(double xLen, double yLen, double zLen) {
  if (Acad::ErrorStatus es = checkSizes({xLen, yLen, zLen}); es != Acad::eOk) return es;
  double x = xLen / 2.0, y = yLen / 2.0, z = zLen / 2.0;
  std::vector<AcGePoint3d> c = {{-x, -y, -z}, {x, -y, -z}, {x, y, -z}, {-x, y, -z}, {-x, -y, z}, {-x, y, z}};
  return setBody(polyhedronOf(c, {{0, 3, 2, 1}, {0, 4, 5, 3}, {0, 1, 4}, {3, 5, 2}, {1, 2, 5, 4}}));
}

Acad::ErrorStatus AcDb3dSolid::createFrustum(double height, double xRadius, double yRadius, double topXRadius) {
  if (Acad::ErrorStatus es = checkSizes({height, xRadius, yRadius}); es != Acad::eOk) return es;
  if (!std::isfinite(topXRadius)) return Acad::eInvalidInput;
  if (topXRadius < 0.0) return Acad::eDegenerateGeometry;
  return setBody(acadsim::SolidBody::frustum(height, xRadius, topXRadius, yRadius / xRadius, AcGeMatrix3d::kIdentity));
}

Acad::ErrorStatus AcDb3dSolid::createSphere(double radius) {
  if (Acad::ErrorStatus es = checkSizes({radius}); es != Acad::eOk) return es;
  return setBody(acadsim::SolidBody::sphere(radius, AcGeMatrix3d::kIdentity));
}

// A tube radius not below the ring radius would make a spindle torus that overlaps itself: refused.
Acad::ErrorStatus AcDb3dSolid::createTorus(double majorRadius, double minorRadius) {
  if (Acad::ErrorStatus es = checkSizes({majorRadius, minorRadius}); es != Acad::eOk) return es;
  if (minorRadius >= majorRadius) return Acad::eDegenerateGeometry;
  return setBody(acadsim::SolidBody::torus(majorRadius, minorRadius, AcGeMatrix3d::kIdentity));
}

// A body read from a drawing that the host cannot interpret cannot be moved either (eNotImplementedYet).
Acad::ErrorStatus AcDb3dSolid::transformBy(const AcGeMatrix3d& xform) {
  if (!objectId().isNull() && !isWriteEnabled()) return Acad::eNotOpenForWrite;
  if (mUninterpreted != Acad::eOk) return Acad::eNotImplementedYet;
  if (!mBody) return Acad::eOk;
  acadsim::SolidBody moved = *mBody;
  Acad::ErrorStatus es = moved.transformBy(xform);
  if (es == Acad::eOk) *mBody = std::move(moved);
  return es;
}

Acad::ErrorStatus AcDb3dSolid::getMassProp(double& volume, AcGePoint3d& centroid, double momInertia[3],
                                           double prodInertia[3], double prinMoments[3], AcGeVector3d prinAxes[3],
                                           double radiiGyration[3], AcDbExtents& extents) const {
  if (!mBody) return mUninterpreted != Acad::eOk ? mUninterpreted : Acad::eDegenerateGeometry;
  Acad::ErrorStatus es = acadsim::reportMassProperties(mBody->moments(), volume, centroid, momInertia, prodInertia,
                                                       prinMoments, prinAxes, radiiGyration);
  if (es == Acad::eOk) extents = mBody->extents();
  return es;
}

Acad::ErrorStatus AcDb3dSolid::getArea(double& area) const {
  if (!mBody) return mUninterpreted != Acad::eOk ? mUninterpreted : Acad::eDegenerateGeometry;
  double value = mBody->surfaceArea();
  if (!std::isfinite(value)) return Acad::eGeneralModelingFailure;
  if (!(value > 0.0)) return Acad::eDegenerateGeometry;
  area = value;
  return Acad::eOk;
}

Adesk::Boolean AcDb3dSolid::isNull() const { return !mBody && mUninterpreted == Acad::eOk; }
