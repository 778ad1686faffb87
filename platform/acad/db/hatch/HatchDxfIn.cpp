// DXF "HATCH": the AcDbHatch subclass groups, boundary loops read by their structure so that the codes they
// share with the rest of the entity (10, 40, 42, 72, 73, 97) go to the right place.
#include <dbfiler.h>
#include <dbhatch.h>
#include <qvwide.h>

#include <algorithm>
#include <cmath>
#include <optional>

#include "HatchData.h"

namespace {

using acadsim::DxfGroupView;
using acadsim::HatchLoop;

constexpr double kDegrees = M_PI / 180.0;

// The filer's groups with one group of look-ahead.
class GroupCursor {
 public:
  explicit GroupCursor(AcDbDxfFiler* filer) : mFiler(filer) {}
  bool next(DxfGroupView& g) { return mFiler->readGroup(g); }
  void back() { mFiler->pushBackItem(); }
  // Reads the next group when it has this code; otherwise leaves it for the next read.
  bool take(int code, DxfGroupView& g) {
    if (!next(g)) return false;
    if (g.code == code) return true;
    back();
    return false;
  }
  std::optional<double> real(int code) {
    DxfGroupView g;
    if (!take(code, g) || !std::isfinite(g.real)) return std::nullopt;
    return g.real;
  }
  std::optional<long long> integer(int code) {
    DxfGroupView g;
    if (!take(code, g) || g.type != DxfGroupView::Type::Integer) return std::nullopt;
    return g.integer;
  }
  std::optional<AcGePoint2d> point(int code) {
    DxfGroupView g;
    if (!take(code, g) || g.type != DxfGroupView::Type::Point) return std::nullopt;
    if (!std::isfinite(g.point[0]) || !std::isfinite(g.point[1])) return std::nullopt;
    return AcGePoint2d(g.point[0], g.point[1]);
  }

 private:
  AcDbDxfFiler* mFiler;
};

// The groups that follow the boundary data: where reading resumes after a loop it could not make sense of.
bool isAfterBoundaryCode(int code) {
  switch (code) {
    case 75: case 76: case 52: case 41: case 77: case 78: case 47: case 98: case 450: return true;
    default: return false;
  }
}

// Angles of a clockwise edge (73 = 0) are stored measured clockwise; the same points counter-clockwise run
// from 360 - end to 360 - start. The result has end >= start and spans at most a full turn.
void counterClockwiseAngles(double startDeg, double endDeg, bool ccw, double& start, double& end) {
  start = (ccw ? startDeg : 360.0 - endDeg) * kDegrees;
  end = (ccw ? endDeg : 360.0 - startDeg) * kDegrees;
  if (end < start) end += 2 * M_PI * std::ceil((start - end) / (2 * M_PI));
  if (end - start > 2 * M_PI) end = start + 2 * M_PI;
}

std::unique_ptr<AcGeCurve2d> readArcEdge(GroupCursor& in) {
  auto center = in.point(10);
  auto radius = in.real(40);
  auto start = in.real(50);
  auto end = in.real(51);
  auto ccw = in.integer(73);
  if (!center || !radius || !start || !end || !ccw || *radius < 0.0) return nullptr;
  double a0, a1;
  counterClockwiseAngles(*start, *end, *ccw != 0, a0, a1);
  return std::make_unique<AcGeCircArc2d>(*center, *radius, a0, a1);
}

std::unique_ptr<AcGeCurve2d> readEllipseEdge(GroupCursor& in) {
  auto center = in.point(10);
  auto major = in.point(11);
  auto ratio = in.real(40);
  auto start = in.real(50);
  auto end = in.real(51);
  auto ccw = in.integer(73);
  if (!center || !major || !ratio || !start || !end || !ccw || !(*ratio > 0.0)) return nullptr;
  AcGeVector2d axis = *major - AcGePoint2d::kOrigin;
  double a0, a1;
  counterClockwiseAngles(*start, *end, *ccw != 0, a0, a1);
  double radius = axis.length();
  return std::make_unique<AcGeEllipArc2d>(*center, axis, AcGeVector2d(-axis.y, axis.x), radius, radius * *ratio, a0, a1);
}

std::unique_ptr<AcGeCurve2d> readSplineEdge(GroupCursor& in) {
  auto degree = in.integer(94);
  auto rational = in.integer(73);
  auto periodic = in.integer(74);
  auto knotCount = in.integer(95);
  auto pointCount = in.integer(96);
  if (!degree || !rational || !periodic || !knotCount || !pointCount) return nullptr;
  AcGeKnotVector knots;
  for (long long i = 0; i < *knotCount; ++i) {
    auto knot = in.real(40);
    if (!knot) return nullptr;
    knots.append(*knot);
  }
  AcGePoint2dArray points;
  AcGeDoubleArray weights;
  for (long long i = 0; i < *pointCount; ++i) {
    auto point = in.point(10);
    if (!point) return nullptr;
    points.append(*point);
    // Some writers put each weight after its control point, others all weights after the points.
    if (auto weight = in.real(42)) weights.append(*weight);
  }
  while (auto weight = in.real(42)) weights.append(*weight);
  // Fit data follows in newer files: a count, the fit points, then the end tangents.
  if (auto fitCount = in.integer(97)) {
    long long fitPoints = 0;
    while (fitPoints < *fitCount && in.point(11)) ++fitPoints;
    in.point(12);
    in.point(13);
  }
  int d = static_cast<int>(std::clamp<long long>(*degree, -1, 1 << 16));
  if (*rational != 0 && weights.length() == points.length())
    return std::make_unique<AcGeNurbCurve2d>(d, knots, points, weights, *periodic != 0);
  return std::make_unique<AcGeNurbCurve2d>(d, knots, points, *periodic != 0);
}

bool readEdgeLoop(GroupCursor& in, HatchLoop& loop) {
  auto count = in.integer(93);
  if (!count) return false;
  for (long long i = 0; i < *count; ++i) {
    auto type = in.integer(72);
    if (!type) return false;
    std::unique_ptr<AcGeCurve2d> edge;
    switch (*type) {
      case AcDbHatch::kLine: {
        auto start = in.point(10);
        auto end = in.point(11);
        if (start && end) edge = std::make_unique<AcGeLineSeg2d>(*start, *end);
        break;
      }
      case AcDbHatch::kCirArc: edge = readArcEdge(in); break;
      case AcDbHatch::kEllArc: edge = readEllipseEdge(in); break;
      case AcDbHatch::kSpline: edge = readSplineEdge(in); break;
      default: break;
    }
    if (!edge) return false;
    loop.edges.push_back(std::move(edge));
    loop.edgeTypes.push_back(static_cast<int>(*type));
  }
  return true;
}

bool readPolylineLoop(GroupCursor& in, HatchLoop& loop) {
  auto hasBulge = in.integer(72);
  auto closed = in.integer(73);
  auto count = in.integer(93);
  if (!hasBulge || !count) return false;
  loop.closed = !closed || *closed != 0;
  for (long long i = 0; i < *count; ++i) {
    auto vertex = in.point(10);
    if (!vertex) return false;
    loop.vertices.append(*vertex);
    auto bulge = in.real(42);
    if (*hasBulge != 0) loop.bulges.append(bulge.value_or(0.0));
  }
  return true;
}

// The source objects that made the loop: a count and handles, both optional in what writers produce.
void skipSourceObjects(GroupCursor& in) {
  DxfGroupView g;
  in.take(97, g);
  while (in.take(330, g)) continue;
}

// Skips to the next loop or to the groups after the boundary, whichever comes first.
void skipMalformedLoop(GroupCursor& in) {
  DxfGroupView g;
  while (in.next(g)) {
    if (g.code == 92 || isAfterBoundaryCode(g.code)) {
      in.back();
      return;
    }
  }
}

void readLoops(GroupCursor& in, long long count, std::vector<HatchLoop>& loops) {
  for (long long i = 0; i < count; ++i) {
    auto type = in.integer(92);
    if (!type) return;
    HatchLoop loop;
    loop.type = static_cast<Adesk::Int32>(*type);
    bool complete = loop.isPolyline() ? readPolylineLoop(in, loop) : readEdgeLoop(in, loop);
    if (!complete) {
      skipMalformedLoop(in);
      continue;
    }
    skipSourceObjects(in);
    loops.push_back(std::move(loop));
  }
}

}  // namespace

// A loop with truncated or unknown data is left out and reading goes on with the next loop; everything else
// the hatch has is kept.
Acad::ErrorStatus AcDbHatch::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbEntity::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  filer->atSubclassData(u"AcDbHatch");
  GroupCursor in(filer);
  acadsim::HatchData& data = *mData;
  bool seeds = false;
  DxfGroupView g;
  while (in.next(g)) {
    switch (g.code) {
      case 10:
        if (g.type != DxfGroupView::Type::Point) break;
        if (seeds) data.seedPoints.emplace_back(g.point[0], g.point[1]);
        else if (std::isfinite(g.point[2])) data.elevation = g.point[2];
        break;
      case 210:
        if (g.type == DxfGroupView::Type::Point && std::isfinite(g.point[0]) && std::isfinite(g.point[1]) &&
            std::isfinite(g.point[2]) && std::hypot(g.point[0], g.point[1], g.point[2]) > 0.0)
          data.normal = AcGeVector3d(g.point[0], g.point[1], g.point[2]).normal();
        break;
      case 2: data.patternName = Utf8ToWide(g.text); break;
      case 70: data.solidFill = g.integer != 0; break;
      case 91: readLoops(in, g.integer, data.loops); break;
      case 75:
        if (g.integer >= kNormal && g.integer <= kIgnore) data.style = HatchStyle(g.integer);
        break;
      case 76:
        if (g.integer >= kUserDefined && g.integer <= kCustomDefined) data.patternType = HatchPatternType(g.integer);
        break;
      case 52:
        if (std::isfinite(g.real)) data.patternAngle = g.real * kDegrees;
        break;
      case 41:
        if (std::isfinite(g.real) && g.real > 0.0) data.patternScale = g.real;
        break;
      case 98: seeds = true; break;
      default: break;  // associativity, pattern lines, pixel size, gradients
    }
  }
  return filer->filerStatus();
}
