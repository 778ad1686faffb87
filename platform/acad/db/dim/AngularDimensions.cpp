// Angular dimensions by two lines or three points, and arc length dimensions.
#include <dbdim.h>
#include <dbfiler.h>

#include "../text/GroupValues.h"
#include "DimensionGeometry.h"

ACRX_DXF_DEFINE_MEMBERS(AcDb2LineAngularDimension, AcDbDimension, 0, 0, 0, DIMENSION, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDb2LineAngularDimension);
ACRX_DXF_DEFINE_MEMBERS(AcDb3PointAngularDimension, AcDbDimension, 0, 0, 0, DIMENSION, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDb3PointAngularDimension);
ACRX_DXF_DEFINE_MEMBERS(AcDbArcDimension, AcDbDimension, 0, 0, 0, ARC_DIMENSION, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbArcDimension);

namespace {

// The centre (15) and the two points (13, 14) that three-point angular and arc dimensions share.
bool readCenterAndPoints(const acadsim::DxfGroupView& g, AcGePoint3d& center, AcGePoint3d& xLine1,
                         AcGePoint3d& xLine2) {
  switch (g.code) {
    case 13: case 23: case 33: return acadsim::annotation::takePoint(g, 13, xLine1);
    case 14: case 24: case 34: return acadsim::annotation::takePoint(g, 14, xLine2);
    case 15: case 25: case 35: return acadsim::annotation::takePoint(g, 15, center);
    default: return false;
  }
}

}  // namespace

AcDb2LineAngularDimension::AcDb2LineAngularDimension() = default;
AcDb2LineAngularDimension::~AcDb2LineAngularDimension() = default;

AcGePoint3d AcDb2LineAngularDimension::arcPoint() const { return acadsim::annotation::ocsToWcs(mArcPointOcs, normal()); }

bool AcDb2LineAngularDimension::dxfInKindGroup(const acadsim::DxfGroupView& g) {
  switch (g.code) {
    case 13: case 23: case 33: return acadsim::annotation::takePoint(g, 13, mXLine1Start);
    case 14: case 24: case 34: return acadsim::annotation::takePoint(g, 14, mXLine1End);
    case 15: case 25: case 35: return acadsim::annotation::takePoint(g, 15, mXLine2Start);
    case 16: case 26: case 36: return acadsim::annotation::takePoint(g, 16, mArcPointOcs);
    default: return false;
  }
}

Acad::ErrorStatus AcDb2LineAngularDimension::measureFromPoints(double& value) const {
  return acadsim::annotation::angleBetweenLines(mXLine1Start, mXLine1End, mXLine2Start, xLine2End(), arcPoint(), normal(), value);
}

AcDb3PointAngularDimension::AcDb3PointAngularDimension() = default;
AcDb3PointAngularDimension::~AcDb3PointAngularDimension() = default;

bool AcDb3PointAngularDimension::dxfInKindGroup(const acadsim::DxfGroupView& g) {
  return readCenterAndPoints(g, mCenter, mXLine1, mXLine2);
}

Acad::ErrorStatus AcDb3PointAngularDimension::measureFromPoints(double& value) const {
  return acadsim::annotation::angleOnSideOf(mCenter, mXLine1, mXLine2, arcPoint(), normal(), value);
}

AcDbArcDimension::AcDbArcDimension() = default;
AcDbArcDimension::~AcDbArcDimension() = default;

bool AcDbArcDimension::dxfInKindGroup(const acadsim::DxfGroupView& g) {
  if (readCenterAndPoints(g, mCenter, mXLine1, mXLine2)) return true;
  // The arc's parameters, partial and leader flags and leader points: the points give the measurement.
  switch (g.code) {
    case 16: case 26: case 36: case 17: case 27: case 37: case 40: case 41: case 70: case 71: return true;
    default: return false;
  }
}

Acad::ErrorStatus AcDbArcDimension::measureFromPoints(double& value) const {
  double sweep = 0.0;
  Acad::ErrorStatus es = acadsim::annotation::angleOnSideOf(mCenter, mXLine1, mXLine2, arcPoint(), normal(), sweep);
  if (es == Acad::eOk) value = sweep * mCenter.distanceTo(mXLine1);
  return es;
}
