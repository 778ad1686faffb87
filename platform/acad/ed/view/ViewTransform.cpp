// Client pixels to model space and back: pixel centres, y downwards on screen and upwards in the world.
#include <acadsim/DrawingView.h>

namespace acadsim {

AcGePoint2d ViewTransform::toWorld(double px, double py) const {
  return {center.x + (px - (width - 1) / 2.0) / pixelsPerUnit, center.y - (py - (height - 1) / 2.0) / pixelsPerUnit};
}

void ViewTransform::toPixel(const AcGePoint2d& world, double& px, double& py) const {
  px = (world.x - center.x) * pixelsPerUnit + (width - 1) / 2.0;
  py = (center.y - world.y) * pixelsPerUnit + (height - 1) / 2.0;
}

}  // namespace acadsim
