// Aligned and rotated dimensions: the distance between two extension line origins.
#include <dbdim.h>
#include <dbfiler.h>

#include <cmath>

#include "../text/GroupValues.h"

ACRX_DXF_DEFINE_MEMBERS(AcDbAlignedDimension, AcDbDimension, 0, 0, 0, DIMENSION, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbAlignedDimension);
ACRX_DXF_DEFINE_MEMBERS(AcDbRotatedDimension, AcDbDimension, 0, 0, 0, DIMENSION, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbRotatedDimension);

bool acadsim::ExtensionLinePoints::read(const DxfGroupView& g) {
  using namespace acadsim::annotation;
  switch (g.code) {
    case 13: case 23: case 33: return takePoint(g, 13, xLine1);
    case 14: case 24: case 34: return takePoint(g, 14, xLine2);
    case 52: return takeDegrees(g, oblique);
    default: return false;
  }
}

AcDbAlignedDimension::AcDbAlignedDimension() = default;
AcDbAlignedDimension::~AcDbAlignedDimension() = default;

bool AcDbAlignedDimension::dxfInKindGroup(const acadsim::DxfGroupView& g) { return mPoints.read(g); }

// The distance in the dimension's plane, which is what the dimension line shows.
Acad::ErrorStatus AcDbAlignedDimension::measureFromPoints(double& value) const {
  AcGeVector3d span = acadsim::annotation::ocsVectorOf(mPoints.xLine2 - mPoints.xLine1, normal());
  value = std::hypot(span.x, span.y);
  return Acad::eOk;
}

AcDbRotatedDimension::AcDbRotatedDimension() = default;
AcDbRotatedDimension::~AcDbRotatedDimension() = default;

bool AcDbRotatedDimension::dxfInKindGroup(const acadsim::DxfGroupView& g) {
  if (g.code == 50) return acadsim::annotation::takeDegrees(g, mRotation);
  return mPoints.read(g);
}

Acad::ErrorStatus AcDbRotatedDimension::measureFromPoints(double& value) const {
  AcGeVector3d span = acadsim::annotation::ocsVectorOf(mPoints.xLine2 - mPoints.xLine1, normal());
  value = std::fabs(span.x * std::cos(mRotation) + span.y * std::sin(mRotation));
  return Acad::eOk;
}
