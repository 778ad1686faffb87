#include <acutads.h>
#include <dbdict.h>
#include <dbfiler.h>
#include <dbmain.h>
#include <dbmaterial.h>
#include <dbsymtb.h>
#include <qvwide.h>

#include "DatabaseImpl.h"
#include "DatabaseSetup.h"
#include "DxfResbuf.h"

ACRX_NO_CONS_DEFINE_MEMBERS(AcDbEntity, AcDbObject);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbEntity);

namespace {

enum Kind : Adesk::UInt8 { kByLayer = 0, kByBlock = 1, kById = 2 };

bool isValidLineWeight(int w) {
  static const int kWeights[] = {0,  5,  9,  13, 15, 18, 20, 25,  30,  35,  40,  50,  53,  60,
                                 70, 80, 90, 100, 106, 120, 140, 158, 200, 211, -1, -2, -3};
  for (int v : kWeights)
    if (v == w) return true;
  return false;
}

template <class Record>
std::u16string recordName(AcDbObjectId id) {
  Record* rec = acadsim::peek<Record>(id);
  return rec ? rec->name() : std::u16string();
}

}  // namespace

AcDbEntity::AcDbEntity() = default;
AcDbEntity::~AcDbEntity() = default;

ACHAR* AcDbEntity::layer() const { return acadsim::newHostString(recordName<AcDbLayerTableRecord>(mLayerId)); }

Acad::ErrorStatus AcDbEntity::setLayer(const ACHAR* newVal, Adesk::Boolean doSubents, bool allowHiddenLayer) {
  if (newVal == nullptr) return Acad::eInvalidInput;
  AcDbDatabase* db = database();
  if (db == nullptr) db = acadsim::workingDatabaseOrNull();
  if (db == nullptr) return Acad::eNoDatabase;
  auto* table = acadsim::peek<AcDbLayerTable>(db->layerTableId());
  AcDbObjectId id = table ? table->findRecord(newVal) : AcDbObjectId::kNull;
  if (id.isNull()) return Acad::eKeyNotFound;
  return setLayer(id, doSubents, allowHiddenLayer);
}

Acad::ErrorStatus AcDbEntity::setLayer(AcDbObjectId newVal, Adesk::Boolean, bool) {
  if (!objectId().isNull() && !isWriteEnabled()) return Acad::eNotOpenForWrite;
  if (newVal.isNull()) return Acad::eNullObjectId;
  if (acadsim::peek<AcDbLayerTableRecord>(newVal) == nullptr) return Acad::eWrongObjectType;
  mLayerId = newVal;
  return Acad::eOk;
}

ACHAR* AcDbEntity::linetype() const {
  if (mLinetypeKind == kByLayer) return acadsim::newHostString(u"ByLayer");
  if (mLinetypeKind == kByBlock) return acadsim::newHostString(u"ByBlock");
  return acadsim::newHostString(recordName<AcDbLinetypeTableRecord>(mLinetypeId));
}

Acad::ErrorStatus AcDbEntity::setLinetype(const ACHAR* newVal, Adesk::Boolean doSubents) {
  if (newVal == nullptr) return Acad::eInvalidInput;
  if (!objectId().isNull() && !isWriteEnabled()) return Acad::eNotOpenForWrite;
  if (acadsim::equalNoCase(newVal, u"BYLAYER")) {
    mLinetypeKind = kByLayer;
    mLinetypeId = database() ? database()->byLayerLinetype() : AcDbObjectId::kNull;
    return Acad::eOk;
  }
  if (acadsim::equalNoCase(newVal, u"BYBLOCK")) {
    mLinetypeKind = kByBlock;
    mLinetypeId = database() ? database()->byBlockLinetype() : AcDbObjectId::kNull;
    return Acad::eOk;
  }
  AcDbDatabase* db = database() ? database() : acadsim::workingDatabaseOrNull();
  if (db == nullptr) return Acad::eNoDatabase;
  AcDbObjectId id = acadsim::linetypeNamed(db->impl(), newVal);
  if (id.isNull()) return Acad::eKeyNotFound;
  return setLinetype(id, doSubents);
}

Acad::ErrorStatus AcDbEntity::setLinetype(AcDbObjectId newVal, Adesk::Boolean) {
  if (!objectId().isNull() && !isWriteEnabled()) return Acad::eNotOpenForWrite;
  if (newVal.isNull()) return Acad::eNullObjectId;
  auto* rec = acadsim::peek<AcDbLinetypeTableRecord>(newVal);
  if (rec == nullptr) return Acad::eWrongObjectType;
  std::u16string name = rec->name();
  mLinetypeKind = acadsim::equalNoCase(name, u"BYLAYER") ? kByLayer
                  : acadsim::equalNoCase(name, u"BYBLOCK") ? kByBlock
                                                           : kById;
  mLinetypeId = newVal;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEntity::setLinetypeScale(double newval, Adesk::Boolean) {
  if (!(newval > 0.0)) return Acad::eBadLinetypeScale;
  if (!objectId().isNull() && !isWriteEnabled()) return Acad::eNotOpenForWrite;
  mLinetypeScale = newval;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEntity::setColor(const AcCmColor& color, Adesk::Boolean) {
  if (!objectId().isNull() && !isWriteEnabled()) return Acad::eNotOpenForWrite;
  mColor = color;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEntity::setColorIndex(Adesk::UInt16 color, Adesk::Boolean doSubents) {
  if (color > 256) return Acad::eBadColorIndex;
  AcCmColor c;
  c.setColorIndex(color);
  return setColor(c, doSubents);
}

Acad::ErrorStatus AcDbEntity::setLineWeight(AcDb::LineWeight newVal, Adesk::Boolean) {
  if (!isValidLineWeight(newVal)) return Acad::eInvalidInput;
  if (!objectId().isNull() && !isWriteEnabled()) return Acad::eNotOpenForWrite;
  mLineWeight = newVal;
  return Acad::eOk;
}

ACHAR* AcDbEntity::plotStyleName() const {
  AcDbDatabase* db = database();
  if (db != nullptr && db->plotStyleMode()) return acadsim::newHostString(u"ByColor");
  switch (mPlotStyleType) {
    case AcDb::kPlotStyleNameByLayer: return acadsim::newHostString(u"ByLayer");
    case AcDb::kPlotStyleNameByBlock: return acadsim::newHostString(u"ByBlock");
    default: break;
  }
  // The name is the entry naming the placeholder in the plot style name dictionary.
  std::u16string name;
  AcDbObjectId styleId = mPlotStyleId;
  AcDbObjectId dictId = db ? db->plotStyleNameDictionaryId() : AcDbObjectId::kNull;
  if (mPlotStyleType == AcDb::kPlotStyleNameIsDictDefault)
    if (auto* withDefault = acadsim::peek<AcDbDictionaryWithDefault>(dictId)) styleId = withDefault->defaultId();
  if (auto* dict = acadsim::peek<AcDbDictionary>(dictId))
    for (const auto& entry : dict->entries())
      if (entry.id == styleId) name = entry.name;
  return acadsim::newHostString(name);
}

AcDb::PlotStyleNameType AcDbEntity::getPlotStyleNameId(AcDbObjectId& id) const {
  id = mPlotStyleId;
  return mPlotStyleType;
}

Acad::ErrorStatus AcDbEntity::setPlotStyleName(const ACHAR* newName, Adesk::Boolean doSubents) {
  if (newName == nullptr) return Acad::eInvalidInput;
  if (acadsim::equalNoCase(newName, u"BYLAYER")) return setPlotStyleName(AcDb::kPlotStyleNameByLayer);
  if (acadsim::equalNoCase(newName, u"BYBLOCK")) return setPlotStyleName(AcDb::kPlotStyleNameByBlock);
  AcDbDatabase* db = database() ? database() : acadsim::workingDatabaseOrNull();
  if (db == nullptr) return Acad::eNoDatabase;
  auto* dict = acadsim::peek<AcDbDictionary>(db->plotStyleNameDictionaryId());
  AcDbObjectId id;
  if (dict == nullptr || dict->getAt(newName, id) != Acad::eOk) return Acad::eKeyNotFound;
  return setPlotStyleName(AcDb::kPlotStyleNameById, id, doSubents);
}

Acad::ErrorStatus AcDbEntity::setPlotStyleName(AcDb::PlotStyleNameType type, AcDbObjectId newId, Adesk::Boolean) {
  if (!objectId().isNull() && !isWriteEnabled()) return Acad::eNotOpenForWrite;
  if (type == AcDb::kPlotStyleNameById && newId.isNull()) return Acad::eInvalidInput;
  mPlotStyleType = type;
  mPlotStyleId = type == AcDb::kPlotStyleNameById ? newId : AcDbObjectId::kNull;
  return Acad::eOk;
}

ACHAR* AcDbEntity::material() const {
  if (mMaterialKind == kByLayer) return acadsim::newHostString(u"ByLayer");
  if (mMaterialKind == kByBlock) return acadsim::newHostString(u"ByBlock");
  auto* mat = acadsim::peek<AcDbMaterial>(mMaterialId);
  return acadsim::newHostString(mat ? mat->name() : u"");
}

Acad::ErrorStatus AcDbEntity::setMaterial(const ACHAR* newVal, Adesk::Boolean doSubents) {
  if (newVal == nullptr) return Acad::eInvalidInput;
  if (!objectId().isNull() && !isWriteEnabled()) return Acad::eNotOpenForWrite;
  if (acadsim::equalNoCase(newVal, u"BYLAYER")) {
    mMaterialKind = kByLayer;
    mMaterialId.setNull();
    return Acad::eOk;
  }
  if (acadsim::equalNoCase(newVal, u"BYBLOCK")) {
    mMaterialKind = kByBlock;
    mMaterialId.setNull();
    return Acad::eOk;
  }
  AcDbDatabase* db = database() ? database() : acadsim::workingDatabaseOrNull();
  if (db == nullptr) return Acad::eNoDatabase;
  auto* dict = acadsim::peek<AcDbDictionary>(db->materialDictionaryId());
  AcDbObjectId id;
  if (dict == nullptr || dict->getAt(newVal, id) != Acad::eOk) return Acad::eKeyNotFound;
  return setMaterial(id, doSubents);
}

Acad::ErrorStatus AcDbEntity::setMaterial(AcDbObjectId newVal, Adesk::Boolean) {
  if (!objectId().isNull() && !isWriteEnabled()) return Acad::eNotOpenForWrite;
  if (newVal.isNull()) return Acad::eNullObjectId;
  auto* mat = acadsim::peek<AcDbMaterial>(newVal);
  if (mat == nullptr) return Acad::eWrongObjectType;
  std::u16string name = mat->name();
  mMaterialKind = acadsim::equalNoCase(name, u"BYLAYER") ? kByLayer
                  : acadsim::equalNoCase(name, u"BYBLOCK") ? kByBlock
                                                           : kById;
  mMaterialId = mMaterialKind == kById ? newVal : AcDbObjectId::kNull;
  return Acad::eOk;
}

bool AcDbEntity::castShadows() const { return mShadowMode == 0 || mShadowMode == 1; }
bool AcDbEntity::receiveShadows() const { return mShadowMode == 0 || mShadowMode == 2; }

void AcDbEntity::setCastShadows(bool newVal) {
  bool receives = receiveShadows();
  mShadowMode = newVal ? (receives ? 0 : 1) : (receives ? 2 : 3);
}

void AcDbEntity::setReceiveShadows(bool newVal) {
  bool casts = castShadows();
  mShadowMode = newVal ? (casts ? 0 : 2) : (casts ? 1 : 3);
}

Acad::ErrorStatus AcDbEntity::setVisibility(AcDb::Visibility newVal, Adesk::Boolean) {
  if (newVal != AcDb::kVisible && newVal != AcDb::kInvisible) return Acad::eBadVisibilityValue;
  if (!objectId().isNull() && !isWriteEnabled()) return Acad::eNotOpenForWrite;
  mVisibility = newVal;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEntity::getPlane(AcGePlane&, AcDb::Planarity&) const { return Acad::eNotApplicable; }

// The common groups in the order AutoCAD writes them; the first group of another kind ends them.
Acad::ErrorStatus AcDbEntity::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbObject::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  acadsim::DatabaseImpl& db = filer->database()->impl();
  filer->atSubclassData(u"AcDbEntity");
  mLayerId = db.layerZero;
  acadsim::DxfGroupView g;
  bool haveTrueColor = false;
  while (filer->readGroup(g)) {
    switch (g.code) {
      case 5: continue;  // a handle after the layer (R12 writers): the reader registered it already
      case 67: mPaperSpace = g.integer != 0; continue;
      case 410: continue;  // the layout is known from the owner
      case 8: {
        auto known = db.layersByUtf8Name.find(g.text);
        if (known != db.layersByUtf8Name.end()) {
          mLayerId = known->second;
        } else {
          mLayerId = acadsim::layerNamed(db, Utf8ToWide(g.text));
          db.layersByUtf8Name.emplace(std::string(g.text), mLayerId);
        }
        continue;
      }
      case 6: {
        std::u16string name = Utf8ToWide(g.text);
        if (acadsim::equalNoCase(name, u"BYLAYER")) {
          mLinetypeKind = kByLayer;
        } else if (acadsim::equalNoCase(name, u"BYBLOCK")) {
          mLinetypeKind = kByBlock;
        } else {
          mLinetypeId = acadsim::linetypeNamed(db, name);
          // A linetype the drawing does not define reads as ByLayer.
          mLinetypeKind = mLinetypeId.isNull() ? kByLayer : kById;
        }
        continue;
      }
      case 347: {
        AcDbStub* stub = db.stubForHandle(acadsim::parseHandle(g.text));
        mMaterialId = AcDbObjectId(stub);
        mMaterialKind = stub == nullptr ? kByLayer : kById;
        continue;
      }
      case 62:
        if (!haveTrueColor) {
          long long index = g.integer < 0 ? -g.integer : g.integer;
          if (index <= 256) mColor.setColorIndex(static_cast<Adesk::UInt16>(index));
        }
        continue;
      case 420:
        mColor.setRGB(static_cast<Adesk::UInt8>(g.integer >> 16), static_cast<Adesk::UInt8>(g.integer >> 8),
                      static_cast<Adesk::UInt8>(g.integer));
        haveTrueColor = true;
        continue;
      case 430: {
        // "BOOK$COLOR" as AutoCAD writes colour-book names; a name without a book stays a plain name.
        std::u16string text = Utf8ToWide(g.text);
        size_t dollar = text.find(u'$');
        if (dollar == std::u16string::npos) mColor.setNames(text.c_str());
        else mColor.setNames(text.substr(dollar + 1).c_str(), text.substr(0, dollar).c_str());
        continue;
      }
      case 370:
        if (isValidLineWeight(static_cast<int>(g.integer))) mLineWeight = AcDb::LineWeight(g.integer);
        continue;
      case 48:
        if (g.real > 0.0) mLinetypeScale = g.real;
        continue;
      case 60: mVisibility = g.integer ? AcDb::kInvisible : AcDb::kVisible; continue;
      case 440: continue;  // transparency: not used by the host yet
      case 380:
        if (g.integer >= 0 && g.integer <= 3) mPlotStyleType = AcDb::PlotStyleNameType(g.integer);
        continue;
      case 390:
        mPlotStyleId = AcDbObjectId(db.stubForHandle(acadsim::parseHandle(g.text)));
        if (!mPlotStyleId.isNull()) mPlotStyleType = AcDb::kPlotStyleNameById;
        continue;
      case 284:
        if (g.integer >= 0 && g.integer <= 3) mShadowMode = static_cast<Adesk::UInt8>(g.integer);
        continue;
      case 92:
      case 160:
      case 310: continue;  // proxy graphics: the host draws from the geometry
      default: break;
    }
    filer->pushBackItem();
    break;
  }
  filer->markSubclassDataStart();
  return filer->filerStatus();
}
