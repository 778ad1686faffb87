// Describers of solids, regions, hatches, block references, images, texts, viewports, dimensions and tables.
#pragma once
#include "describe/ScopeText.h"

class AcDbEntity;

void Describe3dSolid(ScopeText& text, AcDbEntity* entity, int gsMarker);
void DescribeRegion(ScopeText& text, AcDbEntity* entity, int gsMarker);
void DescribeHatch(ScopeText& text, AcDbEntity* entity, int gsMarker);
void DescribeBlockReference(ScopeText& text, AcDbEntity* entity, int gsMarker);
void DescribeRasterImage(ScopeText& text, AcDbEntity* entity, int gsMarker);
void DescribeText(ScopeText& text, AcDbEntity* entity, int gsMarker);
void DescribeShape(ScopeText& text, AcDbEntity* entity, int gsMarker);
void DescribeAttributeDefinition(ScopeText& text, AcDbEntity* entity, int gsMarker);
void DescribeAttribute(ScopeText& text, AcDbEntity* entity, int gsMarker);
void DescribeViewport(ScopeText& text, AcDbEntity* entity, int gsMarker);
void DescribeDimension(ScopeText& text, AcDbEntity* entity, int gsMarker);
void DescribeTable(ScopeText& text, AcDbEntity* entity, int gsMarker);
