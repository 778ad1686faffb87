// Radial, diametric and jogged radial dimensions: a distance between two points of a circle.
#include <dbdim.h>
#include <dbfiler.h>

#include "../text/GroupValues.h"

ACRX_DXF_DEFINE_MEMBERS(AcDbRadialDimension, AcDbDimension, 0, 0, 0, DIMENSION, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbRadialDimension);
ACRX_DXF_DEFINE_MEMBERS(AcDbDiametricDimension, AcDbDimension, 0, 0, 0, DIMENSION, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbDiametricDimension);
ACRX_DXF_DEFINE_MEMBERS(AcDbRadialDimensionLarge, AcDbDimension, 0, 0, 0, LARGE_RADIAL_DIMENSION, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbRadialDimensionLarge);

namespace {

// The chord point (15) and leader length (40) that radial and diametric dimensions share.
bool readChordGroup(const acadsim::DxfGroupView& g, AcGePoint3d& chordPoint, double& leaderLength) {
  switch (g.code) {
    case 15: case 25: case 35: return acadsim::annotation::takePoint(g, 15, chordPoint);
    case 40: return acadsim::annotation::takeReal(g, leaderLength);
    default: return false;
  }
}

}  // namespace

AcDbRadialDimension::AcDbRadialDimension() = default;
AcDbRadialDimension::~AcDbRadialDimension() = default;

bool AcDbRadialDimension::dxfInKindGroup(const acadsim::DxfGroupView& g) {
  return readChordGroup(g, mChordPoint, mLeaderLength);
}

Acad::ErrorStatus AcDbRadialDimension::measureFromPoints(double& value) const {
  value = center().distanceTo(mChordPoint);
  return Acad::eOk;
}

AcDbDiametricDimension::AcDbDiametricDimension() = default;
AcDbDiametricDimension::~AcDbDiametricDimension() = default;

bool AcDbDiametricDimension::dxfInKindGroup(const acadsim::DxfGroupView& g) {
  return readChordGroup(g, mChordPoint, mLeaderLength);
}

Acad::ErrorStatus AcDbDiametricDimension::measureFromPoints(double& value) const {
  value = farChordPoint().distanceTo(mChordPoint);
  return Acad::eOk;
}

AcDbRadialDimensionLarge::AcDbRadialDimensionLarge() = default;
AcDbRadialDimensionLarge::~AcDbRadialDimensionLarge() = default;

bool AcDbRadialDimensionLarge::dxfInKindGroup(const acadsim::DxfGroupView& g) {
  switch (g.code) {
    case 13: case 23: case 33: return acadsim::annotation::takePoint(g, 13, mOverrideCenter);
    case 14: case 24: case 34: return acadsim::annotation::takePoint(g, 14, mJogPoint);
    case 15: case 25: case 35: return acadsim::annotation::takePoint(g, 15, mChordPoint);
    case 40: return acadsim::annotation::takeReal(g, mJogAngle);
    default: return false;
  }
}

Acad::ErrorStatus AcDbRadialDimensionLarge::measureFromPoints(double& value) const {
  value = center().distanceTo(mChordPoint);
  return Acad::eOk;
}
