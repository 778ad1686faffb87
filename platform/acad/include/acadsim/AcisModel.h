// Host: the boundary of an ACIS body as DXF's 3DSOLID, BODY and REGION entities store it (SAT text), read
// into faces with their surfaces and their loops of edges, in world coordinates (body transforms applied).
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "acadstrc.h"
#include "gepnt3d.h"
#include "gevec3d.h"

namespace acadsim {

// Appends one group of an AcDbModelerGeometry subclass to sat: a group 1 starts a new line, a group 3
// continues the line before it. Undoes DXF's caret escapes ("^ " is a caret) and the rotation that DXF
// applies to the text (every character c other than a space is stored as 159 - c).
void appendAcisDxfGroup(std::string& sat, int code, std::string_view encoded);

enum class AcisCurveKind {
  kLine,
  kEllipse,  // circles included
  kOther,    // splines and the other curves the host does not interpret; only start and end are known
};

// One edge as its loop runs along it.
struct AcisEdge {
  AcisCurveKind kind = AcisCurveKind::kLine;
  AcGePoint3d start, end;
  int startVertex = -1, endVertex = -1;  // record numbers of the ACIS vertices, equal where edges meet
  // kEllipse: the edge runs counter-clockwise about normal (unit) from startAngle to endAngle, parametric
  // angles measured from majorAxis (its length is the major radius); startAngle < endAngle <= startAngle + 2π,
  // a closed edge (one vertex) sweeping exactly 2π.
  AcGePoint3d center;
  AcGeVector3d normal;
  AcGeVector3d majorAxis;
  double radiusRatio = 1.0;  // minor radius / major radius
  double startAngle = 0.0, endAngle = 0.0;
};

// Edges in the order the loop runs; each ends where the next starts. ACIS runs a face's outer loop
// counter-clockwise and its holes clockwise, seen against the face normal.
struct AcisLoop {
  std::vector<AcisEdge> edges;
};

enum class AcisSurfaceKind { kPlane, kCone, kSphere, kTorus, kOther };

struct AcisSurface {
  AcisSurfaceKind kind = AcisSurfaceKind::kOther;
  // kPlane: a point of the plane; kCone: centre of the base ellipse; kSphere, kTorus: centre.
  AcGePoint3d origin;
  // kPlane: the face normal (unit, pointing out of the body, the face's sense applied); kCone, kTorus: the
  // axis (unit); kSphere: the pole direction (unit).
  AcGeVector3d normal;
  // kCone: major semi-axis of the base ellipse, its minor/major ratio and the half angle (sine 0: a cylinder);
  // the cross-section at signed distance t along the axis is the base ellipse scaled by
  // 1 + t * sineAngle / (cosineAngle * |majorAxis|).
  AcGeVector3d majorAxis;
  double radiusRatio = 1.0;
  double sineAngle = 0.0, cosineAngle = 1.0;
  // kSphere: majorRadius is the radius; kTorus: both.
  double majorRadius = 0.0, minorRadius = 0.0;
};

struct AcisFace {
  AcisSurface surface;
  // kCone, kSphere, kTorus: the body's outside is towards the axis or centre (the face bounds a hole or a
  // hollow); planes carry their sense in surface.normal.
  bool inward = false;
  std::vector<AcisLoop> loops;
};

struct AcisModel {
  int version = 0;  // the SAT version: 400, 700, 21800...
  int lumpCount = 0;
  std::vector<AcisFace> faces;  // of every lump and shell of every body
};

// Reads SAT text. eOk with the model; eInvalidInput for text that is not SAT (a bad header, a truncated or
// malformed record, a reference to a record that does not exist or has the wrong type, a loop that does
// not close); eNotImplementedYet for versions before 400 and for bodies placed by a shearing or non-uniformly
// scaling transform. Never reads outside sat; the work is linear in its size.
Acad::ErrorStatus readAcisModel(std::string_view sat, AcisModel& model);

}  // namespace acadsim
