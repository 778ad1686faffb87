// Writes polyhedra as SAT text (layouts of versions 400 and 700) and as the groups of a DXF 3DSOLID.
#pragma once
#include <gepnt3d.h>

#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace soltest {

// Faces as corner indices, counter-clockwise seen from outside.
struct Mesh {
  std::vector<AcGePoint3d> points;
  std::vector<std::vector<int>> faces;
};

inline Mesh unitCube() {
  return {{{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {0, 0, 1}, {1, 0, 1}, {1, 1, 1}, {0, 1, 1}},
          {{0, 3, 2, 1}, {4, 5, 6, 7}, {0, 1, 5, 4}, {1, 2, 6, 5}, {2, 3, 7, 6}, {3, 0, 4, 7}}};
}

// An L-shaped prism: the profile (0,0) (3,0) (3,1) (1,1) (1,2) (0,2), area 4, swept from z = 0 to z = 2.
inline Mesh lPrism() {
  const double profile[6][2] = {{0, 0}, {3, 0}, {3, 1}, {1, 1}, {1, 2}, {0, 2}};
  Mesh m;
  for (double z : {0.0, 2.0})
    for (const auto& p : profile) m.points.push_back({p[0], p[1], z});
  m.faces.push_back({0, 5, 4, 3, 2, 1});
  m.faces.push_back({6, 7, 8, 9, 10, 11});
  for (int i = 0; i < 6; ++i) m.faces.push_back({i, (i + 1) % 6, (i + 1) % 6 + 6, i + 6});
  return m;
}

inline std::string number(double v) {
  std::ostringstream out;
  out.precision(17);
  out << v;
  return out.str();
}

struct SatOptions {
  int version = 700;
  std::string transform;  // the 13 numbers and 3 words of a body transform, or empty for none
};

// The SAT text of the mesh: body, lump, shell, then per face a face, loop and plane, then coedges, edges with
// their straight curves, and vertices with their points.
inline std::string writeSat(const Mesh& mesh, const SatOptions& options = {}) {
  const bool modern = options.version >= 700;
  const std::string prefix = modern ? "$-1 -1 $-1 " : "$-1 ";
  auto ref = [](int i) { return "$" + std::to_string(i); };
  int next = options.transform.empty() ? 3 : 4;
  int transformIndex = options.transform.empty() ? -1 : 3;
  const int firstFace = next;
  next += 3 * static_cast<int>(mesh.faces.size());
  std::vector<std::vector<int>> coedge(mesh.faces.size());
  for (size_t f = 0; f < mesh.faces.size(); ++f)
    for (size_t k = 0; k < mesh.faces[f].size(); ++k) coedge[f].push_back(next++);
  std::map<std::pair<int, int>, int> edgeOf;
  std::map<std::pair<int, int>, std::vector<int>> coedgesOf;
  for (size_t f = 0; f < mesh.faces.size(); ++f)
    for (size_t k = 0; k < mesh.faces[f].size(); ++k) {
      int a = mesh.faces[f][k], b = mesh.faces[f][(k + 1) % mesh.faces[f].size()];
      std::pair<int, int> key{std::min(a, b), std::max(a, b)};
      if (!edgeOf.count(key)) edgeOf[key] = 0;
      coedgesOf[key].push_back(coedge[f][k]);
    }
  for (auto& [key, index] : edgeOf) {
    index = next;
    next += 2;
  }
  const int firstVertex = next;
  auto vertex = [&](int p) { return firstVertex + 2 * p; };

  std::ostringstream sat;
  sat << options.version << " 0 1 0\n@7 acadsim @8 ACIS 7.0 @24 Sun Dec 06 12:00:00 2026\n1 9.9999999999999995e-007 1e-010\n";
  sat << "body " << prefix << ref(1) << " $-1 " << ref(transformIndex) << " #\n";
  sat << "lump " << prefix << "$-1 " << ref(2) << " " << ref(0) << " #\n";
  sat << "shell " << prefix << "$-1 $-1 " << ref(firstFace) << " $-1 " << ref(1) << " #\n";
  if (!options.transform.empty()) sat << "transform $-1 " << (modern ? "-1 " : "") << options.transform << " #\n";
  for (size_t f = 0; f < mesh.faces.size(); ++f) {
    int face = firstFace + 3 * static_cast<int>(f);
    int nextFace = f + 1 < mesh.faces.size() ? face + 3 : -1;
    const auto& corners = mesh.faces[f];
    AcGeVector3d normal;
    for (size_t k = 0; k < corners.size(); ++k) {
      AcGeVector3d a = mesh.points[corners[k]] - AcGePoint3d::kOrigin;
      AcGeVector3d b = mesh.points[corners[(k + 1) % corners.size()]] - AcGePoint3d::kOrigin;
      normal = normal + a.crossProduct(b);
    }
    normal = normal.normal();
    const AcGePoint3d& p = mesh.points[corners[0]];
    sat << "face " << prefix << ref(nextFace) << " " << ref(face + 1) << " " << ref(2) << " $-1 " << ref(face + 2)
        << " forward single #\n";
    sat << "loop " << prefix << "$-1 " << ref(coedge[f][0]) << " " << ref(face) << " #\n";
    sat << "plane-surface " << prefix << number(p.x) << " " << number(p.y) << " " << number(p.z) << " "
        << number(normal.x) << " " << number(normal.y) << " " << number(normal.z) << " 1 0 0 forward_v I I I I #\n";
  }
  for (size_t f = 0; f < mesh.faces.size(); ++f) {
    size_t n = mesh.faces[f].size();
    for (size_t k = 0; k < n; ++k) {
      int a = mesh.faces[f][k], b = mesh.faces[f][(k + 1) % n];
      std::pair<int, int> key{std::min(a, b), std::max(a, b)};
      const auto& pair = coedgesOf[key];
      int partner = pair.size() == 2 ? (pair[0] == coedge[f][k] ? pair[1] : pair[0]) : -1;
      sat << "coedge " << prefix << ref(coedge[f][(k + 1) % n]) << " " << ref(coedge[f][(k + n - 1) % n]) << " "
          << ref(partner) << " " << ref(edgeOf[key]) << (a < b ? " forward " : " reversed ")
          << ref(firstFace + 3 * static_cast<int>(f) + 1) << " $-1 #\n";
    }
  }
  for (const auto& [key, index] : edgeOf) {
    const AcGePoint3d& a = mesh.points[key.first];
    const AcGePoint3d& b = mesh.points[key.second];
    AcGeVector3d d = b - a;
    if (modern)
      sat << "edge " << prefix << ref(vertex(key.first)) << " 0 " << ref(vertex(key.second)) << " " << number(d.length())
          << " " << ref(coedgesOf[key][0]) << " " << ref(index + 1) << " forward @7 unknown #\n";
    else
      sat << "edge " << prefix << ref(vertex(key.first)) << " " << ref(vertex(key.second)) << " "
          << ref(coedgesOf[key][0]) << " " << ref(index + 1) << " forward #\n";
    d = d.normal();
    sat << "straight-curve " << prefix << number(a.x) << " " << number(a.y) << " " << number(a.z) << " "
        << number(d.x) << " " << number(d.y) << " " << number(d.z) << " I I #\n";
  }
  for (size_t p = 0; p < mesh.points.size(); ++p) {
    int any = -1;
    for (const auto& [key, index] : edgeOf)
      if (key.first == static_cast<int>(p) || key.second == static_cast<int>(p)) any = index;
    sat << "vertex " << prefix << ref(any) << " " << ref(vertex(static_cast<int>(p)) + 1) << " #\n";
    const AcGePoint3d& q = mesh.points[p];
    sat << "point " << prefix << number(q.x) << " " << number(q.y) << " " << number(q.z) << " #\n";
  }
  sat << "End-of-ACIS-data\n";
  return sat.str();
}

// One line of SAT as DXF stores it: every character but a space as 159 - c, a caret written "^ ".
inline std::string encodeForDxf(const std::string& line) {
  std::string out;
  for (char c : line) {
    char e = c == ' ' ? ' ' : static_cast<char>(159 - static_cast<unsigned char>(c));
    out += e == '^' ? std::string("^ ") : std::string(1, e);
  }
  return out;
}

// The DXF groups of a 3DSOLID holding the SAT text; lines longer than chunk go on in 3 groups.
inline std::string solidGroups(const std::string& sat, size_t chunk = 255) {
  std::string out = "0\n3DSOLID\n100\nAcDbEntity\n8\n0\n100\nAcDbModelerGeometry\n70\n1\n";
  std::istringstream lines(sat);
  std::string line;
  while (std::getline(lines, line)) {
    for (size_t at = 0; at < line.size() || at == 0; at += chunk) {
      out += at == 0 ? "1\n" : "3\n";
      out += encodeForDxf(line.substr(at, chunk)) + "\n";
      if (line.empty()) break;
    }
  }
  return out + "100\nAcDb3dSolid\n350\n0\n";
}

inline std::string entitiesDxf(const std::string& entities) {
  return "0\nSECTION\n2\nENTITIES\n" + entities + "0\nENDSEC\n0\nEOF\n";
}

}  // namespace soltest
