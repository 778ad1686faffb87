// The host's built-in object classes without typed members yet; their groups stay in dxfSubclassData().
#pragma once
#include "dbmain.h"
#include "imgdef.h"
#include "dbtablestyle.h"

// DXF "ACDBPLACEHOLDER"
class AcDbPlaceHolder : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbPlaceHolder);
  AcDbPlaceHolder();
  ~AcDbPlaceHolder() override;
};

// DXF "XRECORD"
class AcDbXrecord : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbXrecord);
  AcDbXrecord();
  ~AcDbXrecord() override;
};

// DXF "GROUP"
class AcDbGroup : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbGroup);
  AcDbGroup();
  ~AcDbGroup() override;
};

// DXF "MLINESTYLE"
class AcDbMlineStyle : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbMlineStyle);
  AcDbMlineStyle();
  ~AcDbMlineStyle() override;
};

// DXF "RASTERVARIABLES"
class AcDbRasterVariables : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbRasterVariables);
  AcDbRasterVariables();
  ~AcDbRasterVariables() override;
};

// DXF "WIPEOUTVARIABLES"
class AcDbWipeoutVariables : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbWipeoutVariables);
  AcDbWipeoutVariables();
  ~AcDbWipeoutVariables() override;
};

// DXF "MLEADERSTYLE"
class AcDbMLeaderStyle : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbMLeaderStyle);
  AcDbMLeaderStyle();
  ~AcDbMLeaderStyle() override;
};

// DXF "VISUALSTYLE"
class AcDbVisualStyle : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbVisualStyle);
  AcDbVisualStyle();
  ~AcDbVisualStyle() override;
};

// DXF "SCALE"
class AcDbScale : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbScale);
  AcDbScale();
  ~AcDbScale() override;
};

// DXF "DICTIONARYVAR"
class AcDbDictionaryVar : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbDictionaryVar);
  AcDbDictionaryVar();
  ~AcDbDictionaryVar() override;
};

// DXF "SORTENTSTABLE"
class AcDbSortentsTable : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbSortentsTable);
  AcDbSortentsTable();
  ~AcDbSortentsTable() override;
};

// DXF "FIELD"
class AcDbField : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbField);
  AcDbField();
  ~AcDbField() override;
};

// DXF "FIELDLIST"
class AcDbFieldList : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbFieldList);
  AcDbFieldList();
  ~AcDbFieldList() override;
};

// DXF "GEODATA"
class AcDbGeoData : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbGeoData);
  AcDbGeoData();
  ~AcDbGeoData() override;
};

// DXF "CELLSTYLEMAP"
class AcDbCellStyleMap : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbCellStyleMap);
  AcDbCellStyleMap();
  ~AcDbCellStyleMap() override;
};

class AcDbUnderlayDefinition : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbUnderlayDefinition);
  ~AcDbUnderlayDefinition() override;

 protected:
  AcDbUnderlayDefinition();
};

// DXF "PDFDEFINITION"
class AcDbPdfDefinition : public AcDbUnderlayDefinition {
 public:
  ACRX_DECLARE_MEMBERS(AcDbPdfDefinition);
  AcDbPdfDefinition();
  ~AcDbPdfDefinition() override;
};

// DXF "DWFDEFINITION"
class AcDbDwfDefinition : public AcDbUnderlayDefinition {
 public:
  ACRX_DECLARE_MEMBERS(AcDbDwfDefinition);
  AcDbDwfDefinition();
  ~AcDbDwfDefinition() override;
};

// DXF "DGNDEFINITION"
class AcDbDgnDefinition : public AcDbUnderlayDefinition {
 public:
  ACRX_DECLARE_MEMBERS(AcDbDgnDefinition);
  AcDbDgnDefinition();
  ~AcDbDgnDefinition() override;
};

class AcDbFilter : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbFilter);
  ~AcDbFilter() override;

 protected:
  AcDbFilter();
};

// DXF "SPATIAL_FILTER"
class AcDbSpatialFilter : public AcDbFilter {
 public:
  ACRX_DECLARE_MEMBERS(AcDbSpatialFilter);
  AcDbSpatialFilter();
  ~AcDbSpatialFilter() override;
};

// DXF "LAYER_FILTER"
class AcDbLayerFilter : public AcDbFilter {
 public:
  ACRX_DECLARE_MEMBERS(AcDbLayerFilter);
  AcDbLayerFilter();
  ~AcDbLayerFilter() override;
};

class AcDbIndex : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbIndex);
  ~AcDbIndex() override;

 protected:
  AcDbIndex();
};

// DXF "SPATIAL_INDEX"
class AcDbSpatialIndex : public AcDbIndex {
 public:
  ACRX_DECLARE_MEMBERS(AcDbSpatialIndex);
  AcDbSpatialIndex();
  ~AcDbSpatialIndex() override;
};

// DXF "LAYER_INDEX"
class AcDbLayerIndex : public AcDbIndex {
 public:
  ACRX_DECLARE_MEMBERS(AcDbLayerIndex);
  AcDbLayerIndex();
  ~AcDbLayerIndex() override;
};

// DXF "IDBUFFER"
class AcDbIdBuffer : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbIdBuffer);
  AcDbIdBuffer();
  ~AcDbIdBuffer() override;
};

class AcDbSunBackground : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbSunBackground);
  ~AcDbSunBackground() override;

 protected:
  AcDbSunBackground();
};

// DXF "SUN"
class AcDbSun : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbSun);
  AcDbSun();
  ~AcDbSun() override;
};

// DXF "DATATABLE"
class AcDbDataTable : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbDataTable);
  AcDbDataTable();
  ~AcDbDataTable() override;
};

// DXF "DIMASSOC"
class AcDbDimAssoc : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbDimAssoc);
  AcDbDimAssoc();
  ~AcDbDimAssoc() override;
};

// DXF "MENTALRAYRENDERSETTINGS"
class AcDbMentalRayRenderSettings : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbMentalRayRenderSettings);
  AcDbMentalRayRenderSettings();
  ~AcDbMentalRayRenderSettings() override;
};

// DXF "RENDERGLOBAL"
class AcDbRenderGlobal : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbRenderGlobal);
  AcDbRenderGlobal();
  ~AcDbRenderGlobal() override;
};
