// AcDb3dPolylineVertex: one vertex of a 3D polyline, in world coordinates.
#include <dbcurve.h>
#include <dbfiler.h>

#include "CurveGeometry.h"

AcGePoint3d AcDb3dPolylineVertex::position() const { return mPosition; }

// Flag 16 marks a spline-frame control point, 8 a vertex made by spline fitting.
AcDb::Vertex3dType AcDb3dPolylineVertex::vertexType() const {
  if (mFlags & 16) return AcDb::k3dControlVertex;
  if (mFlags & 8) return AcDb::k3dFitVertex;
  return AcDb::k3dSimpleVertex;
}

Acad::ErrorStatus AcDb3dPolylineVertex::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbVertex::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  acadsim::DxfGroupView g;
  while (filer->readGroup(g)) {
    if (g.code == 10) mPosition = acadsim::curves::finitePoint(g.point);
    else if (g.code == 70) mFlags = static_cast<Adesk::Int16>(g.integer);
  }
  return filer->filerStatus();
}
