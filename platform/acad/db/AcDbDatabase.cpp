#include <acadsim/DxfReader.h>
#include "../ed/SystemVariableTable.h"
#include <dbdict.h>
#include <dbsymtb.h>
#include <qvwide.h>

#include <fstream>

#include "DatabaseImpl.h"
#include "DatabaseSetup.h"

ACRX_NO_CONS_DEFINE_MEMBERS(AcDbDatabase, AcRxObject);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbDatabase);

namespace {

template <class T>
Acad::ErrorStatus openTable(AcDbObjectId id, T*& table, AcDb::OpenMode mode) {
  table = nullptr;
  return acdbOpenObject(table, id, mode);
}

AcDbObjectId nodEntry(AcDbObjectId nod, const char16_t* name) {
  AcDbObjectId id;
  if (auto* dict = acadsim::peek<AcDbDictionary>(nod)) dict->getAt(name, id);
  return id;
}

}  // namespace

AcDbDatabase::AcDbDatabase(bool buildDefaultDrawing, bool) : mImpl(std::make_unique<acadsim::DatabaseImpl>(this)) {
  if (buildDefaultDrawing) acadsim::completeDatabase(*mImpl);
}

AcDbDatabase::~AcDbDatabase() = default;

Acad::ErrorStatus AcDbDatabase::dxfIn(const ACHAR* dxfFilename, const ACHAR* logFilename) {
  if (dxfFilename == nullptr) return Acad::eInvalidInput;
  std::string path = WideToUtf8(dxfFilename);
  if (!std::ifstream(path, std::ios::binary)) return Acad::eFileNotFound;
  acadsim::DxfError err;
  if (acadsim::readDxf(path, *this, err)) return Acad::eOk;
  if (logFilename != nullptr) {
    std::ofstream log(WideToUtf8(logFilename), std::ios::app);
    log << acadsim::formatDxfError(path, err) << '\n';
  }
  return err.line == 0 && err.byteOffset == 0 && !err.isBinary ? Acad::eCantOpenFile : Acad::eBadDxfFile;
}

Acad::ErrorStatus AcDbDatabase::addAcDbObject(AcDbObjectId& objId, AcDbObject* pObj) {
  if (pObj == nullptr) return Acad::eNullObjectPointer;
  if (!pObj->objectId().isNull()) return Acad::eAlreadyInDb;
  objId = mImpl->adopt(pObj, 0, AcDbObjectId::kNull);
  // The object is resident and open for write, as AutoCAD leaves it; the caller closes it.
  acadsim::DatabaseImpl::open(pObj, AcDb::kForWrite, false);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbDatabase::addAcDbObject(AcDbObject* pObj) {
  AcDbObjectId id;
  return addAcDbObject(id, pObj);
}

Acad::ErrorStatus AcDbDatabase::getAcDbObjectId(AcDbObjectId& retId, bool createIfNotFound,
                                                const AcDbHandle& objHandle, Adesk::UInt32) {
  retId.setNull();
  if (createIfNotFound) return Acad::eInvalidInput;
  if (objHandle.isNull()) return Acad::eNullHandle;
  AcDbStub* stub = mImpl->findStub(objHandle);
  if (stub == nullptr || stub->object == nullptr) return Acad::eUnknownHandle;
  retId = AcDbObjectId(stub);
  return Acad::eOk;
}

AcDbHandle AcDbDatabase::handseed() const { return AcDbHandle(mImpl->handseed); }

AcDbObjectId AcDbDatabase::blockTableId() const { return mImpl->blockTable; }
AcDbObjectId AcDbDatabase::layerTableId() const { return mImpl->layerTable; }
AcDbObjectId AcDbDatabase::linetypeTableId() const { return mImpl->linetypeTable; }
AcDbObjectId AcDbDatabase::textStyleTableId() const { return mImpl->textStyleTable; }
AcDbObjectId AcDbDatabase::dimStyleTableId() const { return mImpl->dimStyleTable; }
AcDbObjectId AcDbDatabase::regAppTableId() const { return mImpl->regAppTable; }
AcDbObjectId AcDbDatabase::viewportTableId() const { return mImpl->viewportTable; }
AcDbObjectId AcDbDatabase::viewTableId() const { return mImpl->viewTable; }
AcDbObjectId AcDbDatabase::UCSTableId() const { return mImpl->ucsTable; }
AcDbObjectId AcDbDatabase::namedObjectsDictionaryId() const { return mImpl->namedObjects; }
AcDbObjectId AcDbDatabase::layoutDictionaryId() const { return nodEntry(mImpl->namedObjects, u"ACAD_LAYOUT"); }
AcDbObjectId AcDbDatabase::plotStyleNameDictionaryId() const {
  return nodEntry(mImpl->namedObjects, u"ACAD_PLOTSTYLENAME");
}
AcDbObjectId AcDbDatabase::materialDictionaryId() const { return nodEntry(mImpl->namedObjects, u"ACAD_MATERIAL"); }
AcDbObjectId AcDbDatabase::byLayerLinetype() const { return mImpl->byLayerLinetype; }
AcDbObjectId AcDbDatabase::byBlockLinetype() const { return mImpl->byBlockLinetype; }
AcDbObjectId AcDbDatabase::continuousLinetype() const { return mImpl->continuousLinetype; }
AcDbObjectId AcDbDatabase::layerZero() const { return mImpl->layerZero; }

AcDbObjectId AcDbDatabase::currentSpaceId() const {
  return mImpl->headerInt("$TILEMODE", 1) == 0 ? mImpl->paperSpace : mImpl->modelSpace;
}

AcDbObjectId AcDbDatabase::clayer() const {
  const acadsim::DxfData* value = mImpl->header("$CLAYER");
  if (value != nullptr && !value->empty() && value->type(0) == acadsim::DxfData::Type::String) {
    auto* table = acadsim::peek<AcDbLayerTable>(mImpl->layerTable);
    AcDbObjectId id = table ? table->findRecord(Utf8ToWide(value->string(0))) : AcDbObjectId::kNull;
    if (!id.isNull()) return id;
  }
  return mImpl->layerZero;
}

Acad::ErrorStatus AcDbDatabase::getBlockTable(AcDbBlockTable*& t, AcDb::OpenMode m) {
  return openTable(mImpl->blockTable, t, m);
}
Acad::ErrorStatus AcDbDatabase::getLayerTable(AcDbLayerTable*& t, AcDb::OpenMode m) {
  return openTable(mImpl->layerTable, t, m);
}
Acad::ErrorStatus AcDbDatabase::getLinetypeTable(AcDbLinetypeTable*& t, AcDb::OpenMode m) {
  return openTable(mImpl->linetypeTable, t, m);
}
Acad::ErrorStatus AcDbDatabase::getTextStyleTable(AcDbTextStyleTable*& t, AcDb::OpenMode m) {
  return openTable(mImpl->textStyleTable, t, m);
}
Acad::ErrorStatus AcDbDatabase::getDimStyleTable(AcDbDimStyleTable*& t, AcDb::OpenMode m) {
  return openTable(mImpl->dimStyleTable, t, m);
}
Acad::ErrorStatus AcDbDatabase::getRegAppTable(AcDbRegAppTable*& t, AcDb::OpenMode m) {
  return openTable(mImpl->regAppTable, t, m);
}
Acad::ErrorStatus AcDbDatabase::getViewportTable(AcDbViewportTable*& t, AcDb::OpenMode m) {
  return openTable(mImpl->viewportTable, t, m);
}
Acad::ErrorStatus AcDbDatabase::getViewTable(AcDbViewTable*& t, AcDb::OpenMode m) {
  return openTable(mImpl->viewTable, t, m);
}
Acad::ErrorStatus AcDbDatabase::getUCSTable(AcDbUCSTable*& t, AcDb::OpenMode m) {
  return openTable(mImpl->ucsTable, t, m);
}
Acad::ErrorStatus AcDbDatabase::getNamedObjectsDictionary(AcDbDictionary*& d, AcDb::OpenMode m) {
  return openTable(mImpl->namedObjects, d, m);
}

Adesk::Int16 AcDbDatabase::lunits() const { return Adesk::Int16(acadsim::headerIntOrDefault(*mImpl, "LUNITS")); }
Adesk::Int16 AcDbDatabase::luprec() const { return Adesk::Int16(acadsim::headerIntOrDefault(*mImpl, "LUPREC")); }
Adesk::Int16 AcDbDatabase::aunits() const { return Adesk::Int16(acadsim::headerIntOrDefault(*mImpl, "AUNITS")); }
Adesk::Int16 AcDbDatabase::auprec() const { return Adesk::Int16(acadsim::headerIntOrDefault(*mImpl, "AUPREC")); }
double AcDbDatabase::angbase() const { return acadsim::headerRealOrDefault(*mImpl, "ANGBASE"); }
bool AcDbDatabase::angdir() const { return acadsim::headerIntOrDefault(*mImpl, "ANGDIR") != 0; }
Adesk::Int16 AcDbDatabase::unitmode() const { return Adesk::Int16(acadsim::headerIntOrDefault(*mImpl, "UNITMODE")); }
Adesk::Int16 AcDbDatabase::pdmode() const { return Adesk::Int16(acadsim::headerIntOrDefault(*mImpl, "PDMODE")); }
double AcDbDatabase::pdsize() const { return acadsim::headerRealOrDefault(*mImpl, "PDSIZE"); }
Adesk::Int16 AcDbDatabase::insunits() const { return Adesk::Int16(acadsim::headerIntOrDefault(*mImpl, "INSUNITS")); }
const ACHAR* AcDbDatabase::originalFileName() const { return mImpl->fileName.c_str(); }

bool AcDbDatabase::plotStyleMode() const { return acadsim::headerIntOrDefault(*mImpl, "PSTYLEMODE") != 0; }
