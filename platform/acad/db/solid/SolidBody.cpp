#include "SolidBody.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "AnalyticMoments.h"
#include "PolyhedronMoments.h"

namespace acadsim {
namespace {

AcGeVector3d column(const AcGeMatrix3d& m, int c) { return {m(0, c), m(1, c), m(2, c)}; }

// The box of the eight corners of box mapped by xform.
AcDbExtents transformedBox(const AcDbExtents& box, const AcGeMatrix3d& xform) {
  AcDbExtents out;
  if (box.isEmpty()) return out;
  AcGePoint3d lo = box.minPoint(), hi = box.maxPoint();
  for (int corner = 0; corner < 8; ++corner) {
    AcGePoint3d p((corner & 1) ? hi.x : lo.x, (corner & 2) ? hi.y : lo.y, (corner & 4) ? hi.z : lo.z);
    out.addPoint(xform * p);
  }
  return out;
}

// The box of an ellipse with centre c and semi-axis vectors u and v.
void addEllipse(AcDbExtents& box, const AcGePoint3d& c, const AcGeVector3d& u, const AcGeVector3d& v) {
  AcGeVector3d half(std::hypot(u.x, v.x), std::hypot(u.y, v.y), std::hypot(u.z, v.z));
  box.addPoint(c - half);
  box.addPoint(c + half);
}

}  // namespace

SolidBody SolidBody::frustum(double height, double baseX, double topX, double ratio, const AcGeMatrix3d& placement) {
  SolidBody b;
  b.mKind = Kind::kFrustum;
  b.mSize[0] = height;
  b.mSize[1] = baseX;
  b.mSize[2] = topX;
  b.mSize[3] = ratio;
  b.mPlacement = placement;
  return b;
}

SolidBody SolidBody::sphere(double radius, const AcGeMatrix3d& placement) {
  SolidBody b;
  b.mKind = Kind::kSphere;
  b.mSize[0] = radius;
  b.mPlacement = placement;
  return b;
}

SolidBody SolidBody::torus(double majorRadius, double minorRadius, const AcGeMatrix3d& placement) {
  SolidBody b;
  b.mKind = Kind::kTorus;
  b.mSize[0] = majorRadius;
  b.mSize[1] = minorRadius;
  b.mPlacement = placement;
  return b;
}

SolidBody SolidBody::prism(const PrismProfile& profile, double height, const AcGeMatrix3d& placement,
                           const AcDbExtents& worldBox) {
  SolidBody b;
  b.mKind = Kind::kPrism;
  b.mSize[0] = height;
  b.mProfile = profile;
  b.mPlacement = placement;
  b.mPrismBox = worldBox;
  return b;
}

SolidBody SolidBody::polyhedron(std::vector<PolyhedronFace> faces) {
  SolidBody b;
  b.mKind = Kind::kPolyhedron;
  b.mFaces = std::move(faces);
  return b;
}

Acad::ErrorStatus SolidBody::transformBy(const AcGeMatrix3d& xform) {
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c)
      if (!std::isfinite(xform(r, c))) return Acad::eInvalidInput;
  if (xform(3, 0) != 0.0 || xform(3, 1) != 0.0 || xform(3, 2) != 0.0 || xform(3, 3) != 1.0) return Acad::eInvalidInput;
  // A similarity maps the axes to orthogonal vectors of one common length.
  AcGeVector3d axes[3] = {column(xform, 0), column(xform, 1), column(xform, 2)};
  double scale2 = (axes[0].lengthSqrd() + axes[1].lengthSqrd() + axes[2].lengthSqrd()) / 3.0;
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j)
      if (std::fabs(axes[i].dotProduct(axes[j]) - (i == j ? scale2 : 0.0)) > 1e-9 * scale2)
        return Acad::eCannotScaleNonUniformly;
  if (!(scale2 > 1e-300)) return Acad::eDegenerateGeometry;

  if (mKind != Kind::kPolyhedron) {
    mPlacement = xform * mPlacement;
    if (mKind == Kind::kPrism) mPrismBox = transformedBox(mPrismBox, xform);
    return Acad::eOk;
  }
  bool mirrors = axes[0].dotProduct(axes[1].crossProduct(axes[2])) < 0.0;
  for (PolyhedronFace& face : mFaces)
    for (auto& loop : face.loops) {
      for (AcGePoint3d& p : loop) p.transformBy(xform);
      // A mirror turns the loops round; reversing them keeps outer loops counter-clockwise.
      if (mirrors) std::reverse(loop.begin(), loop.end());
    }
  return Acad::eOk;
}

MassMoments SolidBody::moments() const {
  switch (mKind) {
    case Kind::kPolyhedron: return polyhedronMoments(mFaces);
    case Kind::kFrustum: return transformMoments(frustumMoments(mSize[0], mSize[1], mSize[2], mSize[3]), mPlacement);
    case Kind::kSphere: return transformMoments(sphereMoments(mSize[0]), mPlacement);
    case Kind::kTorus: return transformMoments(torusMoments(mSize[0], mSize[1]), mPlacement);
    case Kind::kPrism: return transformMoments(prismMoments(mProfile, mSize[0]), mPlacement);
  }
  return {};
}

double SolidBody::surfaceArea() const {
  double scale2 = column(mPlacement, 0).lengthSqrd();
  switch (mKind) {
    case Kind::kPolyhedron: return polyhedronArea(mFaces);
    case Kind::kFrustum: return scale2 * frustumArea(mSize[0], mSize[1], mSize[2], mSize[3]);
    case Kind::kSphere: return scale2 * sphereArea(mSize[0]);
    case Kind::kTorus: return scale2 * torusArea(mSize[0], mSize[1]);
    case Kind::kPrism: return scale2 * prismArea(mProfile, mSize[0]);
  }
  return 0.0;
}

AcDbExtents SolidBody::extents() const {
  AcDbExtents box;
  AcGePoint3d centre = mPlacement * AcGePoint3d::kOrigin;
  switch (mKind) {
    case Kind::kPolyhedron: return polyhedronExtents(mFaces);
    case Kind::kPrism: return mPrismBox;
    case Kind::kSphere: {
      double r = mSize[0] * column(mPlacement, 0).length();
      box.addPoint(centre - AcGeVector3d(r, r, r));
      box.addPoint(centre + AcGeVector3d(r, r, r));
      return box;
    }
    case Kind::kTorus: {
      // The tube's circle of centres seen along each world axis, widened by the tube.
      AcGeVector3d axis = column(mPlacement, 2);
      double scale = axis.length();
      axis = axis / scale;
      auto reach = [&](double along) { return scale * (mSize[0] * std::sqrt(std::max(0.0, 1.0 - along * along)) + mSize[1]); };
      AcGeVector3d half(reach(axis.x), reach(axis.y), reach(axis.z));
      box.addPoint(centre - half);
      box.addPoint(centre + half);
      return box;
    }
    case Kind::kFrustum: {
      const double ends[2][2] = {{-mSize[0] / 2.0, mSize[1]}, {mSize[0] / 2.0, mSize[2]}};
      for (const auto& end : ends)
        addEllipse(box, mPlacement * AcGePoint3d(0.0, 0.0, end[0]), mPlacement * AcGeVector3d(end[1], 0.0, 0.0),
                   mPlacement * AcGeVector3d(0.0, mSize[3] * end[1], 0.0));
      return box;
    }
  }
  return box;
}

}  // namespace acadsim
