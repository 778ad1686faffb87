// Collects the primitives of one top-level entity while its families (curves, text, blocks...) add theirs.
#pragma once
#include <acadsim/EntityGraphics.h>
#include <dbmain.h>
#include <gemat3d.h>
#include <gepnt3d.h>

#include <vector>

namespace acadsim::gs {

// Where an entity is drawn: the transform to world, the colour ByBlock resolves to, the layer that layer "0"
// resolves to, and the nested path of the references around it (outermost first).
struct DrawContext {
  AcGeMatrix3d toWorld;
  COLORREF byBlockColor = RGB(255, 255, 255);
  AcDbObjectId byBlockLayer;  // null at top level
  std::vector<AcDbObjectId> references;
  std::vector<AcDbObjectId> blocks;  // the blocks being expanded, to refuse one that holds itself
  int depth = 0;
};

class GraphicsBuilder {
 public:
  explicit GraphicsBuilder(EntityGraphics& out) : mOut(out) {}

  // Draws entity (top level or nested) in context; nothing for erased entities or hidden layers.
  void draw(const AcDbEntity& entity, const DrawContext& context);

  // The state of the entity being drawn, for the family functions.
  const DrawContext& context() const { return *mContext; }
  COLORREF color() const { return mColor; }
  void setMarker(int marker) { mMarker = marker; }

  // A 3D world-or-block point as the plan view sees it (context transform applied, Z dropped).
  AcGePoint2d project(const AcGePoint3d& point) const;
  AcGePoint2d project(double x, double y, double z = 0) const { return project(AcGePoint3d(x, y, z)); }

  void addStroke(std::vector<AcGePoint2d> points, bool closed, double width = 0);
  void addFill(std::vector<AcGePoint2d> points, std::vector<size_t> loopStarts);
  void addDot(const AcGePoint2d& point);
  GraphicPrimitive& addText(const AcGePoint2d& insertion, std::u16string text, double height);
  // Takes a finished text primitive's box into the extents.
  void includeTextBox(const GraphicPrimitive& text);
  // The scale from block lengths to world lengths along X (for widths and text heights inside blocks).
  double lengthScale() const;

 private:
  void drawShape(const AcDbEntity& entity);
  GraphicPrimitive& add(GraphicPrimitive::Kind kind);

  EntityGraphics& mOut;
  const DrawContext* mContext = nullptr;
  COLORREF mColor = 0;
  int mMarker = 1;
  int mPath = -1;
};

// Whether the entity's layer (layer "0" inside a block: the reference's) is on and thawed, and the colour
// the entity draws in (ByLayer through that layer, ByBlock from the reference, white at top level).
struct EntityLook {
  bool shown = true;
  COLORREF color = 0;
};
// The layer that decides for entity: its own, or inside a block the reference's when it is on layer "0".
AcDbObjectId effectiveLayer(const AcDbEntity& entity, const DrawContext& context);
EntityLook entityLook(const AcDbEntity& entity, const DrawContext& context);
// The RGB of a palette index, 7 and foreground white on the dark background.
COLORREF paletteColor(int index);

// The family functions: each returns false when entity is not of its family.
bool drawCurve(GraphicsBuilder& b, const AcDbEntity& entity);
bool drawPolyline(GraphicsBuilder& b, const AcDbEntity& entity);
bool drawText(GraphicsBuilder& b, const AcDbEntity& entity);
bool drawHatch(GraphicsBuilder& b, const AcDbEntity& entity);
bool drawPlanarFill(GraphicsBuilder& b, const AcDbEntity& entity);
bool drawImage(GraphicsBuilder& b, const AcDbEntity& entity);
// Block references, minserts and dimensions: expands their blocks through b.draw.
bool drawReference(GraphicsBuilder& b, const AcDbEntity& entity);

// Points of a polyline segment from one vertex to the next, the arc of its bulge (tan of a quarter of the
// sweep, positive counter-clockwise) followed.
std::vector<AcGePoint2d> bulgeSegment(const AcGePoint2d& from, const AcGePoint2d& to, double bulge);
// The number of chords for a sweep: 64 per whole turn, at least 2.
int arcSegments(double sweep);

}  // namespace acadsim::gs
