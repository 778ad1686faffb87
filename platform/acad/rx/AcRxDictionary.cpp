#include <rxdict.h>
#include <rxregsvc.h>
#include <vector>

ACRX_NO_CONS_DEFINE_MEMBERS(AcRxDictionary, AcRxObject);

namespace {
constexpr Adesk::UInt32 kNoId = static_cast<Adesk::UInt32>(-1);
}

// Walks a snapshot of the ids taken when it was made; entries removed meanwhile are skipped.
class AcRxDictionaryIteratorImpl : public AcRxDictionaryIterator {
 public:
  AcRxDictionaryIteratorImpl(const AcRxDictionary& dictionary, AcRx::DictIterType type) : m_dictionary(dictionary) {
    if (type == AcRx::kDictSorted) {
      for (const auto& [key, id] : dictionary.m_ids) m_ids.push_back(id);
    } else {
      for (Adesk::UInt32 id = 0; id < dictionary.m_slots.size(); ++id) {
        if (dictionary.m_slots[id].used) m_ids.push_back(id);
      }
    }
    skipRemoved();
  }

  Adesk::Boolean done() const override { return m_position >= m_ids.size(); }
  Adesk::Boolean next() override {
    if (!done()) ++m_position;
    skipRemoved();
    return !done();
  }
  AcRxObject* object() const override { return done() ? nullptr : m_dictionary.m_slots[m_ids[m_position]].object; }
  const ACHAR* key() const override { return done() ? nullptr : m_dictionary.m_slots[m_ids[m_position]].key.c_str(); }
  Adesk::UInt32 id() const override { return done() ? kNoId : m_ids[m_position]; }

 private:
  void skipRemoved() {
    while (!done() && !m_dictionary.m_slots[m_ids[m_position]].used) ++m_position;
  }

  const AcRxDictionary& m_dictionary;
  std::vector<Adesk::UInt32> m_ids;
  size_t m_position = 0;
};

AcRxObject* AcRxDictionary::at(const ACHAR* key) const {
  Adesk::UInt32 id = idAt(key);
  return id == kNoId ? nullptr : m_slots[id].object;
}

AcRxObject* AcRxDictionary::at(Adesk::UInt32 id) const { return has(id) ? m_slots[id].object : nullptr; }

AcRxObject* AcRxDictionary::atPut(const ACHAR* key, AcRxObject* pObject) {
  Adesk::UInt32 ignored;
  return atPut(key, pObject, ignored);
}

AcRxObject* AcRxDictionary::atPut(const ACHAR* key, AcRxObject* pObject, Adesk::UInt32& retId) {
  retId = kNoId;
  if (key == nullptr) return nullptr;
  auto [found, inserted] = m_ids.try_emplace(key, static_cast<Adesk::UInt32>(m_slots.size()));
  retId = found->second;
  if (inserted) {
    m_slots.push_back(Slot{key, pObject, true});
    return nullptr;
  }
  return std::exchange(m_slots[retId].object, pObject);
}

Adesk::Boolean AcRxDictionary::resetKey(const ACHAR* oldKey, const ACHAR* newKey) {
  if (oldKey == nullptr || newKey == nullptr || !has(oldKey) || has(newKey)) return false;
  auto node = m_ids.extract(oldKey);
  node.key() = newKey;
  m_slots[node.mapped()].key = newKey;
  m_ids.insert(std::move(node));
  return true;
}

AcRxObject* AcRxDictionary::remove(const ACHAR* key) { return remove(idAt(key)); }

AcRxObject* AcRxDictionary::remove(Adesk::UInt32 id) {
  if (!has(id)) return nullptr;
  Slot& slot = m_slots[id];
  m_ids.erase(slot.key);
  slot.used = false;
  slot.key.clear();
  return std::exchange(slot.object, nullptr);
}

Adesk::Boolean AcRxDictionary::has(const ACHAR* entryName) const { return idAt(entryName) != kNoId; }

Adesk::Boolean AcRxDictionary::has(Adesk::UInt32 id) const { return id < m_slots.size() && m_slots[id].used; }

Adesk::UInt32 AcRxDictionary::idAt(const ACHAR* key) const {
  if (key == nullptr) return kNoId;
  auto found = m_ids.find(key);
  return found == m_ids.end() ? kNoId : found->second;
}

const ACHAR* AcRxDictionary::keyAt(Adesk::UInt32 id) const { return has(id) ? m_slots[id].key.c_str() : nullptr; }

Adesk::UInt32 AcRxDictionary::numEntries() const { return static_cast<Adesk::UInt32>(m_ids.size()); }

AcRxDictionaryIterator* AcRxDictionary::newIterator(AcRx::DictIterType type) {
  return new AcRxDictionaryIteratorImpl(*this, type);
}
