#include "describe/EntityDescribers.h"

#include <dbents.h>

#include "describe/DescribeObject.h"

// Until their own lines are written, these only chain, in the parent form; the raster image and the
// table are found by name, as they come from modules of their own on the real host.

void Describe3dSolid(ScopeText& text, AcDbEntity* entity, int gsMarker) {
  DescribeAsParentOf(AcDb3dSolid::desc(), text, entity, gsMarker);
}

void DescribeRegion(ScopeText& text, AcDbEntity* entity, int gsMarker) {
  DescribeAsParentOf(AcDbRegion::desc(), text, entity, gsMarker);
}

void DescribeHatch(ScopeText& text, AcDbEntity* entity, int gsMarker) {
  DescribeAsParentOf(AcDbHatch::desc(), text, entity, gsMarker);
}

void DescribeBlockReference(ScopeText& text, AcDbEntity* entity, int gsMarker) {
  DescribeAsParentOf(AcDbBlockReference::desc(), text, entity, gsMarker);
}

void DescribeRasterImage(ScopeText& text, AcDbEntity* entity, int gsMarker) {
  DescribeAsParentOf(u"AcDbRasterImage", text, entity, gsMarker);
}

void DescribeText(ScopeText& text, AcDbEntity* entity, int gsMarker) {
  DescribeAsParentOf(AcDbText::desc(), text, entity, gsMarker);
}

void DescribeShape(ScopeText& text, AcDbEntity* entity, int gsMarker) {
  DescribeAsParentOf(AcDbShape::desc(), text, entity, gsMarker);
}

void DescribeAttributeDefinition(ScopeText& text, AcDbEntity* entity, int gsMarker) {
  DescribeAsParentOf(AcDbAttributeDefinition::desc(), text, entity, gsMarker);
}

void DescribeAttribute(ScopeText& text, AcDbEntity* entity, int gsMarker) {
  DescribeAsParentOf(AcDbAttribute::desc(), text, entity, gsMarker);
}

void DescribeViewport(ScopeText& text, AcDbEntity* entity, int gsMarker) {
  DescribeAsParentOf(AcDbViewport::desc(), text, entity, gsMarker);
}

void DescribeDimension(ScopeText& text, AcDbEntity* entity, int gsMarker) {
  DescribeAsParentOf(AcDbDimension::desc(), text, entity, gsMarker);
}

void DescribeTable(ScopeText& text, AcDbEntity* entity, int gsMarker) {
  DescribeAsParentOf(u"AcDbTable", text, entity, gsMarker);
}
