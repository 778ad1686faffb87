// The drawing database: AcDbDatabase, AcDbObject, AcDbEntity and the open/close functions.
#pragma once
#include <memory>
#include <vector>

#include "AdAChar.h"
#include "acadstrc.h"
#include "acadsim/DxfData.h"
#include "acdb.h"
#include "acedads.h"
#include "adsdef.h"
#include "dbcolor.h"
#include "dbhandle.h"
#include "geplane.h"
#include "dbid.h"
#include "rxboiler.h"
#include "rxclass.h"
#include "rxobject.h"

class AcDbDatabase;
class AcDbDxfFiler;
class AcDbObject;
class AcDbEntity;
class AcDbBlockTable;
class AcDbLayerTable;
class AcDbLinetypeTable;
class AcDbTextStyleTable;
class AcDbDimStyleTable;
class AcDbRegAppTable;
class AcDbViewportTable;
class AcDbViewTable;
class AcDbUCSTable;
class AcDbSymbolTable;
class AcDbDictionary;

namespace acadsim {
struct DatabaseImpl;
}  // namespace acadsim

// The host's open and close rules (the ObjectARX developer's guide table):
//   open for read:   succeeds while others read (eAtMaxReaders at 256); eWasOpenedForWrite if open for write;
//   open for write:  eWasOpenedForRead if open for read, eWasOpenedForWrite if open for write;
//   open for notify: always succeeds unless already open for notify (eWasOpenedForNotify);
//   an erased object opens only with openErased (else eWasErased). Every successful open pairs with one close().
class AcDbObject : public AcRxObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbObject);
  ~AcDbObject() override;

  AcDbObjectId objectId() const { return mId; }
  AcDbObjectId ownerId() const { return mOwnerId; }
  virtual Acad::ErrorStatus setOwnerId(AcDbObjectId objId);
  void getAcDbHandle(AcDbHandle& handle) const;
  AcDbDatabase* database() const;

  AcDbObjectId extensionDictionary() const { return mXDictId; }
  // Makes an empty extension dictionary (the object must be open for write and in a database).
  Acad::ErrorStatus createExtensionDictionary();
  // The ids of the objects that listen to this one (the {ACAD_REACTORS group of DXF).
  const std::vector<AcDbObjectId>& persistentReactors() const { return mReactors; }

  // The extended data as a chain the caller frees with acutRelRb: for each application, 1001 with its
  // name then its groups (1000-1071). regappName null gives all applications, else only that one
  // (compared without regard to case). Null when there is none.
  virtual resbuf* xData(const ACHAR* regappName = nullptr) const;
  // Replaces the data of each application named in the chain (1001 groups; a 1001 alone removes it).
  // eKeyNotFound if a name is not in the database's APPID table; the object must be open for write.
  virtual Acad::ErrorStatus setXData(const resbuf* xdata);

  bool isErased() const { return mErased; }
  Acad::ErrorStatus erase(Adesk::Boolean erasing = true);
  bool isReadEnabled() const { return mReaders > 0 || mWriteOpen || mNotifyOpen; }
  bool isWriteEnabled() const { return mWriteOpen; }
  bool isNotifyEnabled() const { return mNotifyOpen; }
  bool isNewObject() const { return mId.isNull(); }
  virtual Adesk::Boolean isAProxy() const { return false; }

  // Ends one open. eNotOpenForRead when the object is not open; an object outside a database is not closed.
  Acad::ErrorStatus close();
  Acad::ErrorStatus upgradeOpen();
  Acad::ErrorStatus downgradeOpen();

  // Reads this object's groups from a DXF filer; each class reads its own after its parent's.
  virtual Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer);

  // Host: the groups of this object's subclasses as read from the file, kept for acdbEntGet.
  const acadsim::DxfData& dxfSubclassData() const { return mSubclassData; }
  acadsim::DxfData& dxfSubclassData() { return mSubclassData; }

 protected:
  AcDbObject();

 private:
  friend struct acadsim::DatabaseImpl;
  Acad::ErrorStatus openAs(AcDb::OpenMode mode, bool openErased);
  void noteDatabaseChange() const;

  AcDbObjectId mId;
  AcDbObjectId mOwnerId;
  AcDbObjectId mXDictId;
  std::vector<AcDbObjectId> mReactors;
  acadsim::DxfData mXData;         // 1001 groups and what follows each
  acadsim::DxfData mSubclassData;  // subclass groups in file order
  Adesk::UInt16 mReaders = 0;
  bool mWriteOpen = false;
  bool mNotifyOpen = false;
  bool mErased = false;
};

class AcDbEntity : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbEntity);
  ~AcDbEntity() override;

  AcDbObjectId blockId() const { return ownerId(); }

  // Names are returned as copies the caller frees with acutDelString / acutDelBuffer.
  ACHAR* layer() const;
  AcDbObjectId layerId() const { return mLayerId; }
  // eKeyNotFound when the database has no such layer; the entity must be in a database for a name.
  Acad::ErrorStatus setLayer(const ACHAR* newVal, Adesk::Boolean doSubents = true, bool allowHiddenLayer = false);
  Acad::ErrorStatus setLayer(AcDbObjectId newVal, Adesk::Boolean doSubents = true, bool allowHiddenLayer = false);

  // "ByLayer", "ByBlock" or the linetype's name.
  ACHAR* linetype() const;
  AcDbObjectId linetypeId() const { return mLinetypeId; }
  Acad::ErrorStatus setLinetype(const ACHAR* newVal, Adesk::Boolean doSubents = true);
  Acad::ErrorStatus setLinetype(AcDbObjectId newVal, Adesk::Boolean doSubents = true);
  double linetypeScale() const { return mLinetypeScale; }
  Acad::ErrorStatus setLinetypeScale(double newval, Adesk::Boolean doSubents = true);

  AcCmColor color() const { return mColor; }
  Adesk::UInt16 colorIndex() const { return mColor.colorIndex(); }
  Acad::ErrorStatus setColor(const AcCmColor& color, Adesk::Boolean doSubents = true);
  Acad::ErrorStatus setColorIndex(Adesk::UInt16 color, Adesk::Boolean doSubents = true);

  AcDb::LineWeight lineWeight() const { return mLineWeight; }
  // eInvalidInput for a value that is not one of AcDb::LineWeight's.
  Acad::ErrorStatus setLineWeight(AcDb::LineWeight newVal, Adesk::Boolean doSubents = true);

  // "ByLayer", "ByBlock", or the plot style's name for a named plot style; in a drawing that uses
  // colour-dependent plot styles (PSTYLEMODE 1) "ByColor", as AutoCAD reports there.
  ACHAR* plotStyleName() const;
  AcDb::PlotStyleNameType getPlotStyleNameId(AcDbObjectId& id) const;
  // "ByLayer", "ByBlock" or a name in the drawing's plot style name dictionary (eKeyNotFound otherwise).
  Acad::ErrorStatus setPlotStyleName(const ACHAR* newName, Adesk::Boolean doSubents = true);
  Acad::ErrorStatus setPlotStyleName(AcDb::PlotStyleNameType type, AcDbObjectId newId = AcDbObjectId::kNull,
                                     Adesk::Boolean doSubents = true);

  // "ByLayer" (no material given, AutoCAD's default), "ByBlock", "Global" or the material's name.
  ACHAR* material() const;
  AcDbObjectId materialId() const { return mMaterialId; }
  Acad::ErrorStatus setMaterial(const ACHAR* newVal, Adesk::Boolean doSubents = true);
  Acad::ErrorStatus setMaterial(AcDbObjectId newVal, Adesk::Boolean doSubents = true);

  // DXF 284 shadow mode: 0 casts and receives (the default), 1 casts only, 2 receives only, 3 ignores shadows.
  virtual bool castShadows() const;
  virtual void setCastShadows(bool newVal);
  virtual bool receiveShadows() const;
  virtual void setReceiveShadows(bool newVal);

  AcDb::Visibility visibility() const { return mVisibility; }
  Acad::ErrorStatus setVisibility(AcDb::Visibility newVal, Adesk::Boolean doSubents = true);

  // The plane the entity lies in: kPlanar with that plane, kLinear with a plane through the line, or kNonPlanar.
  // eNotApplicable for entities without geometry.
  virtual Acad::ErrorStatus getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const;

  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

  // Host: the vertices, attributes and sequence end that follow a POLYLINE or INSERT, in file order.
  const std::vector<AcDbObjectId>& subentityIds() const { return mSubentities; }
  void appendSubentityId(AcDbObjectId id) { mSubentities.push_back(id); }
  // Host: whether the file put the entity in paper space (group 67).
  bool inPaperSpace() const { return mPaperSpace; }

 protected:
  AcDbEntity();

 private:
  AcDbObjectId mLayerId;
  AcDbObjectId mLinetypeId;    // null: by layer
  AcDbObjectId mMaterialId;    // null: by layer
  AcDbObjectId mPlotStyleId;
  std::vector<AcDbObjectId> mSubentities;
  AcCmColor mColor;
  double mLinetypeScale = 1.0;
  AcDb::LineWeight mLineWeight = AcDb::kLnWtByLayer;
  AcDb::Visibility mVisibility = AcDb::kVisible;
  AcDb::PlotStyleNameType mPlotStyleType = AcDb::kPlotStyleNameByLayer;
  Adesk::UInt8 mLinetypeKind = 0;  // 0 by layer, 1 by block, 2 the id
  Adesk::UInt8 mMaterialKind = 0;  // 0 by layer, 1 by block, 2 the id
  Adesk::UInt8 mShadowMode = 0;
  bool mPaperSpace = false;
};

// An axis-aligned box; empty until the first point is added.
class AcDbExtents {
 public:
  AcDbExtents() = default;
  AcDbExtents(const AcGePoint3d& min, const AcGePoint3d& max) : mMin(min), mMax(max), mEmpty(false) {}
  AcGePoint3d minPoint() const { return mMin; }
  AcGePoint3d maxPoint() const { return mMax; }
  bool isEmpty() const { return mEmpty; }
  Acad::ErrorStatus set(const AcGePoint3d& min, const AcGePoint3d& max) {
    if (min.x > max.x || min.y > max.y || min.z > max.z) return Acad::eInvalidExtents;
    mMin = min;
    mMax = max;
    mEmpty = false;
    return Acad::eOk;
  }
  void addPoint(const AcGePoint3d& p) {
    if (mEmpty) {
      mMin = mMax = p;
      mEmpty = false;
      return;
    }
    for (unsigned i = 0; i < 3; ++i) {
      if (p[i] < mMin[i]) mMin[i] = p[i];
      if (p[i] > mMax[i]) mMax[i] = p[i];
    }
  }
  void addExt(const AcDbExtents& other) {
    if (other.mEmpty) return;
    addPoint(other.mMin);
    addPoint(other.mMax);
  }

 private:
  AcGePoint3d mMin, mMax;
  bool mEmpty = true;
};

class AcDbDatabase : public AcRxObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbDatabase);
  // With buildDefaultDrawing the database holds what a new drawing from acad.dwt holds: the symbol tables with
  // layer "0", linetypes "ByBlock", "ByLayer" and "Continuous", text style and dimension style "Standard",
  // application "ACAD", *Model_Space and *Paper_Space, and the named-objects dictionary.
  explicit AcDbDatabase(bool buildDefaultDrawing = true, bool noDocument = false);
  ~AcDbDatabase() override;
  AcDbDatabase(const AcDbDatabase&) = delete;
  AcDbDatabase& operator=(const AcDbDatabase&) = delete;

  // Replaces the contents with a DXF drawing. eFileNotFound, eCantOpenFile, eBadDxfFile (nothing kept) or eOk.
  // With logFilename, a refusal's reason and place are written to that file.
  Acad::ErrorStatus dxfIn(const ACHAR* dxfFilename, const ACHAR* logFilename = nullptr);

  Acad::ErrorStatus addAcDbObject(AcDbObjectId& objId, AcDbObject* pObj);
  Acad::ErrorStatus addAcDbObject(AcDbObject* pObj);
  // eUnknownHandle when no object has the handle (createIfNotFound is not supported: eInvalidInput).
  Acad::ErrorStatus getAcDbObjectId(AcDbObjectId& retId, bool createIfNotFound, const AcDbHandle& objHandle,
                                    Adesk::UInt32 xRefId = 0);
  AcDbHandle handseed() const;

  AcDbObjectId blockTableId() const;
  AcDbObjectId layerTableId() const;
  AcDbObjectId linetypeTableId() const;
  AcDbObjectId textStyleTableId() const;
  AcDbObjectId dimStyleTableId() const;
  AcDbObjectId regAppTableId() const;
  AcDbObjectId viewportTableId() const;
  AcDbObjectId viewTableId() const;
  AcDbObjectId UCSTableId() const;
  AcDbObjectId namedObjectsDictionaryId() const;
  AcDbObjectId layoutDictionaryId() const;
  AcDbObjectId plotStyleNameDictionaryId() const;
  AcDbObjectId materialDictionaryId() const;
  AcDbObjectId byLayerLinetype() const;
  AcDbObjectId byBlockLinetype() const;
  AcDbObjectId continuousLinetype() const;
  AcDbObjectId layerZero() const;
  AcDbObjectId currentSpaceId() const;
  AcDbObjectId clayer() const;

  Acad::ErrorStatus getBlockTable(AcDbBlockTable*& pTable, AcDb::OpenMode mode = AcDb::kForRead);
  Acad::ErrorStatus getLayerTable(AcDbLayerTable*& pTable, AcDb::OpenMode mode = AcDb::kForRead);
  Acad::ErrorStatus getLinetypeTable(AcDbLinetypeTable*& pTable, AcDb::OpenMode mode = AcDb::kForRead);
  Acad::ErrorStatus getTextStyleTable(AcDbTextStyleTable*& pTable, AcDb::OpenMode mode = AcDb::kForRead);
  Acad::ErrorStatus getDimStyleTable(AcDbDimStyleTable*& pTable, AcDb::OpenMode mode = AcDb::kForRead);
  Acad::ErrorStatus getRegAppTable(AcDbRegAppTable*& pTable, AcDb::OpenMode mode = AcDb::kForRead);
  Acad::ErrorStatus getViewportTable(AcDbViewportTable*& pTable, AcDb::OpenMode mode = AcDb::kForRead);
  Acad::ErrorStatus getViewTable(AcDbViewTable*& pTable, AcDb::OpenMode mode = AcDb::kForRead);
  Acad::ErrorStatus getUCSTable(AcDbUCSTable*& pTable, AcDb::OpenMode mode = AcDb::kForRead);
  Acad::ErrorStatus getNamedObjectsDictionary(AcDbDictionary*& pDict, AcDb::OpenMode mode = AcDb::kForRead);

  // Header variables with their acad.dwt defaults when the drawing does not set them.
  Adesk::Int16 lunits() const;
  Adesk::Int16 luprec() const;
  Adesk::Int16 aunits() const;
  Adesk::Int16 auprec() const;
  double angbase() const;
  bool angdir() const;
  Adesk::Int16 unitmode() const;
  Adesk::Int16 pdmode() const;
  // The point display mode ($PDMODE): 0, 1, 2, 3 or 4 plus 0, 32, 64 or 96; eInvalidInput otherwise.
  Acad::ErrorStatus setPdmode(Adesk::Int16 mode);
  double pdsize() const;
  Adesk::Int16 insunits() const;
  // 1 when the drawing uses colour-dependent plot styles, 0 for named plot styles.
  bool plotStyleMode() const;
  // The file the drawing was read from; empty for a drawing made in memory.
  const ACHAR* originalFileName() const;

  acadsim::DatabaseImpl& impl() const { return *mImpl; }

 private:
  std::unique_ptr<acadsim::DatabaseImpl> mImpl;
};

// Walks a list of object ids that an entity owns (the vertices of a polyline, the attributes of an insert).
// The caller deletes the iterator; the ids are a copy, so opening and closing objects meanwhile is safe.
class AcDbObjectIterator : public AcRxObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbObjectIterator);
  explicit AcDbObjectIterator(std::vector<AcDbObjectId> ids);
  ~AcDbObjectIterator() override;

  bool done() const;
  // To the first (or, atEnd, the last) id that is not erased.
  void start(bool atEnd = false);
  // Moves one id on (backwards: one id back), passing over erased ones when skipDeleted.
  void step(bool backwards = false, bool skipDeleted = true);
  AcDbObjectId objectId() const;
  // Positions on id; false when the list does not hold it.
  bool seek(AcDbObjectId id);

 private:
  void skipErased(bool backwards);

  std::vector<AcDbObjectId> mIds;
  long mPos = 0;
};

// Opens the object named by id. eNullObjectId, eUnknownHandle / eWrongDatabase for ids that name nothing,
// eWasErased, or the statuses of the open rules above.
Acad::ErrorStatus acdbOpenAcDbObject(AcDbObject*& pObj, AcDbObjectId id, AcDb::OpenMode mode,
                                     bool openErasedObject = false);
// As acdbOpenAcDbObject for entities; eNotAnEntity (nothing left open) for other objects.
Acad::ErrorStatus acdbOpenAcDbEntity(AcDbEntity*& pEnt, AcDbObjectId id, AcDb::OpenMode mode,
                                     bool openErasedEntity = false);

// Opens the object as class T; eNotThatKindOfClass (nothing left open) when it is not one.
template <class T>
inline Acad::ErrorStatus acdbOpenObject(T*& pObj, AcDbObjectId id, AcDb::OpenMode mode, bool openErased = false) {
  AcDbObject* pBase = nullptr;
  pObj = nullptr;
  Acad::ErrorStatus es = acdbOpenAcDbObject(pBase, id, mode, openErased);
  if (es != Acad::eOk) return es;
  pObj = T::cast(pBase);
  if (pObj == nullptr) {
    pBase->close();
    return Acad::eNotThatKindOfClass;
  }
  return Acad::eOk;
}

// The entity name of an object id, and back. eNullObjectId / eInvalidAdsName for names that name nothing.
Acad::ErrorStatus acdbGetAdsName(ads_name& objName, AcDbObjectId objId);
Acad::ErrorStatus acdbGetObjectId(AcDbObjectId& objId, const ads_name objName);
bool acdbUcsMatrix(AcGeMatrix3d& mat, AcDbDatabase* pDb = nullptr);
