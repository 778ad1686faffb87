// Drawings for the entity graphics tests, written as DXF text, and the graphics of their entities.
#pragma once
#include <acadsim/DrawingQueries.h>
#include <acadsim/EntityGraphics.h>

#include <string>
#include <vector>

#include "../blocks/BlocksTestDrawing.h"

namespace gstest {

using blockstest::block;
using blockstest::OpenFor;
using dbtest::dxfText;

// A LAYER record: flags 1 freezes it; a negative colour turns it off.
inline std::string layer(const std::string& name, int color, int flags = 0) {
  return dxfText({{0, "LAYER"}, {2, name}, {70, std::to_string(flags)}, {62, std::to_string(color)}, {6, "CONTINUOUS"}});
}

inline std::string layerTable(const std::string& records) {
  return dxfText({{0, "SECTION"}, {2, "TABLES"}, {0, "TABLE"}, {2, "LAYER"}}) + records +
         dxfText({{0, "ENDTAB"}, {0, "ENDSEC"}});
}

// A drawing of layers (LAYER records), blocks (BLOCK definitions) and model-space entities.
inline std::unique_ptr<AcDbDatabase> drawing(const std::string& entities, const std::string& blocks = "",
                                             const std::string& layers = "") {
  std::string dxf = (layers.empty() ? "" : layerTable(layers)) + blockstest::section("BLOCKS", blocks) +
                    blockstest::section("ENTITIES", entities) + dxfText({{0, "EOF"}});
  return dbtest::readDrawing(dxf);
}

inline std::string line(double x1, double y1, double x2, double y2, const std::string& layerName = "0",
                        int color = 256) {
  return dxfText({{0, "LINE"}, {8, layerName}, {62, std::to_string(color)}, {10, std::to_string(x1)},
                  {20, std::to_string(y1)}, {30, "0"}, {11, std::to_string(x2)}, {21, std::to_string(y2)}, {31, "0"}});
}

inline std::string insert(const std::string& blockName, double x, double y, double scale = 1, double degrees = 0,
                          const std::string& layerName = "0", int color = 256) {
  return dxfText({{0, "INSERT"}, {8, layerName}, {62, std::to_string(color)}, {2, blockName},
                  {10, std::to_string(x)}, {20, std::to_string(y)}, {30, "0"}, {41, std::to_string(scale)},
                  {42, std::to_string(scale)}, {43, std::to_string(scale)}, {50, std::to_string(degrees)}});
}

// The model-space entities in drawing order.
inline std::vector<AcDbObjectId> modelSpace(AcDbDatabase& db) {
  OpenFor<AcDbBlockTableRecord> model(acadsim::modelSpaceBlockId(db));
  return model.get() ? model->entityIds() : std::vector<AcDbObjectId>{};
}

inline acadsim::EntityGraphics graphicsOf(AcDbObjectId id) {
  OpenFor<AcDbEntity> entity(id);
  return entity.get() ? acadsim::entityGraphics(*entity.get()) : acadsim::EntityGraphics{};
}

// The graphics of the drawing's only (or first) model-space entity.
inline acadsim::EntityGraphics firstGraphics(AcDbDatabase& db) { return graphicsOf(modelSpace(db).at(0)); }

}  // namespace gstest
