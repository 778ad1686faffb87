// The geometry of a planar polyline of straight and bulged (circular) segments, in its object coordinate
// system; lightweight and 2D polylines both measure themselves with it. Parameter i + f is the point at fraction
// f of the length of segment i, as AutoCAD parameterises polylines.
#pragma once
#include <vector>

#include <gepnt2d.h>
#include <gepnt3d.h>
#include <gevec3d.h>

namespace acadsim::curves {

struct BulgeVertex {
  AcGePoint2d point;
  double bulge = 0.0;  // tan(included angle / 4), positive counter-clockwise; the last vertex's counts only when closed
};

class BulgePath {
 public:
  BulgePath(std::vector<BulgeVertex> vertices, bool closed, double elevation, const AcGeVector3d& normal);

  bool isEmpty() const { return mVertices.empty(); }
  bool isClosed() const { return mClosed; }
  // Segments: n - 1 when open, n when closed (a single vertex has none); the parameter runs from 0 to this.
  int numSegments() const;
  double endParam() const { return numSegments(); }

  // In world coordinates; the parameter is clamped to [0, endParam].
  AcGePoint3d pointAt(double param) const;
  AcGeVector3d firstDerivAt(double param) const;
  double distAt(double param) const;
  double length() const { return distAt(endParam()); }
  // The area enclosed, the open end closed by a straight chord.
  double area() const;

 private:
  struct Segment {
    AcGePoint2d from, to;
    double sweep = 0.0;  // signed included angle, 0 for a straight segment
    AcGePoint2d center;
    double radius = 0.0;
    double length = 0.0;
  };
  Segment segment(int i) const;
  // Segment index and fraction within it.
  void locate(double param, int& index, double& fraction) const;
  AcGePoint3d toWorld(const AcGePoint2d& p) const;

  std::vector<BulgeVertex> mVertices;
  bool mClosed;
  double mElevation;
  AcGeVector3d mNormal;
};

}  // namespace acadsim::curves
