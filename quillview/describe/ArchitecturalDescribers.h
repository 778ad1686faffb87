// Describers of the architectural classes and the civil point (host classes defined by other modules).
#pragma once
#include "describe/ScopeText.h"

class AcDbEntity;

void DescribeAecEntity(ScopeText& text, AcDbEntity* entity, int gsMarker);
void DescribeAecWall(ScopeText& text, AcDbEntity* entity, int gsMarker);
void DescribeAecRoof(ScopeText& text, AcDbEntity* entity, int gsMarker);
void DescribeAecStair(ScopeText& text, AcDbEntity* entity, int gsMarker);
void DescribeAecRailing(ScopeText& text, AcDbEntity* entity, int gsMarker);
void DescribeAecOpening(ScopeText& text, AcDbEntity* entity, int gsMarker);
void DescribeAecOpenFiller(ScopeText& text, AcDbEntity* entity, int gsMarker);
void DescribeAecDoor(ScopeText& text, AcDbEntity* entity, int gsMarker);
void DescribeAecWindow(ScopeText& text, AcDbEntity* entity, int gsMarker);
void DescribeCivilPoint(ScopeText& text, AcDbEntity* entity, int gsMarker);
