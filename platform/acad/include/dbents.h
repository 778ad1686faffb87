// The host's entity classes, each with its real parent; each family has its own header, included here.
#pragma once
#include "dbmain.h"
#include "dbcurve.h"
#include "dbhatch.h"
#include "dbregion.h"
#include "dbsol3d.h"
#include "dbblkref.h"
#include "dbtable.h"
#include "dbvport.h"
#include "imgent.h"
#include "dbtext.h"
#include "dbdim.h"

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
