// Describers of the classes that place other content: block references, tables, raster images and viewports.
#include <dbents.h>
#include <dbobjects.h>
#include <dbsymtb.h>
#include <windows.h>

#include <cmath>

#include "describe/DescribeObject.h"
#include "describe/EntityDescribers.h"
#include "describe/HostClass.h"
#include "describe/HostResources.h"
#include "describe/TextBuilding.h"
#include "describe/ValueFormatting.h"
#include "host/ModuleStrings.h"

namespace {

constexpr int kCurrentAngleUnit = -1;
constexpr int kLargestRatioTerm = 1000;

const ACHAR* S(StringId id) { return ModuleString(id).c_str(); }

// The direction's angle in the current UCS, when it lies in the UCS's XY plane.
void AppendRotation(std::u16string& body, AcGeVector3d direction) {
  AcGeMatrix3d ucs;
  acdbUcsMatrix(ucs, nullptr);
  direction.transformBy(ucs.inverse());
  if (!(std::fabs(direction.z) < kTolerance)) return;
  double angle = std::fabs(direction.y) < kTolerance ? (direction.x < 0 ? kPi : 0)
                                                       : std::atan2(direction.y, direction.x);
  AppendAngle(body, S(IDS_FMT_ROTATION), angle, kCurrentAngleUnit);
}

void AppendBlockName(std::u16string& body, AcDbObjectId blockId) {
  ReadObject<AcDbBlockTableRecord> block(blockId);
  if (!block) return;
  const ACHAR* name = nullptr;
  block->getName(name);
  ACHAR* rawPath = nullptr;
  if (block->pathName(rawPath) != Acad::eOk) rawPath = nullptr;
  HostString path(rawPath);
  if (block->isFromExternalReference()) {
    AppendFormat(body, S(IDS_FMT_XREF), name != nullptr ? name : u"", path.c_str());
  } else if (block->isFromOverlayReference()) {
    AppendFormat(body, S(IDS_FMT_XREF_OVERLAY), name != nullptr ? name : u"", path.c_str());
  } else {
    AppendFormat(body, S(IDS_FMT_BLOCK), name != nullptr ? name : u"");
  }
}

// True when x is a whole number or just below one (a value just above does not count).
bool IsWhole(double x) { return std::ceil(x) - x < kTolerance; }

}  // namespace

void DescribeBlockReference(ScopeText& text, AcDbEntity* entity, int gsMarker) {
  DescribeAsParentOf(AcDbBlockReference::desc(), text, entity, gsMarker);
  const AcDbBlockReference* reference = AcDbBlockReference::cast(entity);
  if (reference == nullptr) return;
  AppendBlockName(text.Body, reference->blockTableRecord());
  int precision = GetIntSysVar(S(IDS_SYSVAR_LUPREC));
  AcGeScale3d s = reference->scaleFactors();
  if (std::fabs(s.sx - s.sy) < kTolerance && std::fabs(s.sx - s.sz) < kTolerance) {
    AppendFormat(text.Body, S(IDS_FMT_SCALE), precision, s.sx);
  } else {
    AppendFormat(text.Body, S(IDS_FMT_SCALE_XYZ), precision, s.sx, precision, s.sy, precision, s.sz);
  }
  AcGeVector3d xAxis = AcGeVector3d::kXAxis;
  AppendRotation(text.Body, xAxis.transformBy(reference->blockTransform()));
}

void DescribeRasterImage(ScopeText& text, AcDbEntity* entity, int gsMarker) {
  DescribeAsParentOf(u"AcDbRasterImage", text, entity, gsMarker);
  AcRxClass* imageClass = FindHostClass(u"AcDbRasterImage");
  if (imageClass == nullptr || !entity->isKindOf(imageClass)) return;
  const auto* image = static_cast<const AcDbRasterImage*>(entity);
  {
    ReadObject<AcDbRasterImageDef> definition(image->imageDefId());
    if (definition && !definition->isEmbedded()) {
      const ACHAR* source = definition->sourceFileName();
      const ACHAR* active = definition->activeFileName();
      if (lstrcmpiW(source, active) == 0) {
        AppendFormat(text.Body, S(IDS_FMT_IMAGE), source);
      } else {
        AppendFormat(text.Body, S(IDS_FMT_IMAGE_RESOLVED), source, active);
      }
    }
  }
  NewLine(text.Body);
  int precision = GetIntSysVar(S(IDS_SYSVAR_LUPREC));
  AcGeVector2d s = image->scale();
  if (std::fabs(s.x - s.y) < kTolerance) {
    AppendFormat(text.Body, S(IDS_FMT_SCALE), precision, s.x);
  } else {
    AppendFormat(text.Body, S(IDS_FMT_SCALE_XY), precision, s.x, precision, s.y);
  }
  AcGePoint3d origin;
  AcGeVector3d u, v;
  if (image->getOrientation(origin, u, v) == Acad::eOk) AppendRotation(text.Body, u);
  NewLine(text.Body);
  AppendFormat(text.Body, S(IDS_FMT_IMAGE_ADJUST), static_cast<int>(image->brightness()),
               static_cast<int>(image->contrast()), static_cast<int>(image->fade()));
  if (image->isClipped()) {
    NewLine(text.Body);
    const std::u16string* kind = nullptr;
    if (image->clipBoundaryType() == AcDbRasterImage::kRect) kind = &ModuleString(IDS_CLIP_RECTANGLE);
    if (image->clipBoundaryType() == AcDbRasterImage::kPoly) kind = &ModuleString(IDS_CLIP_POLYGON);
    if (kind == nullptr) {
      Append(text.Body, ModuleString(IDS_CLIPPED));
    } else {
      AppendFormat(text.Body, S(IDS_FMT_CLIPPED_KIND), kind->c_str());
    }
  }
}

void DescribeViewport(ScopeText& text, AcDbEntity* entity, int gsMarker) {
  DescribeAsParentOf(AcDbViewport::desc(), text, entity, gsMarker);
  const AcDbViewport* viewport = AcDbViewport::cast(entity);
  if (viewport == nullptr) return;
  int precision = GetIntSysVar(S(IDS_SYSVAR_LUPREC));
  double paperHeight = viewport->height(), modelHeight = viewport->viewHeight();
  double scale = paperHeight / modelHeight;
  // Without both heights there is no scale to show (it would read "inf" or "nan").
  if (paperHeight != 0 && modelHeight != 0 && std::isfinite(scale) && scale > 0) {
    if (scale >= 1) {
      AppendFormat(text.Body, S(IDS_FMT_SCALE), precision, scale);
    } else {
      double inverse = 1 / scale;
      int n = 1;
      while (n <= kLargestRatioTerm && !IsWhole(n * inverse)) ++n;
      if (n <= kLargestRatioTerm) {
        AppendFormat(text.Body, S(IDS_FMT_SCALE_RATIO), static_cast<double>(n), n * inverse);
      } else {
        AppendFormat(text.Body, S(IDS_FMT_SCALE_INVERSE), precision, inverse);
      }
    }
  }
  if (viewport->isPerspectiveOn()) Append(text.Body, ModuleString(IDS_PERSPECTIVE));
  if (viewport->isLocked()) Append(text.Body, ModuleString(IDS_LOCKED));
  if (viewport->hiddenLinesRemoved()) {
    NewLine(text.Body);
    Append(text.Body, ModuleString(IDS_HIDDEN_LINES_PLOT));
  }
}

void DescribeTable(ScopeText& text, AcDbEntity* entity, int gsMarker) {
  DescribeAsParentOf(u"AcDbTable", text, entity, gsMarker);
  AcRxClass* tableClass = FindHostClass(u"AcDbTable");
  if (tableClass == nullptr || !entity->isKindOf(tableClass)) return;
  const auto* table = static_cast<const AcDbTable*>(entity);
  NewLine(text.Body);
  AppendFormat(text.Body, S(IDS_FMT_TABLE_SIZE), static_cast<int>(table->numColumns()),
               static_cast<int>(table->numRows()));
  AcRxClass* styleClass = FindHostClass(u"AcDbTableStyle");
  AcDbObject* opened = nullptr;
  if (styleClass == nullptr || acdbOpenAcDbObject(opened, table->tableStyle(), AcDb::kForRead) != Acad::eOk) return;
  ReadObject<AcDbObject> style(opened);
  if (!style->isKindOf(styleClass)) return;
  ACHAR* rawName = nullptr;
  if (static_cast<const AcDbTableStyle*>(style.get())->getName(rawName) != Acad::eOk) return;
  HostString name(rawName);
  NewLine(text.Body);
  AppendFormat(text.Body, S(IDS_FMT_STYLE), name.c_str());
}
