// AcDbRegion: a bounded planar area.
#pragma once
#include "dbmain.h"
#include "dbptrar.h"
#include "gearrays.h"

namespace acadsim {
class RegionBody;
}  // namespace acadsim

// DXF "REGION"
class AcDbRegion : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbRegion);
  AcDbRegion();
  ~AcDbRegion() override;

  // One new region (the caller deletes it) for each closed loop the curves (AcDbCurve*, in any order and
  // direction) form in one plane. eInvalidInput when no loop closes; the curves stay the caller's.
  static Acad::ErrorStatus createFromCurves(const AcDbVoidPtrArray& curveSegments, AcDbVoidPtrArray& regions);

  // Combines otherRegion into this one; otherRegion is left empty. eNonCoplanarGeometry for regions in
  // different planes. An empty region takes part as the empty set.
  Acad::ErrorStatus booleanOper(AcDb::BoolOperType operation, AcDbRegion* otherRegion);
  Acad::ErrorStatus getArea(double& area) const;
  Acad::ErrorStatus getPerimeter(double& perimeter) const;
  // Area properties in the coordinate system of origin, xAxis and yAxis (in the region's plane); momInertia and
  // prodInertia about that origin; extents in that system.
  Acad::ErrorStatus getAreaProp(const AcGePoint3d& origin, const AcGeVector3d& xAxis, const AcGeVector3d& yAxis,
                                double& perimeter, double& area, AcGePoint2d& centroid, double momInertia[2],
                                double& prodInertia, double prinMoments[2], AcGeVector2d prinAxes[2],
                                double radiiGyration[2], AcGePoint2d& extentsLow, AcGePoint2d& extentsHigh) const;
  Adesk::Boolean isNull() const;
  Acad::ErrorStatus getNormal(AcGeVector3d& normal) const;
  // kPlanar with the region's plane; an empty region has none (eDegenerateGeometry).
  Acad::ErrorStatus getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const override;

  // Reads the region's ACIS body: its planar faces become the region's loops.
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

 private:
  // eNotImplementedYet when the region came from a file whose body the host could not interpret.
  Acad::ErrorStatus checkReadable() const;

  std::unique_ptr<acadsim::RegionBody> mBody;
  bool mUnreadableBody = false;
};
