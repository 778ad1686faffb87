// The host's built-in object classes: registered with their DXF names and real parents.
#include <dbobjects.h>

ACRX_DXF_DEFINE_MEMBERS(AcDbPlaceHolder, AcDbObject, 0, 0, 0, ACDBPLACEHOLDER, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbPlaceHolder);
AcDbPlaceHolder::AcDbPlaceHolder() = default;
AcDbPlaceHolder::~AcDbPlaceHolder() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbXrecord, AcDbObject, 0, 0, 0, XRECORD, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbXrecord);
AcDbXrecord::AcDbXrecord() = default;
AcDbXrecord::~AcDbXrecord() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbGroup, AcDbObject, 0, 0, 0, GROUP, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbGroup);
AcDbGroup::AcDbGroup() = default;
AcDbGroup::~AcDbGroup() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbMlineStyle, AcDbObject, 0, 0, 0, MLINESTYLE, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbMlineStyle);
AcDbMlineStyle::AcDbMlineStyle() = default;
AcDbMlineStyle::~AcDbMlineStyle() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbRasterVariables, AcDbObject, 0, 0, 0, RASTERVARIABLES, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbRasterVariables);
AcDbRasterVariables::AcDbRasterVariables() = default;
AcDbRasterVariables::~AcDbRasterVariables() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbWipeoutVariables, AcDbObject, 0, 0, 0, WIPEOUTVARIABLES, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbWipeoutVariables);
AcDbWipeoutVariables::AcDbWipeoutVariables() = default;
AcDbWipeoutVariables::~AcDbWipeoutVariables() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbMLeaderStyle, AcDbObject, 0, 0, 0, MLEADERSTYLE, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbMLeaderStyle);
AcDbMLeaderStyle::AcDbMLeaderStyle() = default;
AcDbMLeaderStyle::~AcDbMLeaderStyle() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbVisualStyle, AcDbObject, 0, 0, 0, VISUALSTYLE, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbVisualStyle);
AcDbVisualStyle::AcDbVisualStyle() = default;
AcDbVisualStyle::~AcDbVisualStyle() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbScale, AcDbObject, 0, 0, 0, SCALE, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbScale);
AcDbScale::AcDbScale() = default;
AcDbScale::~AcDbScale() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbDictionaryVar, AcDbObject, 0, 0, 0, DICTIONARYVAR, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbDictionaryVar);
AcDbDictionaryVar::AcDbDictionaryVar() = default;
AcDbDictionaryVar::~AcDbDictionaryVar() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbSortentsTable, AcDbObject, 0, 0, 0, SORTENTSTABLE, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbSortentsTable);
AcDbSortentsTable::AcDbSortentsTable() = default;
AcDbSortentsTable::~AcDbSortentsTable() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbField, AcDbObject, 0, 0, 0, FIELD, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbField);
AcDbField::AcDbField() = default;
AcDbField::~AcDbField() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbFieldList, AcDbObject, 0, 0, 0, FIELDLIST, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbFieldList);
AcDbFieldList::AcDbFieldList() = default;
AcDbFieldList::~AcDbFieldList() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbGeoData, AcDbObject, 0, 0, 0, GEODATA, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbGeoData);
AcDbGeoData::AcDbGeoData() = default;
AcDbGeoData::~AcDbGeoData() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbCellStyleMap, AcDbObject, 0, 0, 0, CELLSTYLEMAP, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbCellStyleMap);
AcDbCellStyleMap::AcDbCellStyleMap() = default;
AcDbCellStyleMap::~AcDbCellStyleMap() = default;

ACRX_NO_CONS_DEFINE_MEMBERS(AcDbUnderlayDefinition, AcDbObject);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbUnderlayDefinition);
AcDbUnderlayDefinition::AcDbUnderlayDefinition() = default;
AcDbUnderlayDefinition::~AcDbUnderlayDefinition() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbPdfDefinition, AcDbUnderlayDefinition, 0, 0, 0, PDFDEFINITION, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbPdfDefinition);
AcDbPdfDefinition::AcDbPdfDefinition() = default;
AcDbPdfDefinition::~AcDbPdfDefinition() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbDwfDefinition, AcDbUnderlayDefinition, 0, 0, 0, DWFDEFINITION, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbDwfDefinition);
AcDbDwfDefinition::AcDbDwfDefinition() = default;
AcDbDwfDefinition::~AcDbDwfDefinition() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbDgnDefinition, AcDbUnderlayDefinition, 0, 0, 0, DGNDEFINITION, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbDgnDefinition);
AcDbDgnDefinition::AcDbDgnDefinition() = default;
AcDbDgnDefinition::~AcDbDgnDefinition() = default;

ACRX_NO_CONS_DEFINE_MEMBERS(AcDbFilter, AcDbObject);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbFilter);
AcDbFilter::AcDbFilter() = default;
AcDbFilter::~AcDbFilter() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbSpatialFilter, AcDbFilter, 0, 0, 0, SPATIAL_FILTER, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbSpatialFilter);
AcDbSpatialFilter::AcDbSpatialFilter() = default;
AcDbSpatialFilter::~AcDbSpatialFilter() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbLayerFilter, AcDbFilter, 0, 0, 0, LAYER_FILTER, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbLayerFilter);
AcDbLayerFilter::AcDbLayerFilter() = default;
AcDbLayerFilter::~AcDbLayerFilter() = default;

ACRX_NO_CONS_DEFINE_MEMBERS(AcDbIndex, AcDbObject);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbIndex);
AcDbIndex::AcDbIndex() = default;
AcDbIndex::~AcDbIndex() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbSpatialIndex, AcDbIndex, 0, 0, 0, SPATIAL_INDEX, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbSpatialIndex);
AcDbSpatialIndex::AcDbSpatialIndex() = default;
AcDbSpatialIndex::~AcDbSpatialIndex() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbLayerIndex, AcDbIndex, 0, 0, 0, LAYER_INDEX, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbLayerIndex);
AcDbLayerIndex::AcDbLayerIndex() = default;
AcDbLayerIndex::~AcDbLayerIndex() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbIdBuffer, AcDbObject, 0, 0, 0, IDBUFFER, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbIdBuffer);
AcDbIdBuffer::AcDbIdBuffer() = default;
AcDbIdBuffer::~AcDbIdBuffer() = default;

ACRX_NO_CONS_DEFINE_MEMBERS(AcDbSunBackground, AcDbObject);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbSunBackground);
AcDbSunBackground::AcDbSunBackground() = default;
AcDbSunBackground::~AcDbSunBackground() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbSun, AcDbObject, 0, 0, 0, SUN, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbSun);
AcDbSun::AcDbSun() = default;
AcDbSun::~AcDbSun() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbDataTable, AcDbObject, 0, 0, 0, DATATABLE, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbDataTable);
AcDbDataTable::AcDbDataTable() = default;
AcDbDataTable::~AcDbDataTable() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbDimAssoc, AcDbObject, 0, 0, 0, DIMASSOC, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbDimAssoc);
AcDbDimAssoc::AcDbDimAssoc() = default;
AcDbDimAssoc::~AcDbDimAssoc() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbMentalRayRenderSettings, AcDbObject, 0, 0, 0, MENTALRAYRENDERSETTINGS, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbMentalRayRenderSettings);
AcDbMentalRayRenderSettings::AcDbMentalRayRenderSettings() = default;
AcDbMentalRayRenderSettings::~AcDbMentalRayRenderSettings() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbRenderGlobal, AcDbObject, 0, 0, 0, RENDERGLOBAL, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbRenderGlobal);
AcDbRenderGlobal::AcDbRenderGlobal() = default;
AcDbRenderGlobal::~AcDbRenderGlobal() = default;
