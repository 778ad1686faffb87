// Pattern lines of a hatch, read from its record and clipped to its loops.
#include "HatchPattern.h"

#include <dbhatch.h>

#include <algorithm>
#include <cmath>

namespace acadsim::gs {

namespace {

struct PatternLine {
  double angle = 0;  // radians
  AcGePoint2d base;
  AcGeVector2d offset;
};

std::vector<PatternLine> definitionLines(const AcDbHatch& hatch) {
  std::vector<PatternLine> lines;
  const DxfData& data = hatch.dxfSubclassData();
  bool inPattern = false;
  for (size_t i = 0; i < data.size(); ++i) {
    int code = data.code(i);
    if (code == 78) {
      inPattern = true;
      continue;
    }
    if (!inPattern) continue;
    if (code == 47 || code == 98 || code == 450) break;
    bool real = data.type(i) == DxfData::Type::Real;
    if (code == 53 && real) {
      lines.push_back({data.real(i) * M_PI / 180, {}, {}});
    } else if (!lines.empty() && real) {
      PatternLine& line = lines.back();
      if (code == 43) line.base.x = data.real(i);
      if (code == 44) line.base.y = data.real(i);
      if (code == 45) line.offset.x = data.real(i);
      if (code == 46) line.offset.y = data.real(i);
    }
  }
  return lines;
}

// The parameters along origin + t * dir where the line crosses the loops' edges, sorted.
std::vector<double> crossings(const AcGePoint2d& origin, const AcGeVector2d& dir,
                              const std::vector<std::vector<AcGePoint2d>>& loops) {
  std::vector<double> ts;
  AcGeVector2d normal(-dir.y, dir.x);
  for (const auto& loop : loops)
    for (size_t i = 0, n = loop.size(); i < n; ++i) {
      const AcGePoint2d &a = loop[i], &b = loop[(i + 1) % n];
      double da = (a - origin).dotProduct(normal), db = (b - origin).dotProduct(normal);
      if ((da < 0) == (db < 0)) continue;  // both on one side (a touching end counts on one side only)
      double s = da / (da - db);
      AcGePoint2d hit = a + (b - a) * s;
      ts.push_back((hit - origin).dotProduct(dir));
    }
  std::sort(ts.begin(), ts.end());
  return ts;
}

}  // namespace

std::vector<PlanSegment> patternSegments(const AcDbHatch& hatch, const std::vector<std::vector<AcGePoint2d>>& loops,
                                         int maxLines) {
  std::vector<PlanSegment> segments;
  for (const PatternLine& line : definitionLines(hatch)) {
    AcGeVector2d dir(std::cos(line.angle), std::sin(line.angle)), normal(-dir.y, dir.x);
    double spacing = line.offset.dotProduct(normal);
    if (!(std::fabs(spacing) > 1e-12)) continue;
    double low = 1e300, high = -1e300;
    for (const auto& loop : loops)
      for (const AcGePoint2d& p : loop) {
        double k = (p - line.base).dotProduct(normal) / spacing;
        low = std::min(low, k), high = std::max(high, k);
      }
    if (low > high) continue;
    if (high - low > maxLines) return {};
    for (double k = std::ceil(low); k <= high; ++k) {
      AcGePoint2d origin = line.base + line.offset * k;
      std::vector<double> ts = crossings(origin, dir, loops);
      for (size_t i = 0; i + 1 < ts.size(); i += 2)
        segments.emplace_back(origin + dir * ts[i], origin + dir * ts[i + 1]);
    }
  }
  return segments;
}

}  // namespace acadsim::gs
