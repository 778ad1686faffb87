#include "AcisSolid.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>
#include <vector>

namespace acadsim {
namespace {

constexpr double kTwoPi = 6.283185307179586476925286766559;

bool isPolyhedral(const AcisModel& model) {
  for (const AcisFace& face : model.faces) {
    if (face.surface.kind != AcisSurfaceKind::kPlane || face.loops.empty()) return false;
    for (const AcisLoop& loop : face.loops)
      for (const AcisEdge& edge : loop.edges)
        if (edge.kind != AcisCurveKind::kLine) return false;
  }
  return true;
}

// Closed shells run along every edge once in each direction.
bool shellsAreClosed(const AcisModel& model) {
  std::map<std::pair<int, int>, int> runs;
  for (const AcisFace& face : model.faces)
    for (const AcisLoop& loop : face.loops)
      for (const AcisEdge& edge : loop.edges) ++runs[{edge.startVertex, edge.endVertex}];
  for (const auto& [ends, count] : runs) {
    auto back = runs.find({ends.second, ends.first});
    if (back == runs.end() || back->second != count) return false;
  }
  return true;
}

std::unique_ptr<SolidBody> polyhedronOf(const AcisModel& model) {
  std::vector<PolyhedronFace> faces;
  faces.reserve(model.faces.size());
  for (const AcisFace& face : model.faces) {
    PolyhedronFace out;
    for (const AcisLoop& loop : face.loops) {
      std::vector<AcGePoint3d> points;
      points.reserve(loop.edges.size());
      for (const AcisEdge& edge : loop.edges) points.push_back(edge.start);
      out.loops.push_back(std::move(points));
    }
    faces.push_back(std::move(out));
  }
  return std::make_unique<SolidBody>(SolidBody::polyhedron(std::move(faces)));
}

AcGeMatrix3d placementAlong(const AcGePoint3d& origin, const AcGeVector3d& xAxis, const AcGeVector3d& zAxis) {
  AcGeMatrix3d m;
  return m.setCoordSystem(origin, xAxis, zAxis.crossProduct(xAxis), zAxis);
}

std::unique_ptr<SolidBody> closedSurfaceOf(const AcisFace& face) {
  const AcisSurface& s = face.surface;
  if (face.inward || !face.loops.empty()) return nullptr;
  if (s.kind == AcisSurfaceKind::kSphere && s.majorRadius > 0.0)
    return std::make_unique<SolidBody>(SolidBody::sphere(s.majorRadius, AcGeMatrix3d::translation(s.origin - AcGePoint3d::kOrigin)));
  // A spindle torus (tube radius not below the ring radius) overlaps itself: not interpreted.
  if (s.kind == AcisSurfaceKind::kTorus && s.minorRadius > 0.0 && s.majorRadius > s.minorRadius) {
    AcGeMatrix3d placement = AcGeMatrix3d::planeToWorld(s.normal);
    placement.preMultBy(AcGeMatrix3d::translation(s.origin - AcGePoint3d::kOrigin));
    return std::make_unique<SolidBody>(SolidBody::torus(s.majorRadius, s.minorRadius, placement));
  }
  return nullptr;
}

// A cone or cylinder face closed by one or two planar caps, each a full ellipse square to the axis.
std::unique_ptr<SolidBody> frustumOf(const AcisModel& model) {
  const AcisFace* side = nullptr;
  std::vector<const AcisFace*> caps;
  for (const AcisFace& face : model.faces) {
    if (face.surface.kind == AcisSurfaceKind::kCone && side == nullptr) side = &face;
    else if (face.surface.kind == AcisSurfaceKind::kPlane) caps.push_back(&face);
    else return nullptr;
  }
  if (side == nullptr || side->inward || caps.empty() || caps.size() > 2) return nullptr;
  const AcisSurface& cone = side->surface;
  AcGeVector3d axis = cone.normal;
  double major = cone.majorAxis.length();
  if (std::fabs(cone.majorAxis.dotProduct(axis)) > 1e-9 * major) return nullptr;
  // The section at t along the axis is the base ellipse scaled by 1 + t * slope.
  double slope = cone.sineAngle / (cone.cosineAngle * major);
  auto scaleAt = [&](double t) { return 1.0 + t * slope; };

  bool haveLow = false, haveHigh = false;
  double low = 0.0, high = 0.0;
  for (const AcisFace* cap : caps) {
    if (cap->loops.size() != 1 || cap->loops[0].edges.size() != 1) return nullptr;
    const AcisEdge& rim = cap->loops[0].edges[0];
    if (rim.kind != AcisCurveKind::kEllipse || rim.endAngle - rim.startAngle < kTwoPi - 1e-9) return nullptr;
    double facing = cap->surface.normal.dotProduct(axis);
    if (std::fabs(std::fabs(facing) - 1.0) > 1e-9) return nullptr;
    // The rim lies in the cap's plane, centred on the axis, as wide as the side is there.
    AcGeVector3d fromBase = rim.center - cone.origin;
    double t = fromBase.dotProduct(axis);
    double tolerance = 1e-9 * (major + std::fabs(t));
    if (std::fabs((rim.center - cap->surface.origin).dotProduct(cap->surface.normal)) > tolerance ||
        fromBase.crossProduct(axis).length() > tolerance ||
        std::fabs(rim.majorAxis.length() - major * scaleAt(t)) > 1e-6 * major)
      return nullptr;
    bool top = facing > 0.0;
    if ((top && haveHigh) || (!top && haveLow)) return nullptr;
    (top ? high : low) = t;
    (top ? haveHigh : haveLow) = true;
  }
  // A single cap closes a cone whose other end is its apex.
  if (!haveLow || !haveHigh) {
    if (slope == 0.0) return nullptr;
    (haveLow ? high : low) = -1.0 / slope;
  }
  double lowScale = scaleAt(low), highScale = scaleAt(high);
  if (!(high > low) || lowScale < -1e-9 || highScale < -1e-9 || (lowScale < 1e-12 && highScale < 1e-12)) return nullptr;
  AcGeMatrix3d placement = placementAlong(cone.origin + axis * ((low + high) / 2.0), cone.majorAxis / major, axis);
  return std::make_unique<SolidBody>(SolidBody::frustum(high - low, major * std::max(0.0, lowScale),
                                                        major * std::max(0.0, highScale), cone.radiusRatio, placement));
}

}  // namespace

Acad::ErrorStatus solidFromAcis(const AcisModel& model, std::unique_ptr<SolidBody>& body) {
  body.reset();
  if (model.faces.empty()) return Acad::eDegenerateGeometry;
  if (isPolyhedral(model)) {
    if (!shellsAreClosed(model)) return Acad::eDegenerateGeometry;
    body = polyhedronOf(model);
    return Acad::eOk;
  }
  if (model.lumpCount == 1) body = model.faces.size() == 1 ? closedSurfaceOf(model.faces[0]) : frustumOf(model);
  return body != nullptr ? Acad::eOk : Acad::eNotImplementedYet;
}

}  // namespace acadsim
