// AcDb3dSolid and AcDbBody: bodies with their mass properties.
#pragma once
#include "dbmain.h"
#include "dbregion.h"
#include "gemat3d.h"

namespace acadsim {
class SolidBody;
}  // namespace acadsim

// DXF "3DSOLID"
class AcDb3dSolid : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDb3dSolid);
  AcDb3dSolid();
  ~AcDb3dSolid() override;

  // Primitives as AutoCAD makes them, centred on the origin (the wedge and box: their box's centre), each
  // replacing the body. Sizes that are not numbers: eInvalidInput; sizes that make no body (zero, negative,
  // a torus tube not thinner than its ring): eDegenerateGeometry. The body is then left as it was.
  Acad::ErrorStatus createBox(double xLen, double yLen, double zLen);
  Acad::ErrorStatus createWedge(double xLen, double yLen, double zLen);
  // Along z from -height/2 (radii xRadius, yRadius) to height/2 (x radius topXRadius, 0 for a cone).
  Acad::ErrorStatus createFrustum(double height, double xRadius, double yRadius, double topXRadius);
  Acad::ErrorStatus createSphere(double radius);
  Acad::ErrorStatus createTorus(double majorRadius, double minorRadius);
  // Extrudes the region along its normal by height (against it when negative), with the sides tapered inwards
  // by taperAngle (|taperAngle| < pi/2). eDegenerateGeometry for an empty region or a zero height.
  Acad::ErrorStatus extrude(const AcDbRegion* region, double height, double taperAngle = 0.0);
  // eCannotScaleNonUniformly for a transform that is not a rotation, mirror, uniform scale and shift.
  Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform);

  // Unit density, about the world origin and axes; principal moments about the centroid, ascending.
  // eDegenerateGeometry for a null solid or a body without volume; eNotImplementedYet for a body read from a
  // drawing that the host cannot interpret (curved faces other than those of its primitives, binary data);
  // eInvalidInput for stored body data that is damaged. Nothing is written on failure.
  Acad::ErrorStatus getMassProp(double& volume, AcGePoint3d& centroid, double momInertia[3], double prodInertia[3],
                                double prinMoments[3], AcGeVector3d prinAxes[3], double radiiGyration[3],
                                AcDbExtents& extents) const;
  // The surface area of the body; the statuses of getMassProp.
  Acad::ErrorStatus getArea(double& area) const;
  // True when the solid holds no body at all.
  Adesk::Boolean isNull() const;

  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

 private:
  Acad::ErrorStatus setBody(acadsim::SolidBody body);

  std::unique_ptr<acadsim::SolidBody> mBody;
  // eOk, or why the body a drawing stored could not be interpreted (the reason getMassProp reports).
  Acad::ErrorStatus mUninterpreted = Acad::eOk;
};

// DXF "BODY"
class AcDbBody : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbBody);
  AcDbBody();
  ~AcDbBody() override;
};
