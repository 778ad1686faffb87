// Solids, traces and 3D faces: one filled quadrilateral (or triangle) each, GS marker 1. Their corners are
// kept in the record's groups 10-13; SOLID and TRACE give them in object coordinates and zig-zag order.
#include <dbents.h>

#include "GraphicsBuilder.h"

namespace acadsim::gs {

namespace {

struct Corners {
  AcGePoint3d p[4];
  bool has[4] = {false, false, false, false};
  AcGeVector3d normal = AcGeVector3d::kZAxis;
};

Corners cornersOf(const AcDbEntity& entity) {
  Corners c;
  const DxfData& data = entity.dxfSubclassData();
  for (size_t i = 0; i < data.size(); ++i) {
    if (data.type(i) != DxfData::Type::Point) continue;
    double xyz[3];
    data.point(i, xyz);
    int code = data.code(i);
    if (code >= 10 && code <= 13) {
      c.p[code - 10].set(xyz[0], xyz[1], xyz[2]);
      c.has[code - 10] = true;
    } else if (code == 210) {
      c.normal = AcGeVector3d(xyz[0], xyz[1], xyz[2]);
    }
  }
  return c;
}

}  // namespace

bool drawPlanarFill(GraphicsBuilder& b, const AcDbEntity& entity) {
  bool face = AcDbFace::cast(&entity) != nullptr;
  if (!face && !AcDbSolid::cast(&entity) && !AcDbTrace::cast(&entity)) return false;
  Corners c = cornersOf(entity);
  if (!c.has[3]) c.p[3] = c.p[2];
  int order[4] = {0, 1, 3, 2};
  if (face) order[2] = 2, order[3] = 3;
  AcGeMatrix3d toWorld = face || c.normal.length() == 0 ? AcGeMatrix3d() : AcGeMatrix3d::planeToWorld(c.normal);
  std::vector<AcGePoint2d> outline;
  for (int i : order) {
    AcGePoint2d p = b.project(AcGePoint3d(c.p[i]).transformBy(toWorld));
    if (outline.empty() || !outline.back().isEqualTo(p)) outline.push_back(p);
  }
  if (outline.size() > 1 && outline.front().isEqualTo(outline.back())) outline.pop_back();
  if (outline.size() >= 3)
    b.addFill(std::move(outline), {});
  else
    b.addStroke(std::move(outline), false);
  return true;
}

}  // namespace acadsim::gs
