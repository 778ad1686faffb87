// The host's entity classes: registered with their DXF names and real parents.
#include <dbents.h>

ACRX_NO_CONS_DEFINE_MEMBERS(AcDbCurve, AcDbEntity);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbCurve);
AcDbCurve::AcDbCurve() = default;
AcDbCurve::~AcDbCurve() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbLine, AcDbCurve, 0, 0, 0, LINE, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbLine);
AcDbLine::AcDbLine() = default;
AcDbLine::~AcDbLine() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbCircle, AcDbCurve, 0, 0, 0, CIRCLE, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbCircle);
AcDbCircle::AcDbCircle() = default;
AcDbCircle::~AcDbCircle() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbArc, AcDbCurve, 0, 0, 0, ARC, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbArc);
AcDbArc::AcDbArc() = default;
AcDbArc::~AcDbArc() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbEllipse, AcDbCurve, 0, 0, 0, ELLIPSE, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbEllipse);
AcDbEllipse::AcDbEllipse() = default;
AcDbEllipse::~AcDbEllipse() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbSpline, AcDbCurve, 0, 0, 0, SPLINE, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbSpline);
AcDbSpline::AcDbSpline() = default;
AcDbSpline::~AcDbSpline() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbHelix, AcDbSpline, 0, 0, 0, HELIX, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbHelix);
AcDbHelix::AcDbHelix() = default;
AcDbHelix::~AcDbHelix() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbPolyline, AcDbCurve, 0, 0, 0, LWPOLYLINE, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbPolyline);
AcDbPolyline::AcDbPolyline() = default;
AcDbPolyline::~AcDbPolyline() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDb2dPolyline, AcDbCurve, 0, 0, 0, POLYLINE, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDb2dPolyline);
AcDb2dPolyline::AcDb2dPolyline() = default;
AcDb2dPolyline::~AcDb2dPolyline() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDb3dPolyline, AcDbCurve, 0, 0, 0, POLYLINE, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDb3dPolyline);
AcDb3dPolyline::AcDb3dPolyline() = default;
AcDb3dPolyline::~AcDb3dPolyline() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbRay, AcDbCurve, 0, 0, 0, RAY, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbRay);
AcDbRay::AcDbRay() = default;
AcDbRay::~AcDbRay() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbXline, AcDbCurve, 0, 0, 0, XLINE, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbXline);
AcDbXline::AcDbXline() = default;
AcDbXline::~AcDbXline() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbLeader, AcDbCurve, 0, 0, 0, LEADER, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbLeader);
AcDbLeader::AcDbLeader() = default;
AcDbLeader::~AcDbLeader() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbPolyFaceMesh, AcDbEntity, 0, 0, 0, POLYLINE, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbPolyFaceMesh);
AcDbPolyFaceMesh::AcDbPolyFaceMesh() = default;
AcDbPolyFaceMesh::~AcDbPolyFaceMesh() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbPolygonMesh, AcDbEntity, 0, 0, 0, POLYLINE, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbPolygonMesh);
AcDbPolygonMesh::AcDbPolygonMesh() = default;
AcDbPolygonMesh::~AcDbPolygonMesh() = default;

ACRX_NO_CONS_DEFINE_MEMBERS(AcDbVertex, AcDbEntity);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbVertex);
AcDbVertex::AcDbVertex() = default;
AcDbVertex::~AcDbVertex() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDb2dVertex, AcDbVertex, 0, 0, 0, VERTEX, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDb2dVertex);
AcDb2dVertex::AcDb2dVertex() = default;
AcDb2dVertex::~AcDb2dVertex() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDb3dPolylineVertex, AcDbVertex, 0, 0, 0, VERTEX, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDb3dPolylineVertex);
AcDb3dPolylineVertex::AcDb3dPolylineVertex() = default;
AcDb3dPolylineVertex::~AcDb3dPolylineVertex() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbPolyFaceMeshVertex, AcDbVertex, 0, 0, 0, VERTEX, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbPolyFaceMeshVertex);
AcDbPolyFaceMeshVertex::AcDbPolyFaceMeshVertex() = default;
AcDbPolyFaceMeshVertex::~AcDbPolyFaceMeshVertex() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbPolygonMeshVertex, AcDbVertex, 0, 0, 0, VERTEX, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbPolygonMeshVertex);
AcDbPolygonMeshVertex::AcDbPolygonMeshVertex() = default;
AcDbPolygonMeshVertex::~AcDbPolygonMeshVertex() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbFaceRecord, AcDbVertex, 0, 0, 0, VERTEX, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbFaceRecord);
AcDbFaceRecord::AcDbFaceRecord() = default;
AcDbFaceRecord::~AcDbFaceRecord() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbSequenceEnd, AcDbEntity, 0, 0, 0, SEQEND, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbSequenceEnd);
AcDbSequenceEnd::AcDbSequenceEnd() = default;
AcDbSequenceEnd::~AcDbSequenceEnd() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbBlockBegin, AcDbEntity, 0, 0, 0, BLOCK, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbBlockBegin);
AcDbBlockBegin::AcDbBlockBegin() = default;
AcDbBlockBegin::~AcDbBlockBegin() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbBlockEnd, AcDbEntity, 0, 0, 0, ENDBLK, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbBlockEnd);
AcDbBlockEnd::AcDbBlockEnd() = default;
AcDbBlockEnd::~AcDbBlockEnd() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbPoint, AcDbEntity, 0, 0, 0, POINT, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbPoint);
AcDbPoint::AcDbPoint() = default;
AcDbPoint::~AcDbPoint() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbHatch, AcDbEntity, 0, 0, 0, HATCH, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbHatch);
AcDbHatch::AcDbHatch() = default;
AcDbHatch::~AcDbHatch() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbBlockReference, AcDbEntity, 0, 0, 0, INSERT, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbBlockReference);
AcDbBlockReference::AcDbBlockReference() = default;
AcDbBlockReference::~AcDbBlockReference() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbMInsertBlock, AcDbBlockReference, 0, 0, 0, INSERT, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbMInsertBlock);
AcDbMInsertBlock::AcDbMInsertBlock() = default;
AcDbMInsertBlock::~AcDbMInsertBlock() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbTable, AcDbBlockReference, 0, 0, 0, ACAD_TABLE, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbTable);
AcDbTable::AcDbTable() = default;
AcDbTable::~AcDbTable() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbText, AcDbEntity, 0, 0, 0, TEXT, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbText);
AcDbText::AcDbText() = default;
AcDbText::~AcDbText() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbAttribute, AcDbText, 0, 0, 0, ATTRIB, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbAttribute);
AcDbAttribute::AcDbAttribute() = default;
AcDbAttribute::~AcDbAttribute() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbAttributeDefinition, AcDbText, 0, 0, 0, ATTDEF, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbAttributeDefinition);
AcDbAttributeDefinition::AcDbAttributeDefinition() = default;
AcDbAttributeDefinition::~AcDbAttributeDefinition() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbMText, AcDbEntity, 0, 0, 0, MTEXT, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbMText);
AcDbMText::AcDbMText() = default;
AcDbMText::~AcDbMText() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbShape, AcDbEntity, 0, 0, 0, SHAPE, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbShape);
AcDbShape::AcDbShape() = default;
AcDbShape::~AcDbShape() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbFace, AcDbEntity, 0, 0, 0, 3DFACE, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbFace);
AcDbFace::AcDbFace() = default;
AcDbFace::~AcDbFace() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbTrace, AcDbEntity, 0, 0, 0, TRACE, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbTrace);
AcDbTrace::AcDbTrace() = default;
AcDbTrace::~AcDbTrace() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbSolid, AcDbEntity, 0, 0, 0, SOLID, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbSolid);
AcDbSolid::AcDbSolid() = default;
AcDbSolid::~AcDbSolid() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbMLeader, AcDbEntity, 0, 0, 0, MULTILEADER, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbMLeader);
AcDbMLeader::AcDbMLeader() = default;
AcDbMLeader::~AcDbMLeader() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbMline, AcDbEntity, 0, 0, 0, MLINE, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbMline);
AcDbMline::AcDbMline() = default;
AcDbMline::~AcDbMline() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbSubDMesh, AcDbEntity, 0, 0, 0, MESH, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbSubDMesh);
AcDbSubDMesh::AcDbSubDMesh() = default;
AcDbSubDMesh::~AcDbSubDMesh() = default;

ACRX_NO_CONS_DEFINE_MEMBERS(AcDbImage, AcDbEntity);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbImage);
AcDbImage::AcDbImage() = default;
AcDbImage::~AcDbImage() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbRasterImage, AcDbImage, 0, 0, 0, IMAGE, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbRasterImage);
AcDbRasterImage::AcDbRasterImage() = default;
AcDbRasterImage::~AcDbRasterImage() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbWipeout, AcDbRasterImage, 0, 0, 0, WIPEOUT, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbWipeout);
AcDbWipeout::AcDbWipeout() = default;
AcDbWipeout::~AcDbWipeout() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbViewport, AcDbEntity, 0, 0, 0, VIEWPORT, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbViewport);
AcDbViewport::AcDbViewport() = default;
AcDbViewport::~AcDbViewport() = default;

ACRX_NO_CONS_DEFINE_MEMBERS(AcDbDimension, AcDbEntity);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbDimension);
AcDbDimension::AcDbDimension() = default;
AcDbDimension::~AcDbDimension() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbAlignedDimension, AcDbDimension, 0, 0, 0, DIMENSION, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbAlignedDimension);
AcDbAlignedDimension::AcDbAlignedDimension() = default;
AcDbAlignedDimension::~AcDbAlignedDimension() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbRotatedDimension, AcDbDimension, 0, 0, 0, DIMENSION, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbRotatedDimension);
AcDbRotatedDimension::AcDbRotatedDimension() = default;
AcDbRotatedDimension::~AcDbRotatedDimension() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbRadialDimension, AcDbDimension, 0, 0, 0, DIMENSION, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbRadialDimension);
AcDbRadialDimension::AcDbRadialDimension() = default;
AcDbRadialDimension::~AcDbRadialDimension() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbDiametricDimension, AcDbDimension, 0, 0, 0, DIMENSION, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbDiametricDimension);
AcDbDiametricDimension::AcDbDiametricDimension() = default;
AcDbDiametricDimension::~AcDbDiametricDimension() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDb2LineAngularDimension, AcDbDimension, 0, 0, 0, DIMENSION, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDb2LineAngularDimension);
AcDb2LineAngularDimension::AcDb2LineAngularDimension() = default;
AcDb2LineAngularDimension::~AcDb2LineAngularDimension() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDb3PointAngularDimension, AcDbDimension, 0, 0, 0, DIMENSION, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDb3PointAngularDimension);
AcDb3PointAngularDimension::AcDb3PointAngularDimension() = default;
AcDb3PointAngularDimension::~AcDb3PointAngularDimension() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbOrdinateDimension, AcDbDimension, 0, 0, 0, DIMENSION, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbOrdinateDimension);
AcDbOrdinateDimension::AcDbOrdinateDimension() = default;
AcDbOrdinateDimension::~AcDbOrdinateDimension() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbArcDimension, AcDbDimension, 0, 0, 0, ARC_DIMENSION, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbArcDimension);
AcDbArcDimension::AcDbArcDimension() = default;
AcDbArcDimension::~AcDbArcDimension() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbRadialDimensionLarge, AcDbDimension, 0, 0, 0, LARGE_RADIAL_DIMENSION, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbRadialDimensionLarge);
AcDbRadialDimensionLarge::AcDbRadialDimensionLarge() = default;
AcDbRadialDimensionLarge::~AcDbRadialDimensionLarge() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbFcf, AcDbEntity, 0, 0, 0, TOLERANCE, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbFcf);
AcDbFcf::AcDbFcf() = default;
AcDbFcf::~AcDbFcf() = default;

ACRX_NO_CONS_DEFINE_MEMBERS(AcDbFrame, AcDbEntity);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbFrame);
AcDbFrame::AcDbFrame() = default;
AcDbFrame::~AcDbFrame() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbOleFrame, AcDbFrame, 0, 0, 0, OLEFRAME, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbOleFrame);
AcDbOleFrame::AcDbOleFrame() = default;
AcDbOleFrame::~AcDbOleFrame() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbOle2Frame, AcDbOleFrame, 0, 0, 0, OLE2FRAME, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbOle2Frame);
AcDbOle2Frame::AcDbOle2Frame() = default;
AcDbOle2Frame::~AcDbOle2Frame() = default;

ACRX_NO_CONS_DEFINE_MEMBERS(AcDbUnderlayReference, AcDbEntity);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbUnderlayReference);
AcDbUnderlayReference::AcDbUnderlayReference() = default;
AcDbUnderlayReference::~AcDbUnderlayReference() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbPdfReference, AcDbUnderlayReference, 0, 0, 0, PDFUNDERLAY, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbPdfReference);
AcDbPdfReference::AcDbPdfReference() = default;
AcDbPdfReference::~AcDbPdfReference() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbDwfReference, AcDbUnderlayReference, 0, 0, 0, DWFUNDERLAY, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbDwfReference);
AcDbDwfReference::AcDbDwfReference() = default;
AcDbDwfReference::~AcDbDwfReference() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbDgnReference, AcDbUnderlayReference, 0, 0, 0, DGNUNDERLAY, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbDgnReference);
AcDbDgnReference::AcDbDgnReference() = default;
AcDbDgnReference::~AcDbDgnReference() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDb3dSolid, AcDbEntity, 0, 0, 0, 3DSOLID, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDb3dSolid);
AcDb3dSolid::AcDb3dSolid() = default;
AcDb3dSolid::~AcDb3dSolid() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbRegion, AcDbEntity, 0, 0, 0, REGION, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbRegion);
AcDbRegion::AcDbRegion() = default;
AcDbRegion::~AcDbRegion() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbBody, AcDbEntity, 0, 0, 0, BODY, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbBody);
AcDbBody::AcDbBody() = default;
AcDbBody::~AcDbBody() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbSurface, AcDbEntity, 0, 0, 0, SURFACE, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbSurface);
AcDbSurface::AcDbSurface() = default;
AcDbSurface::~AcDbSurface() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbExtrudedSurface, AcDbSurface, 0, 0, 0, EXTRUDEDSURFACE, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbExtrudedSurface);
AcDbExtrudedSurface::AcDbExtrudedSurface() = default;
AcDbExtrudedSurface::~AcDbExtrudedSurface() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbLoftedSurface, AcDbSurface, 0, 0, 0, LOFTEDSURFACE, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbLoftedSurface);
AcDbLoftedSurface::AcDbLoftedSurface() = default;
AcDbLoftedSurface::~AcDbLoftedSurface() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbRevolvedSurface, AcDbSurface, 0, 0, 0, REVOLVEDSURFACE, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbRevolvedSurface);
AcDbRevolvedSurface::AcDbRevolvedSurface() = default;
AcDbRevolvedSurface::~AcDbRevolvedSurface() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbSweptSurface, AcDbSurface, 0, 0, 0, SWEPTSURFACE, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbSweptSurface);
AcDbSweptSurface::AcDbSweptSurface() = default;
AcDbSweptSurface::~AcDbSweptSurface() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbPlaneSurface, AcDbSurface, 0, 0, 0, PLANESURFACE, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbPlaneSurface);
AcDbPlaneSurface::AcDbPlaneSurface() = default;
AcDbPlaneSurface::~AcDbPlaneSurface() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbNurbSurface, AcDbSurface, 0, 0, 0, NURBSURFACE, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbNurbSurface);
AcDbNurbSurface::AcDbNurbSurface() = default;
AcDbNurbSurface::~AcDbNurbSurface() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbLight, AcDbEntity, 0, 0, 0, LIGHT, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbLight);
AcDbLight::AcDbLight() = default;
AcDbLight::~AcDbLight() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbSection, AcDbEntity, 0, 0, 0, SECTIONOBJECT, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbSection);
AcDbSection::AcDbSection() = default;
AcDbSection::~AcDbSection() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbGeoPositionMarker, AcDbEntity, 0, 0, 0, POSITIONMARKER, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbGeoPositionMarker);
AcDbGeoPositionMarker::AcDbGeoPositionMarker() = default;
AcDbGeoPositionMarker::~AcDbGeoPositionMarker() = default;
