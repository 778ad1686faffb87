// acedGetWinNum, acedCoordFromPixelToWorld: client pixels of the current document's view.
#include <acadsim/DrawingView.h>
#include <acedads.h>

namespace {

// The model-space viewport's number, as CVPORT reports it.
constexpr int kModelViewport = 2;

AcApDocument* currentDocument() { return acDocManagerPtr() ? acDocManagerPtr()->curDocument() : nullptr; }

}  // namespace

int acedGetWinNum(int ptx, int pty) {
  AcApDocument* doc = currentDocument();
  if (!doc) return -1;
  const acadsim::ViewTransform& view = acadsim::documentView(doc);
  bool inside = ptx >= 0 && pty >= 0 && ptx < view.width && pty < view.height;
  return inside ? kModelViewport : -1;
}

bool acedCoordFromPixelToWorld(int windnum, POINT ptIn, ads_point ptOut) {
  AcApDocument* doc = currentDocument();
  if (!doc || windnum != kModelViewport || !ptOut) return false;
  AcGePoint2d world = acadsim::documentView(doc).toWorld(ptIn.x, ptIn.y);
  ptOut[0] = world.x;
  ptOut[1] = world.y;
  ptOut[2] = 0;
  return true;
}
