#include "describe/ExtenderRegistry.h"

#include <new>

ExtenderRegistry::~ExtenderRegistry() { Clear(); }

bool ExtenderRegistry::Register(CExtenderBridge* bridge, const ACHAR* className) {
  Unregister(bridge);
  try {
    m_records.push_front(Record{bridge, std::make_unique<QuillviewPX>(className, bridge)});
  } catch (const std::bad_alloc&) {
    return false;
  }
  return true;
}

bool ExtenderRegistry::Unregister(CExtenderBridge* bridge) {
  m_records.remove_if([bridge](const Record& record) { return record.bridge == bridge; });
  return true;
}

void ExtenderRegistry::Clear() {
  while (!m_records.empty()) m_records.pop_front();
}
