#include "describe/ArchitecturalDescribers.h"

#include "describe/DescribeObject.h"

// Until their own lines are written, these only chain, each in the form its class uses.

void DescribeAecEntity(ScopeText& text, AcDbEntity* entity, int gsMarker) {
  DescribeAsParentOf(u"AecDbEntity", text, entity, gsMarker);
}

void DescribeAecWall(ScopeText& text, AcDbEntity* entity, int gsMarker) {
  DescribeAsParentOf(u"AecDbWall", text, entity, gsMarker);
}

void DescribeAecRoof(ScopeText& text, AcDbEntity* entity, int gsMarker) {
  DescribeAsParentOf(u"AecDbRoof", text, entity, gsMarker);
}

void DescribeAecStair(ScopeText& text, AcDbEntity* entity, int gsMarker) { DescribeAsEntity(text, entity, gsMarker); }

void DescribeAecRailing(ScopeText& text, AcDbEntity* entity, int gsMarker) {
  DescribeAsEntity(text, entity, gsMarker);
}

void DescribeAecOpening(ScopeText& text, AcDbEntity* entity, int gsMarker) {
  DescribeAsEntity(text, entity, gsMarker);
}

void DescribeAecOpenFiller(ScopeText& text, AcDbEntity* entity, int gsMarker) {
  DescribeAsEntity(text, entity, gsMarker);
}

void DescribeAecDoor(ScopeText& text, AcDbEntity* entity, int gsMarker) {
  DescribeAsParentOf(u"AecDbDoor", text, entity, gsMarker);
}

void DescribeAecWindow(ScopeText& text, AcDbEntity* entity, int gsMarker) {
  DescribeAsParentOf(u"AecDbWindow", text, entity, gsMarker);
}

void DescribeCivilPoint(ScopeText& text, AcDbEntity* entity, int gsMarker) {
  DescribeAsParentOf(u"AeccDbPoint", text, entity, gsMarker);
}
