// AcRxDictionary: a run-time dictionary of named objects with stable ids; keys are case-sensitive.
#pragma once
#include <map>
#include <string>
#include <vector>
#include "rxboiler.h"
#include "rxiter.h"
#include "rxobject.h"

class AcRxDictionary : public AcRxObject {
 public:
  ACRX_DECLARE_MEMBERS(AcRxDictionary);
  AcRxDictionary() = default;
  ~AcRxDictionary() override = default;
  AcRxDictionary(const AcRxDictionary&) = delete;
  AcRxDictionary& operator=(const AcRxDictionary&) = delete;

  virtual AcRxObject* at(const ACHAR* key) const;
  virtual AcRxObject* at(Adesk::UInt32 id) const;

  // Adds or replaces the entry and returns the object it replaced (the caller owns it again), or null.
  AcRxObject* atPut(const ACHAR* key, AcRxObject* pObject);
  virtual AcRxObject* atPut(const ACHAR* key, AcRxObject* pObject, Adesk::UInt32& retId);
  virtual Adesk::Boolean resetKey(const ACHAR* oldKey, const ACHAR* newKey);

  // Removes the entry and returns its object (the caller owns it again), or null when there is none.
  virtual AcRxObject* remove(const ACHAR* key);
  virtual AcRxObject* remove(Adesk::UInt32 id);

  virtual Adesk::Boolean has(const ACHAR* entryName) const;
  virtual Adesk::Boolean has(Adesk::UInt32 id) const;
  // The id of key, or (Adesk::UInt32)-1 when there is none.
  virtual Adesk::UInt32 idAt(const ACHAR* key) const;
  virtual const ACHAR* keyAt(Adesk::UInt32 id) const;
  virtual Adesk::UInt32 numEntries() const;

  // kDictSorted walks the keys in order, kDictCollated in order of their ids; the caller deletes it.
  virtual AcRxDictionaryIterator* newIterator(AcRx::DictIterType type = AcRx::kDictSorted);

  virtual Adesk::Boolean deletesObjects() const { return false; }
  virtual Adesk::Boolean isCaseSensitive() const { return true; }
  virtual Adesk::Boolean isSorted() const { return true; }

 private:
  struct Slot {
    std::u16string key;
    AcRxObject* object = nullptr;
    bool used = false;
  };
  friend class AcRxDictionaryIteratorImpl;
  std::vector<Slot> m_slots;
  std::map<std::u16string, Adesk::UInt32> m_ids;
};
