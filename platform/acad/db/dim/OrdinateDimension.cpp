// Ordinate dimensions: one coordinate of a feature, measured from an origin.
#include <dbdim.h>
#include <dbfiler.h>

#include <cmath>

#include "../text/GroupValues.h"

ACRX_DXF_DEFINE_MEMBERS(AcDbOrdinateDimension, AcDbDimension, 0, 0, 0, DIMENSION, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbOrdinateDimension);

AcDbOrdinateDimension::AcDbOrdinateDimension() = default;
AcDbOrdinateDimension::~AcDbOrdinateDimension() = default;

bool AcDbOrdinateDimension::dxfInKindGroup(const acadsim::DxfGroupView& g) {
  switch (g.code) {
    case 13: case 23: case 33: return acadsim::annotation::takePoint(g, 13, mDefiningPoint);
    case 14: case 24: case 34: return acadsim::annotation::takePoint(g, 14, mLeaderEndPoint);
    default: return false;
  }
}

// The distance shown without sign, as AutoCAD shows ordinates on either side of the origin.
Acad::ErrorStatus AcDbOrdinateDimension::measureFromPoints(double& value) const {
  AcGeVector3d offset = acadsim::annotation::ocsVectorOf(mDefiningPoint - origin(), normal());
  value = std::fabs(isUsingXAxis() ? offset.x : offset.y);
  return Acad::eOk;
}
