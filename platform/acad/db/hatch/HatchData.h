// What a hatch holds: its pattern and plane, its boundary loops and seed points.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include <dbhatch.h>

namespace acadsim {

struct HatchLoop {
  Adesk::Int32 type = AcDbHatch::kDefault;
  // Polyline loops: the vertices as stored (a closed loop does not repeat its first one), bulges empty or one
  // per vertex.
  AcGePoint2dArray vertices;
  AcGeDoubleArray bulges;
  bool closed = true;
  // Edge loops: the edges in order with their AcDbHatch::HatchEdgeType.
  std::vector<std::unique_ptr<AcGeCurve2d>> edges;
  std::vector<int> edgeTypes;

  bool isPolyline() const { return (type & AcDbHatch::kPolyline) != 0; }
};

struct HatchData {
  std::u16string patternName;
  AcDbHatch::HatchPatternType patternType = AcDbHatch::kPreDefined;
  bool solidFill = false;
  AcDbHatch::HatchStyle style = AcDbHatch::kNormal;
  double elevation = 0.0;
  AcGeVector3d normal = AcGeVector3d::kZAxis;
  double patternAngle = 0.0;
  double patternScale = 1.0;
  std::vector<HatchLoop> loops;
  std::vector<AcGePoint2d> seedPoints;
};

}  // namespace acadsim
