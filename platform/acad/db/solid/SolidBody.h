// The host's body of a 3D solid: an analytic primitive placed by a similarity transform, or a polyhedron.
#pragma once
#include <vector>

#include <acadstrc.h>
#include <dbmain.h>
#include <gemat3d.h>

#include "MassMoments.h"

namespace acadsim {

// A planar face: its outer loops counter-clockwise and its holes clockwise, seen against the outward normal.
struct PolyhedronFace {
  std::vector<std::vector<AcGePoint3d>> loops;
};

// A planar profile to be swept along its normal: its area moments in its plane's coordinates (u, v).
struct PrismProfile {
  double area = 0.0, perimeter = 0.0;
  double firstU = 0.0, firstV = 0.0;               // integrals of u and v
  double secondUU = 0.0, secondVV = 0.0, secondUV = 0.0;  // integrals of u², v² and uv
};

class SolidBody {
 public:
  enum class Kind { kPolyhedron, kFrustum, kSphere, kTorus, kPrism };

  // Bodies in their own coordinates, placed by placement (rotation, uniform scale, translation).
  // A frustum runs along z from -height/2 (x radius baseX) to height/2 (x radius topX), its y radii ratio
  // times those; one of the two ends may be a point.
  static SolidBody frustum(double height, double baseX, double topX, double ratio, const AcGeMatrix3d& placement);
  static SolidBody sphere(double radius, const AcGeMatrix3d& placement);
  // Axis z; majorRadius > minorRadius.
  static SolidBody torus(double majorRadius, double minorRadius, const AcGeMatrix3d& placement);
  // The profile in the plane z = 0 of placement's coordinates (u = x, v = y) swept to z = height (> 0);
  // worldBox encloses the body in world coordinates.
  static SolidBody prism(const PrismProfile& profile, double height, const AcGeMatrix3d& placement,
                         const AcDbExtents& worldBox);
  // Closed shells of faces in world coordinates.
  static SolidBody polyhedron(std::vector<PolyhedronFace> faces);

  // eCannotScaleNonUniformly for a transform that is not a similarity (as AutoCAD refuses it for solids),
  // eDegenerateGeometry for one that collapses the body, eInvalidInput for entries that are not finite.
  Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform);

  MassMoments moments() const;
  double surfaceArea() const;
  // Exact for every kind but the prism after a rotation, whose box then encloses the rotated box.
  AcDbExtents extents() const;

 private:
  SolidBody() = default;

  Kind mKind = Kind::kPolyhedron;
  double mSize[4] = {0.0, 0.0, 0.0, 0.0};  // the primitive's dimensions in the order of its factory
  AcGeMatrix3d mPlacement;
  PrismProfile mProfile;
  AcDbExtents mPrismBox;
  std::vector<PolyhedronFace> mFaces;
};

}  // namespace acadsim
