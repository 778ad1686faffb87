// Symbol tables and their records: layers, linetypes, text styles, dimension styles, blocks, applications...
#pragma once
#include <memory>
#include <vector>

#include "dbmain.h"
#include "gepnt3d.h"

class AcDbSymbolTableRecord;
class AcDbSymbolTableIterator;
class AcDbBlockTableRecordIterator;

class AcDbSymbolTableRecord : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbSymbolTableRecord);
  ~AcDbSymbolTableRecord() override;

  // A copy the caller frees with acutDelString.
  Acad::ErrorStatus getName(ACHAR*& pName) const;
  // The record's own buffer, valid while the record is open and unchanged.
  Acad::ErrorStatus getName(const ACHAR*& pName) const;
  // eInvalidSymbolTableName for an empty name or one with characters AutoCAD refuses (<>/\":;?*|,=`).
  Acad::ErrorStatus setName(const ACHAR* pName);
  bool isDependent() const;  // an xref-dependent name ("XREF|NAME")
  bool isResolved() const { return true; }

  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  // Host: the name as UTF-16 without a copy; setNameUnchecked takes a name from a file as it is.
  void setNameUnchecked(std::u16string name) { mName = std::move(name); }
  const std::u16string& name() const { return mName; }
  Adesk::Int16 dxfFlags() const { return mFlags; }

 protected:
  AcDbSymbolTableRecord();
  Adesk::Int16 mFlags = 0;  // group 70

 private:
  std::u16string mName;
};

class AcDbSymbolTable : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbSymbolTable);
  ~AcDbSymbolTable() override;
  // The record of this name (without regard to case), or null.
  AcDbObjectId findRecord(std::u16string_view name) const;

  // Names are compared without regard to case, as AutoCAD does.
  Acad::ErrorStatus getAt(const ACHAR* entryName, AcDbSymbolTableRecord*& pRec, AcDb::OpenMode openMode,
                          bool openErasedRec = false) const;
  Acad::ErrorStatus getAt(const ACHAR* entryName, AcDbObjectId& recordId, bool getErasedRecord = false) const;
  bool has(const ACHAR* name) const;
  bool has(AcDbObjectId id) const;
  // The table must be open for write and the record new, of the table's record class, with a unique name.
  Acad::ErrorStatus add(AcDbSymbolTableRecord* pRecord);
  Acad::ErrorStatus add(AcDbObjectId& recordId, AcDbSymbolTableRecord* pRecord);
  Acad::ErrorStatus newIterator(AcDbSymbolTableIterator*& pIterator, bool atBeginning = true,
                                bool skipDeleted = true) const;

  // Host: appends a resident record (read from a file); a name already present keeps its first record.
  void appendRecordUnchecked(AcDbObjectId id, std::u16string_view name);
  // Host: the records in table order.
  const std::vector<AcDbObjectId>& recordIds() const { return mRecords; }
  // Host: the record class this table holds.
  virtual AcRxClass* recordClass() const = 0;

 protected:
  AcDbSymbolTable();

 private:
  std::vector<AcDbObjectId> mRecords;
  struct NameIndex;
  std::unique_ptr<NameIndex> mIndex;
};

class AcDbSymbolTableIterator {
 public:
  virtual ~AcDbSymbolTableIterator();
  void start(bool atBeginning = true, bool skipDeleted = true);
  bool done() const;
  void step(bool forward = true, bool skipDeleted = true);
  Acad::ErrorStatus getRecordId(AcDbObjectId& id) const;
  Acad::ErrorStatus getRecord(AcDbSymbolTableRecord*& pRecord, AcDb::OpenMode openMode,
                              bool openErasedRec = false) const;

 protected:
  friend class AcDbSymbolTable;
  explicit AcDbSymbolTableIterator(const std::vector<AcDbObjectId>& ids);
  void skipErased(bool forward);
  const std::vector<AcDbObjectId>* mIds;  // the table's own list, read by index so adding while iterating is safe
  long long mPos = 0;
  bool mSkipDeleted = true;
};

// One table and record class pair; TABLE the table, PARENT its base table class, RECORD its record.
#define ACADSIM_SYMBOL_TABLE(TABLE, PARENT, RECORD)                                                                  \
  class RECORD;                                                                                              \
  class TABLE##Iterator : public AcDbSymbolTableIterator {                                                   \
   public:                                                                                                   \
    Acad::ErrorStatus getRecord(RECORD*& pRecord, AcDb::OpenMode openMode, bool openErasedRec = false) const; \
    explicit TABLE##Iterator(const std::vector<AcDbObjectId>& ids) : AcDbSymbolTableIterator(ids) {}         \
  };                                                                                                         \
  class TABLE : public PARENT {                                                                              \
   public:                                                                                                   \
    ACRX_DECLARE_MEMBERS(TABLE);                                                                             \
    TABLE();                                                                                                 \
    ~TABLE() override;                                                                                       \
    using AcDbSymbolTable::getAt;                                                                            \
    Acad::ErrorStatus getAt(const ACHAR* entryName, RECORD*& pRec, AcDb::OpenMode openMode,                  \
                            bool openErasedRec = false) const;                                               \
    using AcDbSymbolTable::newIterator;                                                                      \
    Acad::ErrorStatus newIterator(TABLE##Iterator*& pIterator, bool atBeginning = true,                      \
                                  bool skipDeleted = true) const;                                            \
    AcRxClass* recordClass() const override;                                                                 \
  }

class AcDbLayerTableRecord : public AcDbSymbolTableRecord {
 public:
  ACRX_DECLARE_MEMBERS(AcDbLayerTableRecord);
  AcDbLayerTableRecord();
  ~AcDbLayerTableRecord() override;

  bool isFrozen() const { return mFlags & 1; }
  Acad::ErrorStatus setIsFrozen(bool frozen);
  bool isOff() const { return mOff; }
  void setIsOff(bool off) { mOff = off; }
  bool isLocked() const { return mFlags & 4; }
  void setIsLocked(bool locked);
  bool isPlottable() const { return mPlottable; }
  Acad::ErrorStatus setIsPlottable(bool plot);

  // Colour 7 (white) unless set; a layer that is off keeps its colour (DXF stores it negated).
  AcCmColor color() const { return mColor; }
  void setColor(const AcCmColor& color);
  AcCmEntityColor entityColor() const { return mColor.entityColor(); }

  AcDbObjectId linetypeObjectId() const { return mLinetypeId; }
  void setLinetypeObjectId(AcDbObjectId id) { mLinetypeId = id; }
  AcDb::LineWeight lineWeight() const { return mLineWeight; }
  Acad::ErrorStatus setLineWeight(AcDb::LineWeight weight);
  // The plot style's name ("Normal" when the layer names none), a copy the caller frees with acutDelString.
  ACHAR* plotStyleName() const;
  AcDbObjectId plotStyleNameId() const { return mPlotStyleId; }
  Acad::ErrorStatus setPlotStyleName(AcDbObjectId newId);
  AcDbObjectId materialId() const { return mMaterialId; }
  Acad::ErrorStatus setMaterialId(AcDbObjectId id);

  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

 private:
  AcCmColor mColor;
  AcDbObjectId mLinetypeId;
  AcDbObjectId mPlotStyleId;
  AcDbObjectId mMaterialId;
  AcDb::LineWeight mLineWeight = AcDb::kLnWtByLwDefault;
  bool mOff = false;
  bool mPlottable = true;
};
ACADSIM_SYMBOL_TABLE(AcDbLayerTable, AcDbSymbolTable, AcDbLayerTableRecord);

class AcDbLinetypeTableRecord : public AcDbSymbolTableRecord {
 public:
  ACRX_DECLARE_MEMBERS(AcDbLinetypeTableRecord);
  AcDbLinetypeTableRecord();
  ~AcDbLinetypeTableRecord() override;

  Acad::ErrorStatus comments(const ACHAR*& pComments) const;
  Acad::ErrorStatus setComments(const ACHAR* pComments);
  double patternLength() const { return mPatternLength; }
  void setPatternLength(double length) { mPatternLength = length; }
  int numDashes() const { return static_cast<int>(mDashes.size()); }
  double dashLengthAt(int index) const;
  void setNumDashes(int count);
  void setDashLengthAt(int index, double value);

  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

 private:
  std::u16string mComments;
  double mPatternLength = 0.0;
  std::vector<double> mDashes;
};
ACADSIM_SYMBOL_TABLE(AcDbLinetypeTable, AcDbSymbolTable, AcDbLinetypeTableRecord);

class AcDbTextStyleTableRecord : public AcDbSymbolTableRecord {
 public:
  ACRX_DECLARE_MEMBERS(AcDbTextStyleTableRecord);
  AcDbTextStyleTableRecord();
  ~AcDbTextStyleTableRecord() override;

  double textSize() const { return mTextSize; }
  Acad::ErrorStatus setTextSize(double size);
  double xScale() const { return mXScale; }
  Acad::ErrorStatus setXScale(double scale);
  double obliquingAngle() const { return mObliquing; }
  Acad::ErrorStatus setObliquingAngle(double angle);
  bool isShapeFile() const { return mFlags & 1; }
  bool isVertical() const { return mFlags & 4; }
  Acad::ErrorStatus fileName(const ACHAR*& fileName) const;
  Acad::ErrorStatus setFileName(const ACHAR* fileName);
  Acad::ErrorStatus bigFontFileName(const ACHAR*& fileName) const;
  Acad::ErrorStatus setBigFontFileName(const ACHAR* fileName);

  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

 private:
  double mTextSize = 0.0;
  double mXScale = 1.0;
  double mObliquing = 0.0;
  std::u16string mFileName;
  std::u16string mBigFontFileName;
};
ACADSIM_SYMBOL_TABLE(AcDbTextStyleTable, AcDbSymbolTable, AcDbTextStyleTableRecord);

// Dimension variables stay in the record's DXF data (dxfSubclassData) until a caller needs them typed.
class AcDbDimStyleTableRecord : public AcDbSymbolTableRecord {
 public:
  ACRX_DECLARE_MEMBERS(AcDbDimStyleTableRecord);
  AcDbDimStyleTableRecord();
  ~AcDbDimStyleTableRecord() override;
};
ACADSIM_SYMBOL_TABLE(AcDbDimStyleTable, AcDbSymbolTable, AcDbDimStyleTableRecord);

class AcDbRegAppTableRecord : public AcDbSymbolTableRecord {
 public:
  ACRX_DECLARE_MEMBERS(AcDbRegAppTableRecord);
  AcDbRegAppTableRecord();
  ~AcDbRegAppTableRecord() override;
};
ACADSIM_SYMBOL_TABLE(AcDbRegAppTable, AcDbSymbolTable, AcDbRegAppTableRecord);

class AcDbAbstractViewTableRecord : public AcDbSymbolTableRecord {
 public:
  ACRX_DECLARE_MEMBERS(AcDbAbstractViewTableRecord);
  ~AcDbAbstractViewTableRecord() override;

 protected:
  AcDbAbstractViewTableRecord();
};

class AcDbViewportTableRecord : public AcDbAbstractViewTableRecord {
 public:
  ACRX_DECLARE_MEMBERS(AcDbViewportTableRecord);
  AcDbViewportTableRecord();
  ~AcDbViewportTableRecord() override;
};

class AcDbViewTableRecord : public AcDbAbstractViewTableRecord {
 public:
  ACRX_DECLARE_MEMBERS(AcDbViewTableRecord);
  AcDbViewTableRecord();
  ~AcDbViewTableRecord() override;
};

class AcDbUCSTableRecord : public AcDbSymbolTableRecord {
 public:
  ACRX_DECLARE_MEMBERS(AcDbUCSTableRecord);
  AcDbUCSTableRecord();
  ~AcDbUCSTableRecord() override;
};

class AcDbAbstractViewTable : public AcDbSymbolTable {
 public:
  ACRX_DECLARE_MEMBERS(AcDbAbstractViewTable);
  ~AcDbAbstractViewTable() override;

 protected:
  AcDbAbstractViewTable();
};
ACADSIM_SYMBOL_TABLE(AcDbViewportTable, AcDbAbstractViewTable, AcDbViewportTableRecord);
ACADSIM_SYMBOL_TABLE(AcDbViewTable, AcDbAbstractViewTable, AcDbViewTableRecord);
ACADSIM_SYMBOL_TABLE(AcDbUCSTable, AcDbSymbolTable, AcDbUCSTableRecord);

class AcDbBlockTableRecord : public AcDbSymbolTableRecord {
 public:
  ACRX_DECLARE_MEMBERS(AcDbBlockTableRecord);
  AcDbBlockTableRecord();
  ~AcDbBlockTableRecord() override;

  // The record must be in a database and open for write; the entity new. The entity ends up owned by the
  // record and in the database, still open for write (the caller closes it).
  Acad::ErrorStatus appendAcDbEntity(AcDbEntity* pEntity);
  Acad::ErrorStatus appendAcDbEntity(AcDbObjectId& pOutputId, AcDbEntity* pEntity);
  Acad::ErrorStatus newIterator(AcDbBlockTableRecordIterator*& pIterator, bool atBeginning = true,
                                bool skipDeleted = true) const;

  // The file of an external reference; empty for other blocks.
  Acad::ErrorStatus pathName(const ACHAR*& pPath) const;
  // The same as a new buffer the caller frees with acutDelBuffer.
  Acad::ErrorStatus pathName(ACHAR*& pPath) const;
  Acad::ErrorStatus setPathName(const ACHAR* pathStr);
  Acad::ErrorStatus comments(const ACHAR*& pComment) const;
  AcGePoint3d origin() const { return mOrigin; }
  Acad::ErrorStatus setOrigin(const AcGePoint3d& pt);
  bool isAnonymous() const { return mFlags & 1; }
  bool hasAttributeDefinitions() const { return mFlags & 2; }
  bool isFromExternalReference() const { return mFlags & 4; }
  bool isFromOverlayReference() const { return mFlags & 8; }
  bool isLayout() const;
  AcDbObjectId getLayoutId() const { return mLayoutId; }
  Acad::ErrorStatus setLayoutId(AcDbObjectId id);

  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

  // Host: the entities in drawing order, and the BLOCK and ENDBLK objects that frame them.
  const std::vector<AcDbObjectId>& entityIds() const { return mEntities; }
  AcDbObjectId blockBeginId() const { return mBlockBegin; }
  AcDbObjectId blockEndId() const { return mBlockEnd; }
  void setBlockBeginId(AcDbObjectId id) { mBlockBegin = id; }
  void setBlockEndId(AcDbObjectId id) { mBlockEnd = id; }
  // Host: what the BLOCK entity of a file gives: flags (group 70), description (4).
  void setBlockFlags(Adesk::Int16 flags) { mFlags = flags; }
  void setCommentsUnchecked(std::u16string text) { mComments = std::move(text); }
  // Host: adds an entity the reader made resident already.
  void appendResidentEntity(AcDbObjectId id) { mEntities.push_back(id); }
  // Host: takes entities that became parts of another entity out of the list.
  void removeResidentEntities(const std::vector<AcDbObjectId>& ids);

 private:
  std::vector<AcDbObjectId> mEntities;
  AcDbObjectId mBlockBegin;
  AcDbObjectId mBlockEnd;
  AcDbObjectId mLayoutId;
  AcGePoint3d mOrigin;
  std::u16string mPathName;
  std::u16string mComments;
};

class AcDbBlockTableRecordIterator {
 public:
  ~AcDbBlockTableRecordIterator();
  void start(bool atBeginning = true, bool skipDeleted = true);
  bool done() const;
  void step(bool forward = true, bool skipDeleted = true);
  Acad::ErrorStatus getEntityId(AcDbObjectId& entityId) const;
  Acad::ErrorStatus getEntity(AcDbEntity*& pEntity, AcDb::OpenMode openMode, bool openErasedEntity = false) const;

 private:
  friend class AcDbBlockTableRecord;
  explicit AcDbBlockTableRecordIterator(const std::vector<AcDbObjectId>& ids);
  void skipErased(bool forward);
  const std::vector<AcDbObjectId>* mIds;  // the record's own list, read by index so appending is safe
  long long mPos = 0;
  bool mSkipDeleted = true;
};
ACADSIM_SYMBOL_TABLE(AcDbBlockTable, AcDbSymbolTable, AcDbBlockTableRecord);
