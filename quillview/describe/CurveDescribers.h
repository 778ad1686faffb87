// Describers of the curve and point classes.
#pragma once
#include "describe/ScopeText.h"

class AcDbEntity;

void DescribeCurve(ScopeText& text, AcDbEntity* entity, int gsMarker);
void DescribePoint(ScopeText& text, AcDbEntity* entity, int gsMarker);
void DescribeLine(ScopeText& text, AcDbEntity* entity, int gsMarker);
void DescribeCircle(ScopeText& text, AcDbEntity* entity, int gsMarker);
void DescribeArc(ScopeText& text, AcDbEntity* entity, int gsMarker);
void DescribePolyline(ScopeText& text, AcDbEntity* entity, int gsMarker);
void Describe2dPolyline(ScopeText& text, AcDbEntity* entity, int gsMarker);
