// The host's entity classes: registered with their DXF names and real parents.
#include <dbents.h>

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
