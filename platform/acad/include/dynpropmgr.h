// The framework's manager of dynamic properties: the properties a module adds to host classes in the
// Properties palette, added when it is created and removed when it is deleted.
#pragma once
#include <vector>

class AcRxClass;

class AcRxDynPropManager {
 public:
  // One property a module contributes: the class it shows on and its add and remove steps.
  struct Entry {
    AcRxClass* (*desc)();
    void (*add)(AcRxClass*);
    void (*remove)(AcRxClass*);
  };
  explicit AcRxDynPropManager(std::vector<Entry> entries = {});
  ~AcRxDynPropManager();
  AcRxDynPropManager(const AcRxDynPropManager&) = delete;
  AcRxDynPropManager& operator=(const AcRxDynPropManager&) = delete;

 private:
  std::vector<Entry> m_entries;
};
