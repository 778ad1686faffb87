// MFC collection templates: CMap, a hash map of chained buckets, and the HashKey it hashes keys with.
#pragma once
#include "afxwin.h"

#include <type_traits>
#include <vector>

// MFC's default hash: the key's bits shifted right by 4 (pointers are at least 16-byte aligned apart).
template <class ARG_KEY>
inline UINT AFXAPI HashKey(ARG_KEY key) {
  using Key = std::remove_cv_t<std::remove_reference_t<ARG_KEY>>;
  if constexpr (std::is_pointer_v<Key>) {
    return static_cast<UINT>(reinterpret_cast<DWORD_PTR>(key) >> 4);
  } else {
    return static_cast<UINT>(static_cast<DWORD_PTR>(key) >> 4);
  }
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
class CMap {
 public:
  // 17 buckets until InitHashTable says otherwise, as MFC starts.
  explicit CMap(INT_PTR nBlockSize = 10) { static_cast<void>(nBlockSize); }
  CMap(const CMap&) = delete;
  CMap& operator=(const CMap&) = delete;
  ~CMap() { RemoveAll(); }

  INT_PTR GetCount() const { return m_count; }
  INT_PTR GetSize() const { return m_count; }
  BOOL IsEmpty() const { return m_count == 0; }
  UINT GetHashTableSize() const { return m_hashTableSize; }
  // Takes effect only while the map is empty, as in MFC.
  void InitHashTable(UINT hashSize, BOOL = TRUE) {
    if (m_count == 0 && hashSize > 0) {
      m_buckets.clear();
      m_hashTableSize = hashSize;
    }
  }

  // TRUE with the value in rValue when key is present; rValue is untouched otherwise.
  BOOL Lookup(ARG_KEY key, VALUE& rValue) const {
    const Assoc* assoc = Find(key);
    if (assoc == nullptr) return FALSE;
    rValue = assoc->value;
    return TRUE;
  }
  // The value of key, a default-constructed one entered first when key is absent.
  VALUE& operator[](ARG_KEY key) {
    if (Assoc* assoc = Find(key)) return assoc->value;
    if (m_buckets.empty()) m_buckets.assign(m_hashTableSize, nullptr);
    Assoc*& head = m_buckets[Bucket(key)];
    head = new Assoc{head, KEY(key), VALUE()};
    ++m_count;
    return head->value;
  }
  void SetAt(ARG_KEY key, ARG_VALUE newValue) { (*this)[key] = newValue; }
  // FALSE when key was not there.
  BOOL RemoveKey(ARG_KEY key) {
    if (m_buckets.empty()) return FALSE;
    for (Assoc** link = &m_buckets[Bucket(key)]; *link != nullptr; link = &(*link)->next) {
      if ((*link)->key == key) {
        Assoc* gone = *link;
        *link = gone->next;
        delete gone;
        --m_count;
        return TRUE;
      }
    }
    return FALSE;
  }
  void RemoveAll() {
    for (Assoc*& head : m_buckets) {
      while (head != nullptr) {
        Assoc* gone = head;
        head = gone->next;
        delete gone;
      }
    }
    m_buckets.clear();
    m_count = 0;
  }

 private:
  struct Assoc {
    Assoc* next;
    KEY key;
    VALUE value;
  };

  UINT Bucket(ARG_KEY key) const { return HashKey<ARG_KEY>(key) % m_hashTableSize; }
  Assoc* Find(ARG_KEY key) const {
    if (m_buckets.empty()) return nullptr;
    for (Assoc* assoc = m_buckets[Bucket(key)]; assoc != nullptr; assoc = assoc->next) {
      if (assoc->key == key) return assoc;
    }
    return nullptr;
  }

  std::vector<Assoc*> m_buckets;
  UINT m_hashTableSize = 17;
  INT_PTR m_count = 0;
};
