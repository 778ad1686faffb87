// The extents a drawing's model space is seen at by ZOOM Extents.
#pragma once
#include <acadsim/EntityGraphics.h>
#include <dbmain.h>

namespace acadsim::view {

// The extents of every model-space entity that draws, rays and xlines left out (they have no end);
// empty when nothing draws.
Extents2d drawnModelSpaceExtents(AcDbDatabase& db);
// What a drawing with nothing drawn shows: its header's EXTMIN..EXTMAX when they make a box, else its
// limits (LIMMIN..LIMMAX, 0,0 to 12,9 when unset).
Extents2d headerExtents(AcDbDatabase& db);

}  // namespace acadsim::view
