#include "PolyhedronMoments.h"

namespace acadsim {
namespace {

// Every loop edge with the point it starts from and the point it runs to.
template <class Visit>
void forEachEdge(const std::vector<AcGePoint3d>& loop, Visit visit) {
  for (size_t i = 0; i < loop.size(); ++i) visit(loop[i], loop[(i + 1) % loop.size()]);
}

const AcGePoint3d* firstPoint(const std::vector<PolyhedronFace>& faces) {
  for (const PolyhedronFace& face : faces)
    for (const auto& loop : face.loops)
      if (!loop.empty()) return &loop.front();
  return nullptr;
}

}  // namespace

MassMoments polyhedronMoments(const std::vector<PolyhedronFace>& faces) {
  MassMoments m;
  const AcGePoint3d* reference = firstPoint(faces);
  if (reference == nullptr) return m;
  // Coordinates relative to a vertex keep the sums free of the cancellation far from the origin brings.
  AcGePoint3d r0 = *reference;
  for (const PolyhedronFace& face : faces) {
    const AcGePoint3d* apex = nullptr;
    for (const auto& loop : face.loops)
      if (!loop.empty() && apex == nullptr) apex = &loop.front();
    if (apex == nullptr) continue;
    AcGeVector3d q = *apex - r0;
    // The face as a fan of signed triangles from q, each the base of a tetrahedron with its tip at r0.
    for (const auto& loop : face.loops)
      forEachEdge(loop, [&](const AcGePoint3d& pa, const AcGePoint3d& pb) {
        AcGeVector3d a = pa - r0, b = pb - r0;
        double d = q.dotProduct(a.crossProduct(b));
        if (d == 0.0) return;
        double v[3][3] = {{q.x, q.y, q.z}, {a.x, a.y, a.z}, {b.x, b.y, b.z}};
        double s[3] = {q.x + a.x + b.x, q.y + a.y + b.y, q.z + a.z + b.z};
        m.volume += d / 6.0;
        for (int i = 0; i < 3; ++i) {
          m.first[i] += d / 24.0 * s[i];
          for (int j = 0; j < 3; ++j)
            m.second[i][j] += d / 120.0 * (v[0][i] * v[0][j] + v[1][i] * v[1][j] + v[2][i] * v[2][j] + s[i] * s[j]);
        }
      });
  }
  return transformMoments(m, AcGeMatrix3d::translation(r0 - AcGePoint3d::kOrigin));
}

double polyhedronArea(const std::vector<PolyhedronFace>& faces) {
  double area = 0.0;
  for (const PolyhedronFace& face : faces) {
    AcGeVector3d twice;
    const AcGePoint3d* apex = nullptr;
    for (const auto& loop : face.loops) {
      if (loop.empty()) continue;
      if (apex == nullptr) apex = &loop.front();
      forEachEdge(loop, [&](const AcGePoint3d& a, const AcGePoint3d& b) { twice = twice + (a - *apex).crossProduct(b - *apex); });
    }
    area += twice.length() / 2.0;
  }
  return area;
}

AcDbExtents polyhedronExtents(const std::vector<PolyhedronFace>& faces) {
  AcDbExtents box;
  for (const PolyhedronFace& face : faces)
    for (const auto& loop : face.loops)
      for (const AcGePoint3d& p : loop) box.addPoint(p);
  return box;
}

}  // namespace acadsim
