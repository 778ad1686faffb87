// AcDbHatch: a filled area bounded by loops.
#include <dbhatch.h>

#include <cmath>

#include "HatchData.h"

ACRX_DXF_DEFINE_MEMBERS(AcDbHatch, AcDbEntity, 0, 0, 0, HATCH, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbHatch);
AcDbHatch::AcDbHatch() : mData(std::make_unique<acadsim::HatchData>()) {}
AcDbHatch::~AcDbHatch() = default;

namespace {

bool finitePoint(const AcGePoint2d& p) { return std::isfinite(p.x) && std::isfinite(p.y); }

// The geometry class each edge type must have.
bool edgeMatchesType(const AcGeCurve2d* edge, int edgeType) {
  switch (edgeType) {
    case AcDbHatch::kLine: return edge->isKindOf(AcGe::kLineSeg2d);
    case AcDbHatch::kCirArc: return edge->isKindOf(AcGe::kCircArc2d);
    case AcDbHatch::kEllArc: return edge->isKindOf(AcGe::kEllipArc2d);
    case AcDbHatch::kSpline: return edge->isKindOf(AcGe::kNurbCurve2d);
    default: return false;
  }
}

}  // namespace

Acad::ErrorStatus AcDbHatch::checkWritable() const {
  return !objectId().isNull() && !isWriteEnabled() ? Acad::eNotOpenForWrite : Acad::eOk;
}

const ACHAR* AcDbHatch::patternName() const { return mData->patternName.c_str(); }
AcDbHatch::HatchPatternType AcDbHatch::patternType() const { return mData->patternType; }

Acad::ErrorStatus AcDbHatch::setPattern(HatchPatternType type, const ACHAR* name) {
  if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk) return es;
  if (name == nullptr || type < kUserDefined || type > kCustomDefined) return Acad::eInvalidInput;
  mData->patternType = type;
  mData->patternName = name;
  mData->solidFill = mData->patternName == u"SOLID";
  return Acad::eOk;
}

bool AcDbHatch::isSolidFill() const { return mData->solidFill; }
AcDbHatch::HatchStyle AcDbHatch::hatchStyle() const { return mData->style; }
double AcDbHatch::elevation() const { return mData->elevation; }
AcGeVector3d AcDbHatch::normal() const { return mData->normal; }
double AcDbHatch::patternAngle() const { return mData->patternAngle; }
double AcDbHatch::patternScale() const { return mData->patternScale; }
int AcDbHatch::numSeedPoints() const { return static_cast<int>(mData->seedPoints.size()); }

// An index past the seed points gives the origin.
const AcGePoint2d& AcDbHatch::getSeedPointAt(unsigned int index) const {
  return index < mData->seedPoints.size() ? mData->seedPoints[index] : AcGePoint2d::kOrigin;
}

int AcDbHatch::numLoops() const { return static_cast<int>(mData->loops.size()); }

// A loop that is not there has type kDefault (0).
Adesk::Int32 AcDbHatch::loopTypeAt(int loopIndex) const {
  if (loopIndex < 0 || loopIndex >= numLoops()) return kDefault;
  return mData->loops[static_cast<size_t>(loopIndex)].type;
}

Acad::ErrorStatus AcDbHatch::getLoopAt(int loopIndex, Adesk::Int32& loopType, AcGeVoidPointerArray& edgePtrs,
                                       AcGeIntArray& edgeTypes) const {
  if (loopIndex < 0 || loopIndex >= numLoops()) return Acad::eInvalidIndex;
  const acadsim::HatchLoop& loop = mData->loops[static_cast<size_t>(loopIndex)];
  if (loop.isPolyline()) return Acad::eWrongObjectType;
  loopType = loop.type;
  edgePtrs.removeAll();
  edgeTypes.removeAll();
  for (size_t i = 0; i < loop.edges.size(); ++i) {
    edgePtrs.append(loop.edges[i].get());
    edgeTypes.append(loop.edgeTypes[i]);
  }
  return Acad::eOk;
}

// eWrongObjectType for an edge loop. A loop the file marks open is handed out as it is, without the closing
// vertex, so it bounds nothing.
Acad::ErrorStatus AcDbHatch::getLoopAt(int loopIndex, Adesk::Int32& loopType, AcGePoint2dArray& vertices,
                                       AcGeDoubleArray& bulges) const {
  if (loopIndex < 0 || loopIndex >= numLoops()) return Acad::eInvalidIndex;
  const acadsim::HatchLoop& loop = mData->loops[static_cast<size_t>(loopIndex)];
  if (!loop.isPolyline()) return Acad::eWrongObjectType;
  loopType = loop.type;
  vertices = loop.vertices;
  bulges = loop.bulges;
  bool repeatsFirst = vertices.length() > 1 && vertices.first().isEqualTo(vertices.last(), 0.0);
  if (loop.closed && !vertices.isEmpty() && !repeatsFirst) {
    vertices.append(vertices.first());
    if (!bulges.isEmpty()) bulges.append(0.0);
  }
  return Acad::eOk;
}

// eInvalidInput for a polyline loop type, an edge of the wrong class for its type, or a null edge.
Acad::ErrorStatus AcDbHatch::appendLoop(Adesk::Int32 loopType, const AcGeVoidPointerArray& edgePtrs,
                                        const AcGeIntArray& edgeTypes) {
  if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk) return es;
  if ((loopType & kPolyline) != 0 || edgePtrs.length() != edgeTypes.length() || edgePtrs.isEmpty())
    return Acad::eInvalidInput;
  acadsim::HatchLoop loop;
  loop.type = loopType;
  for (int i = 0; i < edgePtrs.length(); ++i) {
    const auto* edge = static_cast<const AcGeCurve2d*>(edgePtrs[i]);
    if (edge == nullptr || !edgeMatchesType(edge, edgeTypes[i])) return Acad::eInvalidInput;
    loop.edges.emplace_back(static_cast<AcGeCurve2d*>(edge->copy()));
    loop.edgeTypes.push_back(edgeTypes[i]);
  }
  mData->loops.push_back(std::move(loop));
  return Acad::eOk;
}

// The loop counts as closed and gets the kPolyline bit; bulges are empty or one per vertex (eInvalidInput
// otherwise, and for fewer than two vertices or coordinates that are not finite).
Acad::ErrorStatus AcDbHatch::appendLoop(Adesk::Int32 loopType, const AcGePoint2dArray& vertices,
                                        const AcGeDoubleArray& bulges) {
  if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk) return es;
  if (vertices.length() < 2 || (!bulges.isEmpty() && bulges.length() != vertices.length())) return Acad::eInvalidInput;
  for (const AcGePoint2d& p : vertices)
    if (!finitePoint(p)) return Acad::eInvalidInput;
  for (double b : bulges)
    if (!std::isfinite(b)) return Acad::eInvalidInput;
  acadsim::HatchLoop loop;
  loop.type = loopType | kPolyline;
  loop.vertices = vertices;
  loop.bulges = bulges;
  mData->loops.push_back(std::move(loop));
  return Acad::eOk;
}

Acad::ErrorStatus AcDbHatch::removeLoopAt(int loopIndex) {
  if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk) return es;
  if (loopIndex < 0 || loopIndex >= numLoops()) return Acad::eInvalidIndex;
  mData->loops.erase(mData->loops.begin() + loopIndex);
  return Acad::eOk;
}
