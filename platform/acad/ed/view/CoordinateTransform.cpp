// acedTrans: points and displacements between the world, the current UCS, the display (the world in the
// plan view), an entity's object coordinate system and that of an extrusion direction.
#include <acdocman.h>
#include <acedads.h>
#include <adscodes.h>
#include <dbapserv.h>
#include <dbents.h>

#include <cmath>
#include <optional>

namespace {

// The extrusion direction of an entity: its normal, or the 210 group its record kept; Z when it has none.
AcGeVector3d entityNormal(const AcDbEntity& e) {
  if (auto* x = AcDbLine::cast(&e)) return x->normal();
  if (auto* x = AcDbCircle::cast(&e)) return x->normal();
  if (auto* x = AcDbArc::cast(&e)) return x->normal();
  if (auto* x = AcDbPolyline::cast(&e)) return x->normal();
  if (auto* x = AcDb2dPolyline::cast(&e)) return x->normal();
  if (auto* x = AcDbPoint::cast(&e)) return x->normal();
  if (auto* x = AcDbText::cast(&e)) return x->normal();
  if (auto* x = AcDbMText::cast(&e)) return x->normal();
  if (auto* x = AcDbBlockReference::cast(&e)) return x->normal();
  if (auto* x = AcDbHatch::cast(&e)) return x->normal();
  if (auto* x = AcDbDimension::cast(&e)) return x->normal();
  if (auto* x = AcDbEllipse::cast(&e)) return x->normal();
  const acadsim::DxfData& data = e.dxfSubclassData();
  for (size_t i = 0; i < data.size(); ++i)
    if (data.code(i) == 210 && data.type(i) == acadsim::DxfData::Type::Point) {
      double n[3];
      data.point(i, n);
      return AcGeVector3d(n[0], n[1], n[2]);
    }
  return AcGeVector3d::kZAxis;
}

AcDbDatabase* currentDatabase() {
  AcApDocument* doc = acDocManagerPtr() ? acDocManagerPtr()->curDocument() : nullptr;
  if (doc && doc->database()) return doc->database();
  return acdbHostApplicationServices() ? acdbHostApplicationServices()->workingDatabase() : nullptr;
}

AcGeMatrix3d ocsOf(const AcGeVector3d& normal) {
  double length = normal.length();
  if (!(length > 1e-12) || !std::isfinite(length)) return AcGeMatrix3d();
  return AcGeMatrix3d::planeToWorld(normal / length);
}

// The matrix from the coordinate system a resbuf names to the world; nothing for one it does not name.
std::optional<AcGeMatrix3d> toWorld(const resbuf* system) {
  if (!system) return std::nullopt;
  if (system->restype == RTSHORT) {
    switch (system->resval.rint) {
      case 0:
      case 2: return AcGeMatrix3d();  // the display of the plan view is the world
      case 1: {
        AcGeMatrix3d ucs;
        acdbUcsMatrix(ucs, currentDatabase());
        return ucs;
      }
      default: return std::nullopt;
    }
  }
  if (system->restype == RT3DPOINT) {
    const ads_real* n = system->resval.rpoint;
    return ocsOf(AcGeVector3d(n[0], n[1], n[2]));
  }
  if (system->restype == RTENAME) {
    AcDbObjectId id;
    if (acdbGetObjectId(id, system->resval.rlname) != Acad::eOk) return std::nullopt;
    AcDbEntity* entity = nullptr;
    if (acdbOpenAcDbEntity(entity, id, AcDb::kForRead) != Acad::eOk) return std::nullopt;
    AcGeMatrix3d ocs = ocsOf(entityNormal(*entity));
    entity->close();
    return ocs;
  }
  return std::nullopt;
}

}  // namespace

int acedTrans(const ads_point pt, const struct resbuf* from, const struct resbuf* to, int disp, ads_point result) {
  if (!pt || !result) return RTERROR;
  std::optional<AcGeMatrix3d> fromWorld = toWorld(from), toSystem = toWorld(to);
  if (!fromWorld || !toSystem) return RTERROR;
  AcGeMatrix3d transform = toSystem->inverse() * *fromWorld;
  if (disp) {
    AcGeVector3d v(pt[0], pt[1], pt[2]);
    v.transformBy(transform);
    result[0] = v.x, result[1] = v.y, result[2] = v.z;
  } else {
    AcGePoint3d p(pt[0], pt[1], pt[2]);
    p.transformBy(transform);
    result[0] = p.x, result[1] = p.y, result[2] = p.z;
  }
  return RTNORM;
}
