#include "HostEditor.h"

#include <algorithm>

#include "../../rx/SystemRegistry.h"

namespace acadsim::command {

void HostEditor::addReactor(AcRxEventReactor* newObj) {
  if (newObj == nullptr || std::find(m_reactors.begin(), m_reactors.end(), newObj) != m_reactors.end()) return;
  m_reactors.push_back(newObj);
}

void HostEditor::removeReactor(AcRxEventReactor* delObj) {
  m_reactors.erase(std::remove(m_reactors.begin(), m_reactors.end(), delObj), m_reactors.end());
}

void HostEditor::notify(const std::function<void(AcEditorReactor&)>& event) {
  const std::vector<AcRxEventReactor*> snapshot = m_reactors;
  for (AcRxEventReactor* reactor : snapshot) {
    if (std::find(m_reactors.begin(), m_reactors.end(), reactor) == m_reactors.end()) continue;
    AcEditorReactor* editorReactor = AcEditorReactor::cast(reactor);
    if (editorReactor == nullptr) continue;
    try {
      event(*editorReactor);
    } catch (...) {
      // A module's reactor must not take the host down with it.
    }
  }
}

HostEditor* HostEditor::instance() { return dynamic_cast<HostEditor*>(acrxSysRegistry()->at(ACED_EDITOR_OBJ)); }

}  // namespace acadsim::command

AcRxObject* acadsim::rx::NewHostEditor() { return new acadsim::command::HostEditor(); }
