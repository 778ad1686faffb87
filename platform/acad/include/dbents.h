// The host's entity classes, each with its real parent; subclass groups stay in dxfSubclassData() for now.
#pragma once
#include "dbmain.h"

class AcDbCurve : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbCurve);
  ~AcDbCurve() override;

 protected:
  AcDbCurve();
};

// DXF "LINE"
class AcDbLine : public AcDbCurve {
 public:
  ACRX_DECLARE_MEMBERS(AcDbLine);
  AcDbLine();
  ~AcDbLine() override;
};

// DXF "CIRCLE"
class AcDbCircle : public AcDbCurve {
 public:
  ACRX_DECLARE_MEMBERS(AcDbCircle);
  AcDbCircle();
  ~AcDbCircle() override;
};

// DXF "ARC"
class AcDbArc : public AcDbCurve {
 public:
  ACRX_DECLARE_MEMBERS(AcDbArc);
  AcDbArc();
  ~AcDbArc() override;
};

// DXF "ELLIPSE"
class AcDbEllipse : public AcDbCurve {
 public:
  ACRX_DECLARE_MEMBERS(AcDbEllipse);
  AcDbEllipse();
  ~AcDbEllipse() override;
};

// DXF "SPLINE"
class AcDbSpline : public AcDbCurve {
 public:
  ACRX_DECLARE_MEMBERS(AcDbSpline);
  AcDbSpline();
  ~AcDbSpline() override;
};

// DXF "HELIX"
class AcDbHelix : public AcDbSpline {
 public:
  ACRX_DECLARE_MEMBERS(AcDbHelix);
  AcDbHelix();
  ~AcDbHelix() override;
};

// DXF "LWPOLYLINE"
class AcDbPolyline : public AcDbCurve {
 public:
  ACRX_DECLARE_MEMBERS(AcDbPolyline);
  AcDbPolyline();
  ~AcDbPolyline() override;
};

// DXF "POLYLINE"
class AcDb2dPolyline : public AcDbCurve {
 public:
  ACRX_DECLARE_MEMBERS(AcDb2dPolyline);
  AcDb2dPolyline();
  ~AcDb2dPolyline() override;
};

// DXF "POLYLINE"
class AcDb3dPolyline : public AcDbCurve {
 public:
  ACRX_DECLARE_MEMBERS(AcDb3dPolyline);
  AcDb3dPolyline();
  ~AcDb3dPolyline() override;
};

// DXF "RAY"
class AcDbRay : public AcDbCurve {
 public:
  ACRX_DECLARE_MEMBERS(AcDbRay);
  AcDbRay();
  ~AcDbRay() override;
};

// DXF "XLINE"
class AcDbXline : public AcDbCurve {
 public:
  ACRX_DECLARE_MEMBERS(AcDbXline);
  AcDbXline();
  ~AcDbXline() override;
};

// DXF "LEADER"
class AcDbLeader : public AcDbCurve {
 public:
  ACRX_DECLARE_MEMBERS(AcDbLeader);
  AcDbLeader();
  ~AcDbLeader() override;
};

// DXF "POLYLINE"
class AcDbPolyFaceMesh : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbPolyFaceMesh);
  AcDbPolyFaceMesh();
  ~AcDbPolyFaceMesh() override;
};

// DXF "POLYLINE"
class AcDbPolygonMesh : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbPolygonMesh);
  AcDbPolygonMesh();
  ~AcDbPolygonMesh() override;
};

class AcDbVertex : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbVertex);
  ~AcDbVertex() override;

 protected:
  AcDbVertex();
};

// DXF "VERTEX"
class AcDb2dVertex : public AcDbVertex {
 public:
  ACRX_DECLARE_MEMBERS(AcDb2dVertex);
  AcDb2dVertex();
  ~AcDb2dVertex() override;
};

// DXF "VERTEX"
class AcDb3dPolylineVertex : public AcDbVertex {
 public:
  ACRX_DECLARE_MEMBERS(AcDb3dPolylineVertex);
  AcDb3dPolylineVertex();
  ~AcDb3dPolylineVertex() override;
};

// DXF "VERTEX"
class AcDbPolyFaceMeshVertex : public AcDbVertex {
 public:
  ACRX_DECLARE_MEMBERS(AcDbPolyFaceMeshVertex);
  AcDbPolyFaceMeshVertex();
  ~AcDbPolyFaceMeshVertex() override;
};

// DXF "VERTEX"
class AcDbPolygonMeshVertex : public AcDbVertex {
 public:
  ACRX_DECLARE_MEMBERS(AcDbPolygonMeshVertex);
  AcDbPolygonMeshVertex();
  ~AcDbPolygonMeshVertex() override;
};

// DXF "VERTEX"
class AcDbFaceRecord : public AcDbVertex {
 public:
  ACRX_DECLARE_MEMBERS(AcDbFaceRecord);
  AcDbFaceRecord();
  ~AcDbFaceRecord() override;
};

// DXF "SEQEND"
class AcDbSequenceEnd : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbSequenceEnd);
  AcDbSequenceEnd();
  ~AcDbSequenceEnd() override;
};

// DXF "BLOCK"
class AcDbBlockBegin : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbBlockBegin);
  AcDbBlockBegin();
  ~AcDbBlockBegin() override;
};

// DXF "ENDBLK"
class AcDbBlockEnd : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbBlockEnd);
  AcDbBlockEnd();
  ~AcDbBlockEnd() override;
};

// DXF "POINT"
class AcDbPoint : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbPoint);
  AcDbPoint();
  ~AcDbPoint() override;
};

// DXF "HATCH"
class AcDbHatch : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbHatch);
  AcDbHatch();
  ~AcDbHatch() override;
};

// DXF "INSERT"
class AcDbBlockReference : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbBlockReference);
  AcDbBlockReference();
  ~AcDbBlockReference() override;
};

// DXF "INSERT"
class AcDbMInsertBlock : public AcDbBlockReference {
 public:
  ACRX_DECLARE_MEMBERS(AcDbMInsertBlock);
  AcDbMInsertBlock();
  ~AcDbMInsertBlock() override;
};

// DXF "ACAD_TABLE"
class AcDbTable : public AcDbBlockReference {
 public:
  ACRX_DECLARE_MEMBERS(AcDbTable);
  AcDbTable();
  ~AcDbTable() override;
};

// DXF "TEXT"
class AcDbText : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbText);
  AcDbText();
  ~AcDbText() override;
};

// DXF "ATTRIB"
class AcDbAttribute : public AcDbText {
 public:
  ACRX_DECLARE_MEMBERS(AcDbAttribute);
  AcDbAttribute();
  ~AcDbAttribute() override;
};

// DXF "ATTDEF"
class AcDbAttributeDefinition : public AcDbText {
 public:
  ACRX_DECLARE_MEMBERS(AcDbAttributeDefinition);
  AcDbAttributeDefinition();
  ~AcDbAttributeDefinition() override;
};

// DXF "MTEXT"
class AcDbMText : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbMText);
  AcDbMText();
  ~AcDbMText() override;
};

// DXF "SHAPE"
class AcDbShape : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbShape);
  AcDbShape();
  ~AcDbShape() override;
};

// DXF "3DFACE"
class AcDbFace : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbFace);
  AcDbFace();
  ~AcDbFace() override;
};

// DXF "TRACE"
class AcDbTrace : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbTrace);
  AcDbTrace();
  ~AcDbTrace() override;
};

// DXF "SOLID"
class AcDbSolid : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbSolid);
  AcDbSolid();
  ~AcDbSolid() override;
};

// DXF "MULTILEADER"
class AcDbMLeader : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbMLeader);
  AcDbMLeader();
  ~AcDbMLeader() override;
};

// DXF "MLINE"
class AcDbMline : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbMline);
  AcDbMline();
  ~AcDbMline() override;
};

// DXF "MESH"
class AcDbSubDMesh : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbSubDMesh);
  AcDbSubDMesh();
  ~AcDbSubDMesh() override;
};

class AcDbImage : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbImage);
  ~AcDbImage() override;

 protected:
  AcDbImage();
};

// DXF "IMAGE"
class AcDbRasterImage : public AcDbImage {
 public:
  ACRX_DECLARE_MEMBERS(AcDbRasterImage);
  AcDbRasterImage();
  ~AcDbRasterImage() override;
};

// DXF "WIPEOUT"
class AcDbWipeout : public AcDbRasterImage {
 public:
  ACRX_DECLARE_MEMBERS(AcDbWipeout);
  AcDbWipeout();
  ~AcDbWipeout() override;
};

// DXF "VIEWPORT"
class AcDbViewport : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbViewport);
  AcDbViewport();
  ~AcDbViewport() override;
};

class AcDbDimension : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbDimension);
  ~AcDbDimension() override;

 protected:
  AcDbDimension();
};

// DXF "DIMENSION"
class AcDbAlignedDimension : public AcDbDimension {
 public:
  ACRX_DECLARE_MEMBERS(AcDbAlignedDimension);
  AcDbAlignedDimension();
  ~AcDbAlignedDimension() override;
};

// DXF "DIMENSION"
class AcDbRotatedDimension : public AcDbDimension {
 public:
  ACRX_DECLARE_MEMBERS(AcDbRotatedDimension);
  AcDbRotatedDimension();
  ~AcDbRotatedDimension() override;
};

// DXF "DIMENSION"
class AcDbRadialDimension : public AcDbDimension {
 public:
  ACRX_DECLARE_MEMBERS(AcDbRadialDimension);
  AcDbRadialDimension();
  ~AcDbRadialDimension() override;
};

// DXF "DIMENSION"
class AcDbDiametricDimension : public AcDbDimension {
 public:
  ACRX_DECLARE_MEMBERS(AcDbDiametricDimension);
  AcDbDiametricDimension();
  ~AcDbDiametricDimension() override;
};

// DXF "DIMENSION"
class AcDb2LineAngularDimension : public AcDbDimension {
 public:
  ACRX_DECLARE_MEMBERS(AcDb2LineAngularDimension);
  AcDb2LineAngularDimension();
  ~AcDb2LineAngularDimension() override;
};

// DXF "DIMENSION"
class AcDb3PointAngularDimension : public AcDbDimension {
 public:
  ACRX_DECLARE_MEMBERS(AcDb3PointAngularDimension);
  AcDb3PointAngularDimension();
  ~AcDb3PointAngularDimension() override;
};

// DXF "DIMENSION"
class AcDbOrdinateDimension : public AcDbDimension {
 public:
  ACRX_DECLARE_MEMBERS(AcDbOrdinateDimension);
  AcDbOrdinateDimension();
  ~AcDbOrdinateDimension() override;
};

// DXF "ARC_DIMENSION"
class AcDbArcDimension : public AcDbDimension {
 public:
  ACRX_DECLARE_MEMBERS(AcDbArcDimension);
  AcDbArcDimension();
  ~AcDbArcDimension() override;
};

// DXF "LARGE_RADIAL_DIMENSION"
class AcDbRadialDimensionLarge : public AcDbDimension {
 public:
  ACRX_DECLARE_MEMBERS(AcDbRadialDimensionLarge);
  AcDbRadialDimensionLarge();
  ~AcDbRadialDimensionLarge() override;
};

// DXF "TOLERANCE"
class AcDbFcf : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbFcf);
  AcDbFcf();
  ~AcDbFcf() override;
};

class AcDbFrame : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbFrame);
  ~AcDbFrame() override;

 protected:
  AcDbFrame();
};

// DXF "OLEFRAME"
class AcDbOleFrame : public AcDbFrame {
 public:
  ACRX_DECLARE_MEMBERS(AcDbOleFrame);
  AcDbOleFrame();
  ~AcDbOleFrame() override;
};

// DXF "OLE2FRAME"
class AcDbOle2Frame : public AcDbOleFrame {
 public:
  ACRX_DECLARE_MEMBERS(AcDbOle2Frame);
  AcDbOle2Frame();
  ~AcDbOle2Frame() override;
};

class AcDbUnderlayReference : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbUnderlayReference);
  ~AcDbUnderlayReference() override;

 protected:
  AcDbUnderlayReference();
};

// DXF "PDFUNDERLAY"
class AcDbPdfReference : public AcDbUnderlayReference {
 public:
  ACRX_DECLARE_MEMBERS(AcDbPdfReference);
  AcDbPdfReference();
  ~AcDbPdfReference() override;
};

// DXF "DWFUNDERLAY"
class AcDbDwfReference : public AcDbUnderlayReference {
 public:
  ACRX_DECLARE_MEMBERS(AcDbDwfReference);
  AcDbDwfReference();
  ~AcDbDwfReference() override;
};

// DXF "DGNUNDERLAY"
class AcDbDgnReference : public AcDbUnderlayReference {
 public:
  ACRX_DECLARE_MEMBERS(AcDbDgnReference);
  AcDbDgnReference();
  ~AcDbDgnReference() override;
};

// DXF "3DSOLID"
class AcDb3dSolid : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDb3dSolid);
  AcDb3dSolid();
  ~AcDb3dSolid() override;
};

// DXF "REGION"
class AcDbRegion : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbRegion);
  AcDbRegion();
  ~AcDbRegion() override;
};

// DXF "BODY"
class AcDbBody : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbBody);
  AcDbBody();
  ~AcDbBody() override;
};

// DXF "SURFACE"
class AcDbSurface : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbSurface);
  AcDbSurface();
  ~AcDbSurface() override;
};

// DXF "EXTRUDEDSURFACE"
class AcDbExtrudedSurface : public AcDbSurface {
 public:
  ACRX_DECLARE_MEMBERS(AcDbExtrudedSurface);
  AcDbExtrudedSurface();
  ~AcDbExtrudedSurface() override;
};

// DXF "LOFTEDSURFACE"
class AcDbLoftedSurface : public AcDbSurface {
 public:
  ACRX_DECLARE_MEMBERS(AcDbLoftedSurface);
  AcDbLoftedSurface();
  ~AcDbLoftedSurface() override;
};

// DXF "REVOLVEDSURFACE"
class AcDbRevolvedSurface : public AcDbSurface {
 public:
  ACRX_DECLARE_MEMBERS(AcDbRevolvedSurface);
  AcDbRevolvedSurface();
  ~AcDbRevolvedSurface() override;
};

// DXF "SWEPTSURFACE"
class AcDbSweptSurface : public AcDbSurface {
 public:
  ACRX_DECLARE_MEMBERS(AcDbSweptSurface);
  AcDbSweptSurface();
  ~AcDbSweptSurface() override;
};

// DXF "PLANESURFACE"
class AcDbPlaneSurface : public AcDbSurface {
 public:
  ACRX_DECLARE_MEMBERS(AcDbPlaneSurface);
  AcDbPlaneSurface();
  ~AcDbPlaneSurface() override;
};

// DXF "NURBSURFACE"
class AcDbNurbSurface : public AcDbSurface {
 public:
  ACRX_DECLARE_MEMBERS(AcDbNurbSurface);
  AcDbNurbSurface();
  ~AcDbNurbSurface() override;
};

// DXF "LIGHT"
class AcDbLight : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbLight);
  AcDbLight();
  ~AcDbLight() override;
};

// DXF "SECTIONOBJECT"
class AcDbSection : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbSection);
  AcDbSection();
  ~AcDbSection() override;
};

// DXF "POSITIONMARKER"
class AcDbGeoPositionMarker : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbGeoPositionMarker);
  AcDbGeoPositionMarker();
  ~AcDbGeoPositionMarker() override;
};
