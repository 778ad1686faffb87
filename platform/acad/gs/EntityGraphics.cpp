// entityGraphics: one entity's primitives, built family by family.
#include <acadsim/EntityGraphics.h>

#include <cmath>

#include "GraphicsBuilder.h"
#include "TextBox.h"

namespace acadsim {

void Extents2d::add(const AcGePoint2d& p) {
  if (!std::isfinite(p.x) || !std::isfinite(p.y)) return;
  if (p.x < min.x) min.x = p.x;
  if (p.y < min.y) min.y = p.y;
  if (p.x > max.x) max.x = p.x;
  if (p.y > max.y) max.y = p.y;
}

void Extents2d::add(const Extents2d& other) {
  if (other.isEmpty()) return;
  add(other.min);
  add(other.max);
}

EntityGraphics entityGraphics(const AcDbEntity& entity) {
  EntityGraphics graphics;
  gs::GraphicsBuilder builder(graphics);
  builder.draw(entity, gs::DrawContext{});
  return graphics;
}

namespace gs {

namespace {
// References nest at most this deep; deeper ones (or a block that holds itself) draw nothing more.
constexpr int kMaxDepth = 32;
}  // namespace

void GraphicsBuilder::draw(const AcDbEntity& entity, const DrawContext& context) {
  if (entity.isErased() || entity.visibility() == AcDb::kInvisible) return;
  if (context.depth > kMaxDepth) return;
  EntityLook look = entityLook(entity, context);
  if (!look.shown) return;
  const DrawContext* savedContext = mContext;
  COLORREF savedColor = mColor;
  int savedMarker = mMarker, savedPath = mPath;
  mContext = &context;
  mColor = look.color;
  mMarker = 1;
  if (context.depth > 0) {
    std::vector<AcDbObjectId> path{entity.objectId()};
    path.insert(path.end(), context.references.rbegin(), context.references.rend());
    mPath = static_cast<int>(mOut.nestedPaths.size());
    mOut.nestedPaths.push_back(std::move(path));
  }
  drawShape(entity);
  mContext = savedContext;
  mColor = savedColor;
  mMarker = savedMarker;
  mPath = savedPath;
}

void GraphicsBuilder::drawShape(const AcDbEntity& entity) {
  drawCurve(*this, entity) || drawPolyline(*this, entity) || drawText(*this, entity) ||
      drawReference(*this, entity) || drawHatch(*this, entity) || drawPlanarFill(*this, entity) ||
      drawImage(*this, entity);
}

AcGePoint2d GraphicsBuilder::project(const AcGePoint3d& point) const {
  AcGePoint3d p = point;
  p.transformBy(mContext->toWorld);
  return {p.x, p.y};
}

double GraphicsBuilder::lengthScale() const {
  const AcGeMatrix3d& m = mContext->toWorld;
  return std::hypot(m(0, 0), m(1, 0));
}

GraphicPrimitive& GraphicsBuilder::add(GraphicPrimitive::Kind kind) {
  GraphicPrimitive& p = mOut.primitives.emplace_back();
  p.kind = kind;
  p.color = mColor;
  p.gsMarker = mMarker;
  p.nestedPath = mPath;
  return p;
}

void GraphicsBuilder::addStroke(std::vector<AcGePoint2d> points, bool closed, double width) {
  if (points.empty()) return;
  GraphicPrimitive& p = add(GraphicPrimitive::Kind::Stroke);
  p.points = std::move(points);
  p.closed = closed;
  p.width = width;
  for (const AcGePoint2d& pt : p.points) {
    mOut.extents.add(AcGePoint2d(pt.x - width / 2, pt.y - width / 2));
    mOut.extents.add(AcGePoint2d(pt.x + width / 2, pt.y + width / 2));
  }
}

void GraphicsBuilder::addFill(std::vector<AcGePoint2d> points, std::vector<size_t> loopStarts) {
  if (points.size() < 3) return;
  GraphicPrimitive& p = add(GraphicPrimitive::Kind::Fill);
  p.points = std::move(points);
  p.loopStarts = loopStarts.empty() ? std::vector<size_t>{0} : std::move(loopStarts);
  p.closed = true;
  for (const AcGePoint2d& pt : p.points) mOut.extents.add(pt);
}

void GraphicsBuilder::addDot(const AcGePoint2d& point) {
  GraphicPrimitive& p = add(GraphicPrimitive::Kind::Dot);
  p.points = {point};
  mOut.extents.add(point);
}

GraphicPrimitive& GraphicsBuilder::addText(const AcGePoint2d& insertion, std::u16string text, double height) {
  GraphicPrimitive& p = add(GraphicPrimitive::Kind::Text);
  p.points = {insertion};
  p.text = std::move(text);
  p.height = height;
  return p;
}

void GraphicsBuilder::includeTextBox(const GraphicPrimitive& text) {
  for (const AcGePoint2d& corner : textBox(text)) mOut.extents.add(corner);
}

}  // namespace gs
}  // namespace acadsim
