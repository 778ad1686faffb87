// The colour an entity is drawn in and whether its layer shows it.
#include <dbsymtb.h>

#include "GraphicsBuilder.h"

namespace acadsim::gs {

namespace {

struct LayerLook {
  bool shown = true;
  AcCmColor color;
};

LayerLook layerLook(AcDbObjectId layerId) {
  LayerLook look;
  look.color.setColorIndex(7);
  AcDbLayerTableRecord* layer = nullptr;
  if (layerId.isNull() || acdbOpenObject(layer, layerId, AcDb::kForRead) != Acad::eOk) return look;
  look.shown = !layer->isOff() && !layer->isFrozen();
  look.color = layer->color();
  layer->close();
  return look;
}

COLORREF colorOf(const AcCmColor& color, COLORREF byBlock) {
  if (color.isByColor()) return RGB(color.red(), color.green(), color.blue());
  if (color.isByBlock()) return byBlock;
  if (color.isByLayer() || color.isForeground() || color.isNone()) return paletteColor(7);
  return paletteColor(color.colorIndex());
}

}  // namespace

AcDbObjectId effectiveLayer(const AcDbEntity& entity, const DrawContext& context) {
  AcDbObjectId layer = entity.layerId();
  if (context.byBlockLayer.isNull() || entity.database() == nullptr) return layer;
  if (layer == entity.database()->layerZero()) return context.byBlockLayer;
  return layer;
}

COLORREF paletteColor(int index) {
  if (index <= 0 || index > 255) index = 7;
  Adesk::UInt32 rgb = AcCmEntityColor::lookUpRGB(Adesk::UInt8(index));
  return RGB(rgb >> 16 & 0xFF, rgb >> 8 & 0xFF, rgb & 0xFF);
}

EntityLook entityLook(const AcDbEntity& entity, const DrawContext& context) {
  LayerLook layer = layerLook(effectiveLayer(entity, context));
  AcCmColor color = entity.color();
  // A layer's own colour is an index; were it ByBlock it would draw as the foreground.
  COLORREF rgb = color.isByLayer() ? colorOf(layer.color, paletteColor(7)) : colorOf(color, context.byBlockColor);
  return {layer.shown, rgb};
}

}  // namespace acadsim::gs
