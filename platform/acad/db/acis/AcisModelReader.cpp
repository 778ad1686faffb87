// SAT records into faces: body, lump, shell, face, loop, coedge, edge, vertex, point, the plane, cone, sphere
// and torus surfaces, the straight and ellipse curves, and the body's transform.
#include <acadsim/AcisModel.h>

#include <algorithm>
#include <cmath>
#include <utility>

#include "SatRecords.h"

namespace acadsim {
namespace {

constexpr double kTwoPi = 6.283185307179586476925286766559;

// "tedge-edge" is an edge, "coedge" is not.
bool isKind(std::string_view type, std::string_view base) {
  if (type == base) return true;
  return type.size() > base.size() && type[type.size() - base.size() - 1] == '-' &&
         type.substr(type.size() - base.size()) == base;
}

// The body's placement: p' = scale * R p + t with R a rotation or a reflection.
struct Placement {
  double r[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
  AcGeVector3d t;
  double scale = 1.0;
  bool reflects = false;

  AcGeVector3d rotate(const AcGeVector3d& v) const {
    return {r[0][0] * v.x + r[0][1] * v.y + r[0][2] * v.z, r[1][0] * v.x + r[1][1] * v.y + r[1][2] * v.z,
            r[2][0] * v.x + r[2][1] * v.y + r[2][2] * v.z};
  }
  AcGePoint3d point(const AcGePoint3d& p) const {
    return AcGePoint3d::kOrigin + rotate(p - AcGePoint3d::kOrigin) * scale + t;
  }
  AcGeVector3d vector(const AcGeVector3d& v) const { return rotate(v) * scale; }
  // Directions that orient something (normals, axes of turning) change side under a reflection.
  AcGeVector3d orientation(const AcGeVector3d& v) const { return reflects ? -rotate(v) : rotate(v); }
};

double parametricAngle(const AcisEdge& e, const AcGePoint3d& p) {
  double major = e.majorAxis.length();
  AcGeVector3d u = e.majorAxis / major;
  AcGeVector3d v = e.normal.crossProduct(u);
  AcGeVector3d d = p - e.center;
  return std::atan2(d.dotProduct(v) / e.radiusRatio, d.dotProduct(u));
}

class ModelBuilder {
 public:
  ModelBuilder(const SatDocument& document, AcisModel& model) : doc_(document), model_(model) {}

  Acad::ErrorStatus build() {
    model_.version = doc_.version;
    for (const SatRecord& rec : doc_.records) {
      if (!isKind(rec.type, "body")) continue;
      readBody(rec);
      if (status_ != Acad::eOk) return status_;
    }
    return status_;
  }

 private:
  void fail(Acad::ErrorStatus es = Acad::eInvalidInput) {
    if (status_ == Acad::eOk) status_ = es;
  }

  // The record a pointer names, or null for $-1; a pointer outside the file or to another kind fails.
  const SatRecord* follow(long long pointer, std::string_view kind) {
    if (pointer < 0) return nullptr;
    if (pointer >= static_cast<long long>(doc_.records.size())) {
      fail();
      return nullptr;
    }
    const SatRecord& rec = doc_.records[static_cast<size_t>(pointer)];
    if (!isKind(rec.type, kind)) {
      fail();
      return nullptr;
    }
    return &rec;
  }
  long long indexOf(const SatRecord* rec) const { return rec - doc_.records.data(); }

  // The record's n-th pointer field, or -1 (and a failure) when it has fewer.
  long long pointerAt(const SatRecord& rec, size_t n) {
    size_t seen = 0;
    for (const SatToken& f : rec.fields) {
      if (f.kind != SatToken::Kind::Pointer) continue;
      if (seen++ == n) return f.pointer;
    }
    fail();
    return -1;
  }
  // The first count fields as numbers, from field first on.
  bool numbersAt(const SatRecord& rec, size_t first, size_t count, double* out) {
    if (rec.fields.size() < first + count) {
      fail();
      return false;
    }
    for (size_t i = 0; i < count; ++i) {
      const SatToken& f = rec.fields[first + i];
      if (f.kind != SatToken::Kind::Number) {
        fail();
        return false;
      }
      out[i] = f.number;
    }
    return true;
  }
  static bool hasWord(const SatRecord& rec, std::string_view word) {
    for (const SatToken& f : rec.fields)
      if (f.kind == SatToken::Kind::Word && f.text == word) return true;
    return false;
  }
  bool unitVector(const double* xyz, AcGeVector3d& out) {
    AcGeVector3d v(xyz[0], xyz[1], xyz[2]);
    double length = v.length();
    if (!(length > 1e-12)) {
      fail();
      return false;
    }
    out = v / length;
    return true;
  }
  // Steps along a chain of records are bounded by the record count, so a cycle cannot hang the reader.
  bool step(size_t& steps) {
    if (++steps > doc_.records.size()) {
      fail();
      return false;
    }
    return true;
  }

  void readBody(const SatRecord& body) {
    Placement placement;
    if (const SatRecord* transform = follow(pointerAt(body, 2), "transform")) readTransform(*transform, placement);
    size_t steps = 0;
    for (const SatRecord* lump = follow(pointerAt(body, 0), "lump"); lump != nullptr && status_ == Acad::eOk;
         lump = follow(pointerAt(*lump, 0), "lump")) {
      if (!step(steps)) return;
      ++model_.lumpCount;
      for (const SatRecord* shell = follow(pointerAt(*lump, 1), "shell"); shell != nullptr && status_ == Acad::eOk;
           shell = follow(pointerAt(*shell, 0), "shell")) {
        if (!step(steps)) return;
        for (const SatRecord* face = follow(pointerAt(*shell, 2), "face"); face != nullptr && status_ == Acad::eOk;
             face = follow(pointerAt(*face, 0), "face")) {
          if (!step(steps)) return;
          readFace(*face, placement);
        }
      }
    }
  }

  void readTransform(const SatRecord& rec, Placement& placement) {
    double n[13];
    if (!numbersAt(rec, 0, 13, n)) return;
    // SAT writes the images of the three axes, then the translation and the scale.
    for (int axis = 0; axis < 3; ++axis)
      for (int row = 0; row < 3; ++row) placement.r[row][axis] = n[3 * axis + row];
    placement.t = AcGeVector3d(n[9], n[10], n[11]);
    placement.scale = n[12];
    if (!(placement.scale > 0.0)) return fail();
    double det = 0.0;
    for (int c = 0; c < 3; ++c)
      det += placement.r[0][c] * (placement.r[1][(c + 1) % 3] * placement.r[2][(c + 2) % 3] -
                                  placement.r[1][(c + 2) % 3] * placement.r[2][(c + 1) % 3]);
    bool orthonormal = true;
    for (int a = 0; a < 3; ++a)
      for (int b = 0; b < 3; ++b) {
        double dot = 0.0;
        for (int k = 0; k < 3; ++k) dot += placement.r[k][a] * placement.r[k][b];
        if (std::fabs(dot - (a == b ? 1.0 : 0.0)) > 1e-9) orthonormal = false;
      }
    // A sheared or non-uniformly scaled body is beyond what the host interprets.
    if (!orthonormal || hasWord(rec, "shear")) return fail(Acad::eNotImplementedYet);
    placement.reflects = det < 0.0;
  }

  void readFace(const SatRecord& rec, const Placement& placement) {
    AcisFace face;
    bool faceReversed = hasWord(rec, "reversed");
    const SatRecord* surface = follow(pointerAt(rec, 4), "surface");
    if (status_ != Acad::eOk) return;
    if (surface != nullptr) readSurface(*surface, faceReversed, placement, face);
    size_t steps = 0;
    for (const SatRecord* loop = follow(pointerAt(rec, 1), "loop"); loop != nullptr && status_ == Acad::eOk;
         loop = follow(pointerAt(*loop, 0), "loop")) {
      if (!step(steps)) return;
      AcisLoop out;
      readLoop(*loop, placement, out);
      if (!out.edges.empty()) face.loops.push_back(std::move(out));
    }
    if (status_ == Acad::eOk) model_.faces.push_back(std::move(face));
  }

  void readSurface(const SatRecord& rec, bool faceReversed, const Placement& placement, AcisFace& face) {
    AcisSurface& s = face.surface;
    double n[11];
    if (rec.type == "plane-surface") {
      AcGeVector3d normal;
      if (!numbersAt(rec, 0, 6, n) || !unitVector(n + 3, normal)) return;
      s.kind = AcisSurfaceKind::kPlane;
      s.origin = placement.point({n[0], n[1], n[2]});
      s.normal = placement.rotate(faceReversed ? -normal : normal);
    } else if (rec.type == "cone-surface") {
      readCone(rec, faceReversed, placement, face);
    } else if (rec.type == "sphere-surface") {
      AcGeVector3d pole;
      if (!numbersAt(rec, 0, 10, n) || !unitVector(n + 7, pole)) return;
      s.kind = AcisSurfaceKind::kSphere;
      s.origin = placement.point({n[0], n[1], n[2]});
      s.normal = placement.rotate(pole);
      s.majorRadius = std::fabs(n[3]) * placement.scale;
      // A negative radius turns the surface normals towards the centre.
      face.inward = faceReversed != (n[3] < 0.0);
    } else if (rec.type == "torus-surface") {
      AcGeVector3d axis;
      if (!numbersAt(rec, 0, 8, n) || !unitVector(n + 3, axis)) return;
      s.kind = AcisSurfaceKind::kTorus;
      s.origin = placement.point({n[0], n[1], n[2]});
      s.normal = placement.rotate(axis);
      s.majorRadius = n[6] * placement.scale;
      s.minorRadius = std::fabs(n[7]) * placement.scale;
      face.inward = faceReversed != (n[7] < 0.0);
    }
  }

  // Base ellipse (centre, axis, major axis, ratio), its parameter range, then the half angle's sine and
  // cosine, in later versions a parameter scale, and the surface's sense.
  void readCone(const SatRecord& rec, bool faceReversed, const Placement& placement, AcisFace& face) {
    double n[10];
    AcGeVector3d axis;
    if (!numbersAt(rec, 0, 10, n) || !unitVector(n + 3, axis)) return;
    size_t i = 10;
    for (int range = 0; range < 2 && i < rec.fields.size() && rec.fields[i].kind == SatToken::Kind::Word; ++range) {
      if (rec.fields[i].text == "F") ++i;
      else if (rec.fields[i].text != "I") break;
      ++i;
    }
    double angle[2];
    if (!numbersAt(rec, i, 2, angle)) return;
    AcGeVector3d major(n[6], n[7], n[8]);
    // A cosine below zero or a degenerate base ellipse is a form the host does not interpret.
    if (angle[1] <= 0.0 || !(major.length() > 1e-12) || !(n[9] > 0.0) || n[9] > 1.0 + 1e-12) return;
    AcisSurface& s = face.surface;
    s.kind = AcisSurfaceKind::kCone;
    s.origin = placement.point({n[0], n[1], n[2]});
    s.normal = placement.rotate(axis);
    s.majorAxis = placement.vector(major);
    s.radiusRatio = n[9];
    s.sineAngle = angle[0];
    s.cosineAngle = angle[1];
    face.inward = faceReversed != hasWord(rec, "reversed");
  }

  void readLoop(const SatRecord& loop, const Placement& placement, AcisLoop& out) {
    const SatRecord* first = follow(pointerAt(loop, 1), "coedge");
    size_t steps = 0;
    for (const SatRecord* coedge = first; coedge != nullptr && status_ == Acad::eOk;) {
      if (!step(steps)) return;
      readCoedge(*coedge, placement, out);
      coedge = follow(pointerAt(*coedge, 0), "coedge");
      if (coedge == first) break;
    }
    if (status_ != Acad::eOk || out.edges.empty()) return;
    for (size_t k = 0; k < out.edges.size(); ++k)
      if (out.edges[k].endVertex != out.edges[(k + 1) % out.edges.size()].startVertex) return fail();
    // A reflection turns loops round; running them backwards keeps outer loops counter-clockwise.
    if (placement.reflects) reverseLoop(out);
  }

  static void reverseLoop(AcisLoop& loop) {
    std::reverse(loop.edges.begin(), loop.edges.end());
    for (AcisEdge& e : loop.edges) {
      std::swap(e.start, e.end);
      std::swap(e.startVertex, e.endVertex);
      if (e.kind != AcisCurveKind::kEllipse) continue;
      e.normal = -e.normal;
      double start = -e.endAngle;
      e.endAngle = -e.startAngle;
      e.startAngle = start;
    }
  }

  static bool coedgeReversed(const SatRecord& rec) {
    size_t pointers = 0;
    for (const SatToken& f : rec.fields) {
      if (f.kind == SatToken::Kind::Pointer) {
        ++pointers;
        continue;
      }
      // The sense follows the next, previous, partner and edge pointers; old writers give it as 0 or 1.
      if (pointers == 4) return f.kind == SatToken::Kind::Word ? f.text == "reversed" : f.number == 1.0;
    }
    return false;
  }

  void readCoedge(const SatRecord& coedge, const Placement& placement, AcisLoop& out) {
    const SatRecord* edge = follow(pointerAt(coedge, 3), "edge");
    if (edge == nullptr) return fail();
    const SatRecord* startVertex = follow(pointerAt(*edge, 0), "vertex");
    const SatRecord* endVertex = follow(pointerAt(*edge, 1), "vertex");
    if (startVertex == nullptr || endVertex == nullptr) return fail();
    long long curvePointer = pointerAt(*edge, 3);
    const SatRecord* curve = follow(curvePointer, "curve");
    AcGePoint3d startPoint, endPoint;
    if (!vertexPoint(*startVertex, placement, startPoint) || !vertexPoint(*endVertex, placement, endPoint)) return;
    // An edge without a curve is a single point, such as a cone's apex.
    if (curve == nullptr) return;

    bool along = !coedgeReversed(coedge);
    AcisEdge e;
    e.start = along ? startPoint : endPoint;
    e.end = along ? endPoint : startPoint;
    e.startVertex = static_cast<int>(indexOf(along ? startVertex : endVertex));
    e.endVertex = static_cast<int>(indexOf(along ? endVertex : startVertex));
    if (isKind(curve->type, "straight-curve")) {
      e.kind = AcisCurveKind::kLine;
    } else if (curve->type == "ellipse-curve") {
      double n[10];
      AcGeVector3d normal;
      if (!numbersAt(*curve, 0, 10, n) || !unitVector(n + 3, normal)) return;
      AcGeVector3d major(n[6], n[7], n[8]);
      if (!(major.length() > 1e-12) || !(n[9] > 0.0)) return fail();
      // The edge follows its curve unless the edge or the coedge turns it round.
      bool edgeReversed = hasWord(*edge, "reversed");
      bool forwardOnCurve = along != edgeReversed;
      e.kind = AcisCurveKind::kEllipse;
      e.center = placement.point({n[0], n[1], n[2]});
      e.normal = placement.orientation(forwardOnCurve ? normal : -normal);
      e.majorAxis = placement.vector(major);
      e.radiusRatio = n[9];
      e.startAngle = parametricAngle(e, e.start);
      double sweep = parametricAngle(e, e.end) - e.startAngle;
      while (sweep <= 0.0) sweep += kTwoPi;
      if (e.startVertex == e.endVertex || sweep > kTwoPi - 1e-12) sweep = kTwoPi;
      e.endAngle = e.startAngle + sweep;
    } else {
      e.kind = AcisCurveKind::kOther;
    }
    out.edges.push_back(e);
  }

  bool vertexPoint(const SatRecord& vertex, const Placement& placement, AcGePoint3d& out) {
    const SatRecord* point = follow(pointerAt(vertex, 1), "point");
    double n[3];
    if (point == nullptr) {
      fail();
      return false;
    }
    if (!numbersAt(*point, 0, 3, n)) return false;
    out = placement.point({n[0], n[1], n[2]});
    return true;
  }

  const SatDocument& doc_;
  AcisModel& model_;
  Acad::ErrorStatus status_ = Acad::eOk;
};

}  // namespace

Acad::ErrorStatus readAcisModel(std::string_view sat, AcisModel& model) {
  model = AcisModel{};
  SatDocument document;
  Acad::ErrorStatus es = readSatRecords(sat, document);
  if (es != Acad::eOk) return es;
  ModelBuilder builder(document, model);
  es = builder.build();
  if (es != Acad::eOk) model = AcisModel{};
  return es;
}

}  // namespace acadsim
