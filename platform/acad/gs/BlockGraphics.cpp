// Block references, minserts and dimensions: their block's entities drawn through the reference's
// transform, ByBlock colour and layer "0" taken from the reference; then a reference's attributes.
#include <dbents.h>
#include <dbsymtb.h>

#include <algorithm>

#include "GraphicsBuilder.h"

namespace acadsim::gs {

namespace {

// The context of what the reference (drawn in b's current context) holds, through transform.
DrawContext innerContext(const GraphicsBuilder& b, const AcDbEntity& reference, const AcGeMatrix3d& transform) {
  const DrawContext& outer = b.context();
  DrawContext inner;
  inner.toWorld = transform;
  inner.byBlockColor = b.color();
  inner.byBlockLayer = effectiveLayer(reference, outer);
  inner.references = outer.references;
  if (outer.depth > 0) inner.references.push_back(reference.objectId());
  inner.blocks = outer.blocks;
  inner.depth = outer.depth + 1;
  return inner;
}

void drawBlock(GraphicsBuilder& b, AcDbObjectId blockId, DrawContext& inner) {
  if (blockId.isNull() || std::find(inner.blocks.begin(), inner.blocks.end(), blockId) != inner.blocks.end()) return;
  AcDbBlockTableRecord* block = nullptr;
  if (acdbOpenObject(block, blockId, AcDb::kForRead) != Acad::eOk) return;
  std::vector<AcDbObjectId> ids = block->entityIds();
  block->close();
  inner.blocks.push_back(blockId);
  for (AcDbObjectId id : ids) {
    AcDbEntity* entity = nullptr;
    if (acdbOpenAcDbEntity(entity, id, AcDb::kForRead) != Acad::eOk) continue;
    b.draw(*entity, inner);
    entity->close();
  }
  inner.blocks.pop_back();
}

void drawAttributes(GraphicsBuilder& b, const AcDbBlockReference& reference) {
  // Attributes are placed in world coordinates already: they take the context around the reference.
  DrawContext inner = innerContext(b, reference, b.context().toWorld);
  AcDbObjectIterator* it = reference.attributeIterator();
  for (it->start(); !it->done(); it->step()) {
    AcDbEntity* attribute = nullptr;
    if (acdbOpenAcDbEntity(attribute, it->objectId(), AcDb::kForRead) != Acad::eOk) continue;
    b.draw(*attribute, inner);
    attribute->close();
  }
  delete it;
}

// Where copy (row, column) of a minsert sits: the grid runs along the reference's rotated axes.
AcGeMatrix3d gridOffset(const AcDbMInsertBlock& minsert, int row, int column) {
  double dx = column * minsert.columnSpacing(), dy = row * minsert.rowSpacing();
  double c = std::cos(minsert.rotation()), s = std::sin(minsert.rotation());
  AcGeVector3d offset(dx * c - dy * s, dx * s + dy * c, 0);
  offset.transformBy(AcGeMatrix3d::planeToWorld(minsert.normal()));
  return AcGeMatrix3d().setToTranslation(offset);
}

}  // namespace

bool drawReference(GraphicsBuilder& b, const AcDbEntity& entity) {
  if (auto* dimension = AcDbDimension::cast(&entity)) {
    // The dimension's block is drawn where it was made: in world coordinates.
    DrawContext inner = innerContext(b, entity, b.context().toWorld);
    drawBlock(b, dimension->dimBlockId(), inner);
    return true;
  }
  auto* reference = AcDbBlockReference::cast(&entity);
  if (!reference) return false;
  AcGeMatrix3d transform = b.context().toWorld * reference->blockTransform();
  DrawContext inner = innerContext(b, entity, transform);
  AcDbObjectId blockId = reference->blockTableRecord();
  if (auto* minsert = AcDbMInsertBlock::cast(&entity)) {
    for (int row = 0; row < minsert->rows(); ++row)
      for (int column = 0; column < minsert->columns(); ++column) {
        inner.toWorld = b.context().toWorld * gridOffset(*minsert, row, column) * reference->blockTransform();
        drawBlock(b, blockId, inner);
      }
  } else {
    drawBlock(b, blockId, inner);
  }
  drawAttributes(b, *reference);
  return true;
}

}  // namespace acadsim::gs
