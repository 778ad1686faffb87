// Typed values of one DXF group for the readers of block references, tables, viewports and images.
#pragma once
#include <dbfiler.h>
#include <gepnt2d.h>
#include <gepnt3d.h>
#include <gevec3d.h>

#include <cmath>

#include "../DatabaseImpl.h"
#include "../DxfResbuf.h"

namespace acadsim::blockgroups {

// A number that is finite; a NaN or an infinity from a file is refused so that no later sum carries it.
inline bool finiteReal(const DxfGroupView& g, double& value) {
  if (g.type != DxfGroupView::Type::Real && g.type != DxfGroupView::Type::Integer) return false;
  if (!std::isfinite(g.real)) return false;
  value = g.real;
  return true;
}

// A point group (a lone X reads as (x, 0, 0)); false for a non-finite coordinate.
inline bool finitePoint(const DxfGroupView& g, AcGePoint3d& p) {
  if (g.type == DxfGroupView::Type::Real) {
    if (!std::isfinite(g.real)) return false;
    p.set(g.real, 0.0, 0.0);
    return true;
  }
  if (g.type != DxfGroupView::Type::Point) return false;
  for (double c : g.point)
    if (!std::isfinite(c)) return false;
  p.set(g.point[0], g.point[1], g.point[2]);
  return true;
}

inline bool finitePoint2d(const DxfGroupView& g, AcGePoint2d& p) {
  AcGePoint3d p3;
  if (!finitePoint(g, p3)) return false;
  p = AcGePoint2d(p3.x, p3.y);
  return true;
}

// The object a handle group names (null for text that is no handle).
inline AcDbObjectId handleReference(AcDbDxfFiler* filer, const DxfGroupView& g) {
  if (g.type != DxfGroupView::Type::String) return AcDbObjectId::kNull;
  return AcDbObjectId(filer->database()->impl().stubForHandle(parseHandle(g.text)));
}

// The unit vector of v, scaled first so that neither tiny nor huge components overflow; the Z axis for a
// zero vector.
inline AcGeVector3d unitVector(const AcGeVector3d& v) {
  double largest = std::fmax(std::fabs(v.x), std::fmax(std::fabs(v.y), std::fabs(v.z)));
  if (!(largest > 0.0) || !std::isfinite(largest)) return AcGeVector3d::kZAxis;
  AcGeVector3d scaled = v / largest;
  return scaled / scaled.length();
}

}  // namespace acadsim::blockgroups
