// What entities draw, in world coordinates seen from above (the WCS XY plane: the plan view), for the
// drawing view to paint and for picking to hit (host-internal, not an ObjectARX name).
#pragma once
#include <dbid.h>
#include <gepnt2d.h>
#include <windef.h>

#include <string>
#include <vector>

class AcDbEntity;

namespace acadsim {

struct Extents2d {
  AcGePoint2d min{1e300, 1e300};
  AcGePoint2d max{-1e300, -1e300};
  bool isEmpty() const { return min.x > max.x || min.y > max.y; }
  void add(const AcGePoint2d& p);
  void add(const Extents2d& other);
};

struct GraphicPrimitive {
  enum class Kind {
    Stroke,  // a polyline through points (closed: back to the first), width in world units (0: one pixel)
    Fill,    // filled loops: points holds them one after another, loopStarts where each begins; even-odd
    Text,    // one line of text: points[0] its insertion (the baseline's left end)
    Dot,     // a point entity's mark: points[0]
  };
  Kind kind = Kind::Stroke;
  std::vector<AcGePoint2d> points;
  std::vector<size_t> loopStarts;
  bool closed = false;
  double width = 0;
  COLORREF color = 0;  // resolved: ByLayer from the layer, ByBlock from the containing reference
  // The GS marker a pick on this primitive reports (for polylines the segment number from 1, for every
  // other entity 1; inside a reference the nested entity's own) and the nested path it belongs to (-1:
  // the entity itself).
  int gsMarker = 0;
  int nestedPath = -1;
  // Text only: the text as shown (codes resolved), its height, rotation (radians), width factor,
  // obliquing angle (radians) and font face.
  std::u16string text;
  double height = 0, rotation = 0, widthFactor = 1, obliquing = 0;
  std::u16string face;
};

struct EntityGraphics {
  std::vector<GraphicPrimitive> primitives;
  // Each path names a nested entity inside the top-level one: the innermost entity first, then the block
  // references that hold it, up to (not including) the top-level entity.
  std::vector<std::vector<AcDbObjectId>> nestedPaths;
  Extents2d extents;
};

// The graphics of one entity: block references (and dimensions, through their blocks) expanded with
// their transforms and attributes; empty for an erased or invisible entity, one on a layer that is off or
// frozen, or one that draws nothing (regions, 3D solids, meshes, multilines, multileaders, proxies).
// Inside a block, entities on layer "0" take the reference's layer (its colour and whether it shows) and
// ByBlock colours the reference's; ByBlock at top level draws white. Rays and xlines reach 1e8 units from
// their base point.
EntityGraphics entityGraphics(const AcDbEntity& entity);

struct GraphicHit {
  bool hit = false;
  double distance = 0;  // from the point to the nearest primitive hit (0 inside a fill or a text box)
  int gsMarker = 0;
  int nestedPath = -1;
};
// The primitive nearest to point within tolerance (world units), if any.
GraphicHit hitTest(const EntityGraphics& graphics, const AcGePoint2d& point, double tolerance);

}  // namespace acadsim
