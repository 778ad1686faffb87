// AcDbPoint: a point in world coordinates, with the thickness and normal it is drawn with.
#include <cmath>

#include <dbcurve.h>
#include <dbfiler.h>

#include "CurveGeometry.h"

using acadsim::curves::isFinite;

AcDbPoint::AcDbPoint(const AcGePoint3d& position) : mPosition(isFinite(position) ? position : AcGePoint3d::kOrigin) {}

AcGePoint3d AcDbPoint::position() const { return mPosition; }
double AcDbPoint::thickness() const { return mThickness; }
AcGeVector3d AcDbPoint::normal() const { return mNormal; }
double AcDbPoint::ecsRotation() const { return mEcsRotation; }

Acad::ErrorStatus AcDbPoint::setPosition(const AcGePoint3d& position) {
  if (!isFinite(position)) return Acad::eInvalidInput;
  mPosition = position;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPoint::setThickness(double thickness) {
  if (!isFinite(thickness)) return Acad::eInvalidInput;
  mThickness = thickness;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPoint::setNormal(const AcGeVector3d& normal) {
  if (!isFinite(normal) || normal.isZeroLength()) return Acad::eInvalidInput;
  mNormal = normal.normal();
  return Acad::eOk;
}

// The plane through the point square to its normal.
Acad::ErrorStatus AcDbPoint::getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const {
  plane = AcGePlane(mPosition, mNormal);
  planarity = AcDb::kPlanar;
  return Acad::eOk;
}

// Position 10 in world coordinates; the angle of the X axis (50) in degrees.
Acad::ErrorStatus AcDbPoint::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbEntity::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  acadsim::DxfGroupView g;
  while (filer->readGroup(g)) {
    if (g.code == 10) mPosition = acadsim::curves::finitePoint(g.point);
    else if (g.code == 39) mThickness = acadsim::curves::finiteValue(g.real);
    else if (g.code == 210) mNormal = acadsim::curves::unitNormalOrZ(acadsim::curves::finiteVector(g.point));
    else if (g.code == 50) mEcsRotation = acadsim::curves::finiteValue(g.real) * M_PI / 180.0;
  }
  return filer->filerStatus();
}
