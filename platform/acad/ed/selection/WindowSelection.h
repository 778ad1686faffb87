// Window and crossing selection of drawn graphics against a rectangle of the WCS XY plane.
#pragma once
#include <acadsim/EntityGraphics.h>

namespace acadsim::selection {

struct Rectangle2d {
  double minX, minY, maxX, maxY;
};

// Window: everything the entity draws lies inside the rectangle.
bool insideWindow(const EntityGraphics& graphics, const Rectangle2d& window);
// Crossing: inside, or some part of what it draws meets the rectangle.
bool crossesWindow(const EntityGraphics& graphics, const Rectangle2d& window);

}  // namespace acadsim::selection
