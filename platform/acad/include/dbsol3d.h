// AcDb3dSolid and AcDbBody: bodies with their mass properties.
#pragma once
#include "dbmain.h"
#include "dbregion.h"
#include "gemat3d.h"

// DXF "3DSOLID"
class AcDb3dSolid : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDb3dSolid);
  AcDb3dSolid();
  ~AcDb3dSolid() override;

  // Primitives as AutoCAD makes them, centred on the origin (the wedge and box: their box's centre).
  Acad::ErrorStatus createBox(double xLen, double yLen, double zLen);
  Acad::ErrorStatus createWedge(double xLen, double yLen, double zLen);
  Acad::ErrorStatus createFrustum(double height, double xRadius, double yRadius, double topXRadius);
  Acad::ErrorStatus createSphere(double radius);
  Acad::ErrorStatus createTorus(double majorRadius, double minorRadius);
  // Extrudes the region along its normal by height, with the sides tapered inwards by taperAngle.
  Acad::ErrorStatus extrude(const AcDbRegion* region, double height, double taperAngle = 0.0);
  Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform);

  Acad::ErrorStatus getMassProp(double& volume, AcGePoint3d& centroid, double momInertia[3], double prodInertia[3],
                                double prinMoments[3], AcGeVector3d prinAxes[3], double radiiGyration[3],
                                AcDbExtents& extents) const;
  // The surface area of the body.
  Acad::ErrorStatus getArea(double& area) const;
  Adesk::Boolean isNull() const;

};

// DXF "BODY"
class AcDbBody : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbBody);
  AcDbBody();
  ~AcDbBody() override;
};
