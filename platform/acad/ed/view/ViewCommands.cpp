// REDRAW, REGEN, ZOOM and PAN, the host's own commands. ZOOM takes Extents, All, Window (or a first corner
// straight away) and a scale factor relative to the current view ("2x"); Center, Dynamic, Previous, Scale,
// Object, a factor relative to the limits (a bare number), paper-space factors (nXP) and real time are not
// available. PAN takes a displacement: a base point and a second point, or one point as the displacement.
#include <acadsim/CommandProcessor.h>
#include <acadsim/DrawingView.h>
#include <accmd.h>
#include <acedads.h>
#include <acutads.h>
#include <rxregsvc.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "ModelSpaceExtents.h"

namespace acadsim {

namespace {

void (*gInvalidate)(AcApDocument* doc) = nullptr;

AcApDocument* currentDocument() { return acDocManagerPtr() ? acDocManagerPtr()->curDocument() : nullptr; }

void repaint(AcApDocument* doc) {
  if (gInvalidate && doc) gInvalidate(doc);
}

// A point answered in the UCS, in world coordinates.
AcGePoint2d worldOf(const ads_point ucs) {
  resbuf from{}, to{};
  from.restype = to.restype = RTSHORT;
  from.resval.rint = 1;
  to.resval.rint = 0;
  ads_point world;
  if (acedTrans(ucs, &from, &to, 0, world) != RTNORM) return {ucs[0], ucs[1]};
  return {world[0], world[1]};
}

void zoomWindow(AcApDocument* doc, const AcGePoint2d& a, const AcGePoint2d& b) {
  ViewTransform& view = documentView(doc);
  double dx = std::fabs(a.x - b.x), dy = std::fabs(a.y - b.y);
  view.center = AcGePoint2d((a.x + b.x) / 2, (a.y + b.y) / 2);
  if (dx <= 0 && dy <= 0) return;
  double sx = dx > 0 ? view.width / dx : 1e300, sy = dy > 0 ? view.height / dy : 1e300;
  if (view.width > 0 && view.height > 0) view.pixelsPerUnit = std::min(sx, sy);
}

bool askSecondCorner(AcApDocument* doc, const ads_point first) {
  ads_point second;
  if (acedGetPoint(first, u"Specify opposite corner: ", second) != RTNORM) return false;
  zoomWindow(doc, worldOf(first), worldOf(second));
  return true;
}

// ZOOM All: the drawing's extents together with its limits.
void zoomAll(AcApDocument* doc) {
  zoomExtents(doc);
  Extents2d all = view::drawnModelSpaceExtents(*doc->database());
  all.add(view::headerExtents(*doc->database()));
  zoomWindow(doc, all.min, all.max);
}

// "2x", "0.5X": a factor relative to the current view.
bool scaleFactor(const std::u16string& reply, double& factor) {
  if (reply.size() < 2 || (reply.back() != u'x' && reply.back() != u'X')) return false;
  std::string digits(reply.begin(), reply.end() - 1);
  char* end = nullptr;
  factor = std::strtod(digits.c_str(), &end);
  return end && *end == '\0' && !digits.empty() && factor > 0 && std::isfinite(factor);
}

void ZoomCommand() {
  AcApDocument* doc = currentDocument();
  if (!doc || !doc->database()) return;
  acedInitGet(RSG_OTHER, u"All Center Dynamic Extents Previous Scale Window Object");
  ads_point first;
  int rc = acedGetPoint(nullptr,
                        u"Specify corner of window, enter a scale factor (nX or nXP), or\n"
                        u"[All/Center/Dynamic/Extents/Previous/Scale/Window/Object] <real time>: ",
                        first);
  if (rc == RTNORM) {
    if (askSecondCorner(doc, first)) repaint(doc);
    return;
  }
  if (rc != RTKWORD) return;
  ACHAR reply[512] = {};
  acedGetInput(reply, 512);
  std::u16string option = reply;
  double factor = 0;
  if (option == u"Extents") {
    zoomExtents(doc);
  } else if (option == u"All") {
    zoomAll(doc);
  } else if (option == u"Window") {
    if (acedGetPoint(nullptr, u"Specify first corner: ", first) != RTNORM || !askSecondCorner(doc, first)) return;
  } else if (scaleFactor(option, factor)) {
    zoomBy(doc, factor);
  } else {
    acutPrintf(u"\nThis ZOOM option is not available.");
    return;
  }
  repaint(doc);
}

void PanCommand() {
  AcApDocument* doc = currentDocument();
  if (!doc) return;
  ads_point base, second;
  if (acedGetPoint(nullptr, u"Specify base point or displacement: ", base) != RTNORM) return;
  AcGePoint2d from = worldOf(base), to;
  int rc = acedGetPoint(base, u"Specify second point: ", second);
  if (rc == RTNORM) {
    to = worldOf(second);
  } else if (rc == RTNONE) {
    // Enter: the first point is the displacement itself.
    ads_point origin = {0, 0, 0};
    AcGePoint2d zero = worldOf(origin);
    to = from;
    from = zero;
  } else {
    return;
  }
  ViewTransform& view = documentView(doc);
  view.center = AcGePoint2d(view.center.x - (to.x - from.x), view.center.y - (to.y - from.y));
  repaint(doc);
}

void RedrawCommand() { repaint(currentDocument()); }

void RegenCommand() {
  acutPrintf(u"Regenerating model.\n");
  repaint(currentDocument());
}

}  // namespace

void registerViewCommands(void (*invalidate)(AcApDocument* doc)) {
  gInvalidate = invalidate;
  const std::u16string group(kHostCommandGroup);
  acedRegCmds->addCommand(group.c_str(), u"REDRAW", u"REDRAW", ACRX_CMD_TRANSPARENT, &RedrawCommand);
  acedRegCmds->addCommand(group.c_str(), u"REGEN", u"REGEN", ACRX_CMD_MODAL, &RegenCommand);
  acedRegCmds->addCommand(group.c_str(), u"ZOOM", u"ZOOM", ACRX_CMD_TRANSPARENT, &ZoomCommand);
  acedRegCmds->addCommand(group.c_str(), u"PAN", u"PAN", ACRX_CMD_TRANSPARENT, &PanCommand);
}

}  // namespace acadsim
