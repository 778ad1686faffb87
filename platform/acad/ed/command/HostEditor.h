// The editor object of the system registry: its reactors and the events the command line sends them.
#pragma once
#include <aced.h>

#include <functional>
#include <vector>

namespace acadsim::command {

class HostEditor : public AcEditor {
 public:
  void addReactor(AcRxEventReactor* newObj) override;
  void removeReactor(AcRxEventReactor* delObj) override;

  // Tells every editor reactor; one removed by an earlier one is not told, one added is told from the next
  // event on. A reactor's exception stops at the host's edge.
  void notify(const std::function<void(AcEditorReactor&)>& event);

  // The editor in the system registry; null when something else stands there.
  static HostEditor* instance();

 private:
  std::vector<AcRxEventReactor*> m_reactors;
};

}  // namespace acadsim::command
