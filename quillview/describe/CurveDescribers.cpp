#include "describe/CurveDescribers.h"

#include <dbents.h>

#include "describe/DescribeObject.h"

// Until their own lines are written, these only chain, in the parent form.

void DescribeCurve(ScopeText& text, AcDbEntity* entity, int gsMarker) {
  DescribeAsParentOf(AcDbCurve::desc(), text, entity, gsMarker);
}

void DescribePoint(ScopeText& text, AcDbEntity* entity, int gsMarker) {
  DescribeAsParentOf(AcDbPoint::desc(), text, entity, gsMarker);
}

void DescribeLine(ScopeText& text, AcDbEntity* entity, int gsMarker) {
  DescribeAsParentOf(AcDbLine::desc(), text, entity, gsMarker);
}

void DescribeCircle(ScopeText& text, AcDbEntity* entity, int gsMarker) {
  DescribeAsParentOf(AcDbCircle::desc(), text, entity, gsMarker);
}

void DescribeArc(ScopeText& text, AcDbEntity* entity, int gsMarker) {
  DescribeAsParentOf(AcDbArc::desc(), text, entity, gsMarker);
}

void DescribePolyline(ScopeText& text, AcDbEntity* entity, int gsMarker) {
  DescribeAsParentOf(AcDbPolyline::desc(), text, entity, gsMarker);
}

void Describe2dPolyline(ScopeText& text, AcDbEntity* entity, int gsMarker) {
  DescribeAsParentOf(AcDb2dPolyline::desc(), text, entity, gsMarker);
}
