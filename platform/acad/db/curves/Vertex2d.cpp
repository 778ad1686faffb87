// AcDb2dVertex: one vertex of a 2D polyline, in the polyline's object coordinate system.
#include <cmath>

#include <dbcurve.h>
#include <dbfiler.h>

#include "../DatabaseImpl.h"
#include "CurveGeometry.h"

AcGePoint3d AcDb2dVertex::position() const { return mPosition; }
double AcDb2dVertex::bulge() const { return mBulge; }
double AcDb2dVertex::startWidth() const { return mStartWidth; }
double AcDb2dVertex::endWidth() const { return mEndWidth; }

// Flag 16 marks a spline-frame control point, 8 a vertex made by spline fitting, 1 one added by curve fitting.
AcDb::Vertex2dType AcDb2dVertex::vertexType() const {
  if (mFlags & 16) return AcDb::k2dSplineCtlVertex;
  if (mFlags & 8) return AcDb::k2dSplineFitVertex;
  if (mFlags & 1) return AcDb::k2dCurveFitVertex;
  return AcDb::k2dVertex;
}

// The polyline (read before its vertices) lends its elevation as z and its default widths to missing 40/41.
Acad::ErrorStatus AcDb2dVertex::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbVertex::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  const AcDb2dPolyline* owner = acadsim::peek<AcDb2dPolyline>(ownerId());
  bool haveStart = false, haveEnd = false;
  acadsim::DxfGroupView g;
  while (filer->readGroup(g)) {
    double value = acadsim::curves::finiteValue(g.real);
    switch (g.code) {
      case 10: mPosition = acadsim::curves::finitePoint(g.point); break;
      case 40: mStartWidth = std::fmax(value, 0.0), haveStart = true; break;
      case 41: mEndWidth = std::fmax(value, 0.0), haveEnd = true; break;
      case 42: mBulge = value; break;
      case 50: mTangent = value * M_PI / 180.0; break;
      case 70: mFlags = static_cast<Adesk::Int16>(g.integer); break;
      default: break;
    }
  }
  if (owner != nullptr) {
    mPosition.z = owner->elevation();
    if (!haveStart) mStartWidth = owner->defaultStartWidth();
    if (!haveEnd) mEndWidth = owner->defaultEndWidth();
  }
  return filer->filerStatus();
}
