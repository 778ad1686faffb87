// Mass properties in one record, and independent numerical references for the curved primitives.
#pragma once
#include <dbsol3d.h>

#include <cmath>

namespace soltest {

struct MassProps {
  Acad::ErrorStatus status = Acad::eOk;
  double volume = -1.0;
  AcGePoint3d centroid;
  double momInertia[3] = {-1, -1, -1};
  double prodInertia[3] = {-1, -1, -1};
  double prinMoments[3] = {-1, -1, -1};
  AcGeVector3d prinAxes[3];
  double radiiGyration[3] = {-1, -1, -1};
  AcDbExtents extents;
};

inline MassProps massProps(const AcDb3dSolid& solid) {
  MassProps p;
  p.status = solid.getMassProp(p.volume, p.centroid, p.momInertia, p.prodInertia, p.prinMoments, p.prinAxes,
                               p.radiiGyration, p.extents);
  return p;
}

// The perimeter of an ellipse by summing the lengths of many chords.
inline double ellipsePerimeterBySummation(double a, double b) {
  const int n = 200000;
  double sum = 0;
  for (int i = 0; i < n; ++i) {
    double t0 = 2 * M_PI * i / n, t1 = 2 * M_PI * (i + 1) / n;
    sum += std::hypot(a * (std::cos(t1) - std::cos(t0)), b * (std::sin(t1) - std::sin(t0)));
  }
  return sum;
}

// The surface of an elliptical frustum (z from -h/2, x radius base, y radius ratio times x, top x radius top)
// as many flat triangles between its two rims, plus the two caps.
inline double frustumAreaByTriangles(double h, double base, double ratio, double top) {
  const int n = 100000;
  auto rim = [&](double r, double z, int i) {
    double t = 2 * M_PI * i / n;
    return AcGePoint3d(r * std::cos(t), ratio * r * std::sin(t), z);
  };
  double side = 0;
  for (int i = 0; i < n; ++i) {
    AcGePoint3d a = rim(base, -h / 2, i), b = rim(base, -h / 2, i + 1), c = rim(top, h / 2, i), d = rim(top, h / 2, i + 1);
    side += (b - a).crossProduct(c - a).length() / 2 + (d - b).crossProduct(c - b).length() / 2;
  }
  return side + M_PI * ratio * (base * base + top * top);
}

}  // namespace soltest
