// paintDrawingView: the dark background, every model-space entity in view, then the pick-first set
// highlighted (HIGHLIGHT) with its grips (GRIPS).
#include <acadsim/DrawingQueries.h>
#include <acadsim/DrawingView.h>
#include <acadsim/Selection.h>
#include <acedads.h>
#include <adscodes.h>
#include <dbents.h>
#include <dbsymtb.h>

#include <set>

#include "GripPoints.h"
#include "PrimitivePainter.h"
#include "RasterImagePainter.h"

namespace acadsim {

namespace {

// AutoCAD's model-space background and its unselected grips.
constexpr COLORREF kBackground = RGB(33, 40, 48);
constexpr COLORREF kGripFill = RGB(0, 0, 255);
constexpr COLORREF kGripEdge = RGB(255, 255, 255);

int systemInt(const ACHAR* name, int fallback) {
  resbuf value{};
  if (acedGetVar(name, &value) != RTNORM || value.restype != RTSHORT) return fallback;
  return value.resval.rint;
}

// Everything but the highlighted entities, which the pick-first pass draws dashed instead.
void paintModelSpace(HDC hdc, AcDbDatabase& db, const ViewTransform& view, view::PrimitivePainter& painter,
                     const std::set<AcDbObjectId>& highlighted) {
  AcDbBlockTableRecord* model = nullptr;
  if (acdbOpenObject(model, modelSpaceBlockId(db), AcDb::kForRead) != Acad::eOk) return;
  std::vector<AcDbObjectId> ids = model->entityIds();
  model->close();
  for (AcDbObjectId id : ids) {
    if (!highlighted.empty() && highlighted.count(id)) continue;
    AcDbEntity* entity = nullptr;
    if (acdbOpenAcDbEntity(entity, id, AcDb::kForRead) != Acad::eOk) continue;
    EntityGraphics graphics = entityGraphics(*entity);
    if (painter.visible(graphics.extents)) {
      if (auto* image = AcDbRasterImage::cast(entity)) view::paintRasterImage(hdc, view, *image);
      painter.paint(graphics);
    }
    entity->close();
  }
}

void paintPickFirst(AcApDocument* doc, const std::vector<AcDbObjectId>& pickFirst, bool highlight,
                    view::PrimitivePainter& painter) {
  bool grips = systemInt(u"GRIPS", 1) != 0 && pickFirstGripped(doc);
  int gripSide = 2 * systemInt(u"GRIPSIZE", 5) + 1;
  for (AcDbObjectId id : pickFirst) {
    AcDbEntity* entity = nullptr;
    if (acdbOpenAcDbEntity(entity, id, AcDb::kForRead) != Acad::eOk) continue;
    EntityGraphics graphics = entityGraphics(*entity);
    painter.paint(graphics, highlight);
    if (grips && !graphics.primitives.empty())
      for (const AcGePoint2d& grip : view::gripPoints(*entity)) painter.square(grip, gripSide, kGripFill, kGripEdge);
    entity->close();
  }
}

}  // namespace

void paintDrawingView(HDC hdc, AcApDocument* doc) {
  ViewTransform& view = documentView(doc);
  RECT client{0, 0, view.width, view.height};
  HBRUSH background = CreateSolidBrush(kBackground);
  FillRect(hdc, &client, background);
  DeleteObject(background);
  if (!doc || !doc->database()) return;
  view::PrimitivePainter painter(hdc, view);
  std::vector<AcDbObjectId> pickFirst = pickFirstEntities(doc);
  std::set<AcDbObjectId> later(pickFirst.begin(), pickFirst.end());
  paintModelSpace(hdc, *doc->database(), view, painter, later);
  paintPickFirst(doc, pickFirst, systemInt(u"HIGHLIGHT", 1) != 0, painter);
}

}  // namespace acadsim
