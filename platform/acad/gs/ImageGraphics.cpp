// Raster images and wipeouts: their frame as a closed stroke, GS marker 1 (the view paints the picture).
#include <dbents.h>

#include "GraphicsBuilder.h"

namespace acadsim::gs {

bool drawImage(GraphicsBuilder& b, const AcDbEntity& entity) {
  auto* image = AcDbRasterImage::cast(&entity);
  if (!image) return false;
  AcGePoint3d origin;
  AcGeVector3d u, v;
  if (image->getOrientation(origin, u, v) != Acad::eOk) return true;
  b.addStroke({b.project(origin), b.project(origin + u), b.project(origin + u + v), b.project(origin + v)}, true);
  return true;
}

}  // namespace acadsim::gs
