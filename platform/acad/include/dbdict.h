// AcDbDictionary: named entries owning or pointing to objects (the named-objects and extension dictionaries).
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "dbmain.h"

class AcDbDictionaryIterator;

class AcDbDictionary : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbDictionary);
  AcDbDictionary();
  ~AcDbDictionary() override;

  // Entry names are compared without regard to case and kept as given.
  Acad::ErrorStatus getAt(const ACHAR* entryName, AcDbObject*& entryObj, AcDb::OpenMode mode) const;
  Acad::ErrorStatus getAt(const ACHAR* entryName, AcDbObjectId& entryObj) const;
  // The name of the entry holding objId, a copy the caller frees with acutDelString.
  Acad::ErrorStatus nameAt(AcDbObjectId objId, ACHAR*& name) const;
  bool has(const ACHAR* entryName) const;
  bool has(AcDbObjectId objId) const;
  Adesk::UInt32 numEntries() const { return static_cast<Adesk::UInt32>(mEntries.size()); }

  // Adds or replaces the entry; newValue becomes resident and owned by the dictionary (still open for write).
  Acad::ErrorStatus setAt(const ACHAR* srchKey, AcDbObject* newValue, AcDbObjectId& retObjId);
  Acad::ErrorStatus remove(const ACHAR* key);
  Acad::ErrorStatus remove(const ACHAR* key, AcDbObjectId& returnId);

  // Sorted iterates in name order (the order AutoCAD keeps), collated in insertion order.
  AcDbDictionaryIterator* newIterator(AcRx::DictIterType iterType = AcRx::kDictSorted) const;

  bool isTreatElementsAsHard() const { return mHardOwner; }
  void setTreatElementsAsHard(bool doIt) { mHardOwner = doIt; }

  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

  // Host: adds an entry whose object the reader resolves later; no open rules apply.
  void addEntryUnchecked(std::u16string name, AcDbObjectId id);
  struct Entry {
    std::u16string name;
    AcDbObjectId id;
  };
  const std::vector<Entry>& entries() const { return mEntries; }

 private:
  long long findIndex(std::u16string_view name) const;
  std::vector<Entry> mEntries;  // insertion order
  bool mHardOwner = false;
};

class AcDbDictionaryIterator {
 public:
  ~AcDbDictionaryIterator();
  const ACHAR* name() const;
  Acad::ErrorStatus getObject(AcDbObject*& pObject, AcDb::OpenMode openMode);
  AcDbObjectId objectId() const;
  bool done() const;
  bool next();
  bool setPosition(AcDbObjectId objId);

 private:
  friend class AcDbDictionary;
  explicit AcDbDictionaryIterator(std::vector<AcDbDictionary::Entry> entries);
  std::vector<AcDbDictionary::Entry> mEntries;
  size_t mPos = 0;
};

// ACDBDICTIONARYWDFLT: a dictionary with a default entry (the plot style name dictionary).
class AcDbDictionaryWithDefault : public AcDbDictionary {
 public:
  ACRX_DECLARE_MEMBERS(AcDbDictionaryWithDefault);
  AcDbDictionaryWithDefault();
  ~AcDbDictionaryWithDefault() override;
  AcDbObjectId defaultId() const { return mDefaultId; }
  Acad::ErrorStatus setDefaultId(const AcDbObjectId& newId);
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

 private:
  AcDbObjectId mDefaultId;
};
