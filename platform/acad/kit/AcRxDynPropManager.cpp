#include <dynpropmgr.h>

AcRxDynPropManager::AcRxDynPropManager(std::vector<Entry> entries) : m_entries(std::move(entries)) {
  for (const Entry& entry : m_entries) entry.add(entry.desc());
}

AcRxDynPropManager::~AcRxDynPropManager() {
  for (auto entry = m_entries.rbegin(); entry != m_entries.rend(); ++entry) entry->remove(entry->desc());
}
