#include "describe/CurveDescribers.h"

#include <dbents.h>

#include <cmath>
#include <memory>

#include "describe/DescribeObject.h"
#include "describe/HostResources.h"
#include "describe/TextBuilding.h"
#include "describe/ValueFormatting.h"
#include "host/ModuleStrings.h"

namespace {

constexpr int kSurveyorUnits = 4;
constexpr int kDegreesMinutesSeconds = 1;
constexpr int kCurrentAngleUnit = -1;
constexpr double kNoWidth = 1e-8;

const ACHAR* S(StringId id) { return ModuleString(id).c_str(); }

int LinearPrecision() { return GetIntSysVar(S(IDS_SYSVAR_LUPREC)); }
bool SurveyorUnits() { return GetIntSysVar(S(IDS_SYSVAR_AUNITS)) == kSurveyorUnits; }

// The curve's area, 0 when the host cannot compute it.
double AreaOf(const AcDbCurve* curve) {
  double area = 0;
  return curve->getArea(area) == Acad::eOk ? area : 0;
}

// Thickness and, where the shape encloses an area, the volume it sweeps.
void AppendThicknessBlock(std::u16string& body, double thickness, double area, bool volumeAlways) {
  if (IsNearZero(thickness)) return;
  NewLine(body);
  AppendDistance(body, S(IDS_FMT_THICKNESS), thickness);
  if (!volumeAlways && IsNearZero(area)) return;
  AppendFormat(body, S(IDS_FMT_VOLUME), LinearPrecision(), area * thickness);
}

void AppendOpenOrClosed(std::u16string& body, bool closed) {
  Append(body, ModuleString(closed ? IDS_CLOSED : IDS_OPEN));
  Append(body, ModuleString(IDS_ITEM_SEPARATOR));
}

// Segments: one fewer than the vertices when open.
void AppendSegmentCount(std::u16string& body, long vertices, bool closed) {
  long segments = closed ? vertices : vertices - 1;
  if (segments == 1) {
    Append(body, ModuleString(IDS_ONE_SEGMENT));
  } else {
    AppendFormat(body, S(IDS_FMT_SEGMENTS), static_cast<int>(segments));
  }
}

void AppendWidth(std::u16string& body, bool constant, double width) {
  if (!constant) {
    Append(body, ModuleString(IDS_VARIABLE_WIDTH));
  } else if (width > kNoWidth) {
    AppendDistance(body, S(IDS_FMT_CONSTANT_WIDTH), width);
  }
}

void AppendElevation(std::u16string& body, const AcDbCurve* curve) {
  AcGePlane plane;
  AcDb::Planarity planarity = AcDb::kNonPlanar;
  if (curve->getPlane(plane, planarity) != Acad::eOk) return;
  if (planarity == AcDb::kPlanar) {
    double z = plane.pointOnPlane().z;
    if (plane.normal() == AcGeVector3d::kZAxis && !IsNearZero(z)) AppendDistance(body, S(IDS_FMT_ELEVATION), z);
  } else if (planarity == AcDb::kLinear) {
    AcGePoint3d start, end;
    if (curve->getStartPoint(start) != Acad::eOk || curve->getEndPoint(end) != Acad::eOk) return;
    if (!IsNearZero(start.z) && end.z == start.z) AppendDistance(body, S(IDS_FMT_ELEVATION), start.z);
  }
}

// Architectural objects report a length of exactly 1 when they have none.
bool IsArchitecturalWithoutLength(const AcDbCurve* curve, double length) {
  std::u16string_view name = curve->isA()->name();
  return name.substr(0, 3) == u"Aec" && length == 1.0;
}

}  // namespace

void DescribeCurve(ScopeText& text, AcDbEntity* entity, int gsMarker) {
  DescribeAsParentOf(AcDbCurve::desc(), text, entity, gsMarker);
  const AcDbCurve* curve = AcDbCurve::cast(entity);
  if (curve == nullptr) return;
  double length = 0, endParam = 0;
  if (curve->getEndParam(endParam) != Acad::eOk || curve->getDistAtParam(endParam, length) != Acad::eOk) length = 0;
  double area = AreaOf(curve);
  if (!IsArchitecturalWithoutLength(curve, length)) AppendDistance(text.Body, S(IDS_FMT_LENGTH), length);
  if (!IsNearZero(area) && curve->isClosed()) AppendAreaLines(text.Body, area);
  AppendElevation(text.Body, curve);
}

void DescribePoint(ScopeText& text, AcDbEntity* entity, int gsMarker) {
  DescribeAsParentOf(AcDbPoint::desc(), text, entity, gsMarker);
  const AcDbPoint* point = AcDbPoint::cast(entity);
  if (point == nullptr) return;
  double z = point->position().z;
  if (point->normal() == AcGeVector3d::kZAxis && !IsNearZero(z)) AppendDistance(text.Body, S(IDS_FMT_ELEVATION), z);
  if (!IsNearZero(point->thickness())) AppendDistance(text.Body, S(IDS_FMT_THICKNESS), point->thickness());
}

void DescribeLine(ScopeText& text, AcDbEntity* entity, int gsMarker) {
  DescribeAsParentOf(AcDbLine::desc(), text, entity, gsMarker);
  const AcDbLine* line = AcDbLine::cast(entity);
  if (line == nullptr) return;
  AcGeVector3d d = line->endPoint() - line->startPoint();
  if (std::fabs(d.z) < kTolerance) {
    double angle = d.y == 0 ? (d.x >= 0 ? 0 : kPi) : std::atan2(d.y, d.x);
    AppendAngle(text.Body, S(SurveyorUnits() ? IDS_FMT_DIRECTION : IDS_FMT_LINE_ANGLE), angle, kCurrentAngleUnit);
  } else {
    AppendDistance(text.Body, S(IDS_FMT_DELTA_X), d.x);
    AppendDistance(text.Body, S(IDS_FMT_DELTA_Y), d.y);
    AppendDistance(text.Body, S(IDS_FMT_DELTA_Z), d.z);
  }
  if (!IsNearZero(line->thickness())) {
    NewLine(text.Body);
    AppendDistance(text.Body, S(IDS_FMT_THICKNESS), line->thickness());
  }
}

void DescribeCircle(ScopeText& text, AcDbEntity* entity, int gsMarker) {
  DescribeAsParentOf(AcDbCircle::desc(), text, entity, gsMarker);
  const AcDbCircle* circle = AcDbCircle::cast(entity);
  if (circle == nullptr) return;
  AppendDistance(text.Body, S(IDS_FMT_DIAMETER), 2 * circle->radius());
  AppendThicknessBlock(text.Body, circle->thickness(), AreaOf(circle), true);
}

void DescribeArc(ScopeText& text, AcDbEntity* entity, int gsMarker) {
  DescribeAsParentOf(AcDbArc::desc(), text, entity, gsMarker);
  const AcDbArc* arc = AcDbArc::cast(entity);
  if (arc == nullptr) return;
  AppendDistance(text.Body, S(IDS_FMT_RADIUS), arc->radius());
  double start = arc->startAngle(), end = arc->endAngle();
  if (end <= start) end += 2 * kPi;
  AppendBaseAngle(text.Body, S(IDS_FMT_TOTAL_ANGLE), end - start,
                  SurveyorUnits() ? kDegreesMinutesSeconds : kCurrentAngleUnit);
  AppendThicknessBlock(text.Body, arc->thickness(), AreaOf(arc), false);
}

void DescribePolyline(ScopeText& text, AcDbEntity* entity, int gsMarker) {
  DescribeAsParentOf(AcDbPolyline::desc(), text, entity, gsMarker);
  const AcDbPolyline* polyline = AcDbPolyline::cast(entity);
  if (polyline == nullptr) return;
  bool closed = polyline->isClosed();
  AppendOpenOrClosed(text.Body, closed);
  AppendSegmentCount(text.Body, static_cast<long>(polyline->numVerts()), closed);
  double width = 0;
  bool constant = polyline->getConstantWidth(width) == Acad::eOk;
  AppendWidth(text.Body, constant, width);
  AppendThicknessBlock(text.Body, polyline->thickness(), AreaOf(polyline), false);
}

void Describe2dPolyline(ScopeText& text, AcDbEntity* entity, int gsMarker) {
  DescribeAsParentOf(AcDb2dPolyline::desc(), text, entity, gsMarker);
  const AcDb2dPolyline* polyline = AcDb2dPolyline::cast(entity);
  if (polyline == nullptr) return;
  bool closed = polyline->isClosed();
  AppendOpenOrClosed(text.Body, closed);
  if (std::unique_ptr<AcDbObjectIterator> vertices{polyline->vertexIterator()}) {
    long count = 0;
    bool constant = true, widthKnown = false;
    double width = 0;
    // Vertices are opened only until the width is known to vary; counting visits them all.
    for (vertices->start(); !vertices->done(); vertices->step()) {
      ++count;
      if (!constant) continue;
      ReadObject<AcDb2dVertex> vertex(vertices->objectId());
      if (!vertex) continue;
      if (!widthKnown) {
        widthKnown = true;
        width = vertex->startWidth();
        constant = std::fabs(vertex->endWidth() - width) < kTolerance;
      } else {
        constant = std::fabs(vertex->startWidth() - width) < kTolerance &&
                   std::fabs(vertex->endWidth() - width) < kTolerance;
      }
    }
    AppendSegmentCount(text.Body, count, closed);
    AppendWidth(text.Body, constant, width);
  }
  switch (polyline->polyType()) {
    case AcDb::k2dFitCurvePoly: Append(text.Body, ModuleString(IDS_CURVE_FIT)); break;
    case AcDb::k2dQuadSplinePoly: Append(text.Body, ModuleString(IDS_QUADRATIC_SPLINE)); break;
    case AcDb::k2dCubicSplinePoly: Append(text.Body, ModuleString(IDS_CUBIC_SPLINE)); break;
    default: break;
  }
  AppendThicknessBlock(text.Body, polyline->thickness(), AreaOf(polyline), false);
}
