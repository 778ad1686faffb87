// Describers of the classes that enclose areas and volumes: solids, regions and hatches.
#include <acedads.h>
#include <acutads.h>
#include <dbents.h>

#include <memory>
#include <vector>

#include "describe/DescribeObject.h"
#include "describe/EntityDescribers.h"
#include "describe/TextBuilding.h"
#include "describe/ValueFormatting.h"
#include "host/ModuleStrings.h"

namespace {

const ACHAR* S(StringId id) { return ModuleString(id).c_str(); }

// Curves and regions the hatch area is rebuilt from; each is deleted when its holder goes.
using OwnedCurves = std::vector<std::unique_ptr<AcDbCurve>>;

AcGePoint3d Lift(const AcGePoint2d& p) { return {p.x, p.y, 0}; }
AcGeVector3d Lift(const AcGeVector2d& v) { return {v.x, v.y, 0}; }

// The loop as host curves: a polyline loop as one polyline, an edge loop edge by edge.
OwnedCurves LoopCurves(const AcDbHatch* hatch, int loop, Adesk::Int32 type) {
  OwnedCurves curves;
  Adesk::Int32 loopType = 0;
  if (type & AcDbHatch::kPolyline) {
    AcGePoint2dArray vertices;
    AcGeDoubleArray bulges;
    if (hatch->getLoopAt(loop, loopType, vertices, bulges) != Acad::eOk) return curves;
    // The host repeats a closed loop's first vertex at its end, so this polyline closes without the closed flag.
    auto polyline = std::make_unique<AcDbPolyline>();
    bool withBulges = bulges.length() >= vertices.length();
    for (int j = 0; j < vertices.length(); ++j)
      polyline->addVertexAt(static_cast<unsigned>(j), vertices[j], withBulges ? bulges[j] : 0.0);
    curves.push_back(std::move(polyline));
    return curves;
  }
  AcGeVoidPointerArray edges;
  AcGeIntArray edgeTypes;
  if (hatch->getLoopAt(loop, loopType, edges, edgeTypes) != Acad::eOk) return curves;
  for (int j = edges.length() - 1; j >= 0; --j) {
    if (j >= edgeTypes.length() || edges[j] == nullptr) continue;
    switch (edgeTypes[j]) {
      case AcDbHatch::kLine: {
        auto* line = static_cast<const AcGeLineSeg2d*>(edges[j]);
        curves.push_back(std::make_unique<AcDbLine>(Lift(line->startPoint()), Lift(line->endPoint())));
        break;
      }
      case AcDbHatch::kCirArc: {
        auto* arc = static_cast<const AcGeCircArc2d*>(edges[j]);
        if (arc->isClosed(AcGeContext::gTol)) {
          curves.push_back(std::make_unique<AcDbCircle>(Lift(arc->center()), AcGeVector3d::kZAxis, arc->radius()));
        } else {
          curves.push_back(std::make_unique<AcDbArc>(Lift(arc->center()), AcGeVector3d::kZAxis, arc->radius(),
                                                     arc->startAng(), arc->endAng()));
        }
        break;
      }
      case AcDbHatch::kEllArc: {
        auto* arc = static_cast<const AcGeEllipArc2d*>(edges[j]);
        if (arc->majorRadius() == 0) break;
        curves.push_back(std::make_unique<AcDbEllipse>(Lift(arc->center()), AcGeVector3d::kZAxis,
                                                       Lift(arc->majorAxis() * arc->majorRadius()),
                                                       arc->minorRadius() / arc->majorRadius(), arc->startAng(),
                                                       arc->endAng()));
        break;
      }
      case AcDbHatch::kSpline: {
        auto* spline = static_cast<const AcGeNurbCurve2d*>(edges[j]);
        int degree = 0;
        Adesk::Boolean rational = false, periodic = false;
        AcGeKnotVector knots(0, 8, 1e-9);
        AcGePoint2dArray controlPoints2d;
        AcGeDoubleArray weights;
        spline->getDefinitionData(degree, rational, periodic, knots, controlPoints2d, weights);
        AcGePoint3dArray controlPoints;
        for (const AcGePoint2d& p : controlPoints2d) controlPoints.append(Lift(p));
        AcGeDoubleArray knotList;
        for (int k = 0; k < knots.length(); ++k) knotList.append(knots[k]);
        curves.push_back(std::make_unique<AcDbSpline>(degree, rational, spline->isClosed(AcGeContext::gTol), periodic,
                                                      controlPoints, knotList, weights, 0.0, 0.0));
        break;
      }
      default: break;
    }
  }
  return curves;
}

// Unites every region the loop's curves form into target.
void UniteLoopInto(AcDbRegion& target, const OwnedCurves& curves) {
  AcDbVoidPtrArray curveList, regions;
  for (const auto& curve : curves) curveList.append(curve.get());
  if (AcDbRegion::createFromCurves(curveList, regions) != Acad::eOk) return;
  for (int k = regions.length() - 1; k >= 0; --k) {
    std::unique_ptr<AcDbRegion> region(static_cast<AcDbRegion*>(regions[k]));
    target.booleanOper(AcDb::kBoolUnite, region.get());
  }
}

double RegionArea(const AcDbRegion& region) {
  double area = 0;
  return region.getArea(area) == Acad::eOk ? area : 0;
}

// Outer loops make the area, the others are holes in it; whichever is larger is what remains.
double HatchArea(const AcDbHatch* hatch) {
  AcDbRegion outer, inner;
  for (int i = 0; i < hatch->numLoops(); ++i) {
    Adesk::Int32 type = hatch->loopTypeAt(i);
    OwnedCurves curves = LoopCurves(hatch, i, type);
    UniteLoopInto((type & AcDbHatch::kOutermost) ? outer : inner, curves);
  }
  double outerArea = RegionArea(outer), innerArea = RegionArea(inner);
  if (innerArea <= outerArea) {
    outer.booleanOper(AcDb::kBoolSubtract, &inner);
    return RegionArea(outer);
  }
  inner.booleanOper(AcDb::kBoolSubtract, &outer);
  return RegionArea(inner);
}

}  // namespace

void Describe3dSolid(ScopeText& text, AcDbEntity* entity, int gsMarker) {
  DescribeAsParentOf(AcDb3dSolid::desc(), text, entity, gsMarker);
  const AcDb3dSolid* solid = AcDb3dSolid::cast(entity);
  if (solid == nullptr) return;
  int precision = GetIntSysVar(S(IDS_SYSVAR_LUPREC));
  // Whatever the modeller prints while it computes must not leave the command line without its prompt.
  acutPrintf(u"\n");
  double volume = 0, momInertia[3], prodInertia[3], prinMoments[3], radiiGyration[3];
  AcGePoint3d centroid;
  AcGeVector3d prinAxes[3];
  AcDbExtents extents;
  if (solid->getMassProp(volume, centroid, momInertia, prodInertia, prinMoments, prinAxes, radiiGyration, extents) ==
      Acad::eOk) {
    AppendFormat(text.Body, S(IDS_FMT_VOLUME), precision, volume);
  }
  acedPostCommandPrompt();
  double area = 0;
  if (solid->getArea(area) == Acad::eOk) AppendFormat(text.Body, S(IDS_FMT_SURFACE_AREA), precision, area);
}

void DescribeRegion(ScopeText& text, AcDbEntity* entity, int gsMarker) {
  DescribeAsParentOf(AcDbRegion::desc(), text, entity, gsMarker);
  const AcDbRegion* region = AcDbRegion::cast(entity);
  if (region == nullptr) return;
  double area = 0, perimeter = 0;
  if (region->getArea(area) == Acad::eOk && area != 0) AppendAreaLines(text.Body, area);
  if (region->getPerimeter(perimeter) == Acad::eOk) AppendDistance(text.Body, S(IDS_FMT_PERIMETER), perimeter);
}

void DescribeHatch(ScopeText& text, AcDbEntity* entity, int gsMarker) {
  DescribeAsParentOf(AcDbHatch::desc(), text, entity, gsMarker);
  const AcDbHatch* hatch = AcDbHatch::cast(entity);
  if (hatch == nullptr) return;
  const ACHAR* pattern = hatch->patternName();
  if (pattern != nullptr && pattern[0] != 0) AppendFormat(text.Body, S(IDS_FMT_PATTERN), pattern);
  double area = HatchArea(hatch);
  if (area > 0) AppendAreaLines(text.Body, area);
}
