// DXF "REGION": the ACIS body of an AcDbModelerGeometry subclass, read into the region's exact loops.
#include <acadsim/AcisModel.h>
#include <dbfiler.h>
#include <dbregion.h>

#include <optional>
#include <string>

#include "CurveParts.h"
#include "RegionBody.h"

namespace {

std::optional<acadsim::CurvePart> edgePart(const acadsim::AcisEdge& edge) {
  switch (edge.kind) {
    case acadsim::AcisCurveKind::kLine: return acadsim::LinePart{edge.start, edge.end};
    case acadsim::AcisCurveKind::kEllipse: {
      AcGeVector3d minor = edge.normal.crossProduct(edge.majorAxis) * edge.radiusRatio;
      return acadsim::ConicPart{edge.center, edge.majorAxis, minor, edge.startAngle, edge.endAngle};
    }
    case acadsim::AcisCurveKind::kOther: break;
  }
  return std::nullopt;
}

// The face's loops in its own plane; empty when the face is not planar or an edge is a curve the host cannot
// interpret.
std::optional<acadsim::RegionBody> faceBody(const acadsim::AcisFace& face) {
  if (face.surface.kind != acadsim::AcisSurfaceKind::kPlane || face.surface.normal.isZeroLength()) return std::nullopt;
  acadsim::RegionPlane plane = acadsim::RegionPlane::through(face.surface.origin, face.surface.normal.normal());
  std::vector<acadsim::BoundaryLoop> loops;
  double area = 0.0;
  for (const acadsim::AcisLoop& acisLoop : face.loops) {
    std::vector<acadsim::BoundaryPiece> pieces;
    for (const acadsim::AcisEdge& edge : acisLoop.edges) {
      std::optional<acadsim::CurvePart> part = edgePart(edge);
      acadsim::BoundaryPiece piece;
      if (!part || !acadsim::projectPart(*part, plane, piece)) return std::nullopt;
      pieces.push_back(std::move(piece));
    }
    if (pieces.empty()) continue;
    loops.emplace_back(std::move(pieces));
    area += loops.back().signedArea();
  }
  if (loops.empty()) return std::nullopt;
  // ACIS runs outer loops counter-clockwise about the face normal; a body that says otherwise is turned round.
  if (area < 0.0)
    for (acadsim::BoundaryLoop& loop : loops) loop = loop.reversed();
  return acadsim::RegionBody(plane, std::move(loops));
}

// The union of the model's planar faces; empty when any face cannot be interpreted.
std::optional<acadsim::RegionBody> modelBody(const acadsim::AcisModel& model) {
  acadsim::RegionBody body;
  for (const acadsim::AcisFace& face : model.faces) {
    std::optional<acadsim::RegionBody> faceRegion = faceBody(face);
    if (!faceRegion || body.combine(AcDb::kBoolUnite, *faceRegion) != Acad::eOk) return std::nullopt;
  }
  if (body.isEmpty()) return std::nullopt;
  return body;
}

}  // namespace

// Bodies the host cannot interpret (no SAT text, as from AutoCAD 2013 on, or faces that are not planar with
// straight, circular and elliptical edges) leave the region unreadable: its queries answer eNotImplementedYet.
Acad::ErrorStatus AcDbRegion::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbEntity::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  filer->atSubclassData(u"AcDbModelerGeometry");
  std::string sat;
  acadsim::DxfGroupView g;
  while (filer->readGroup(g))
    if (g.code == 1 || g.code == 3) acadsim::appendAcisDxfGroup(sat, g.code, g.text);
  *mBody = acadsim::RegionBody();
  mUnreadableBody = true;
  acadsim::AcisModel model;
  if (!sat.empty() && acadsim::readAcisModel(sat, model) == Acad::eOk) {
    if (std::optional<acadsim::RegionBody> body = modelBody(model)) {
      *mBody = std::move(*body);
      mUnreadableBody = false;
    }
  }
  return filer->filerStatus();
}
