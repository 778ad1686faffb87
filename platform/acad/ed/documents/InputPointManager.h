// A document's input point monitors and the call the view makes to each of them on a cursor move.
#pragma once
#include <acadsim/Selection.h>
#include <acedinpt.h>

#include <vector>

namespace acadsim {

class InputPointManager : public AcEdInputPointManager {
 public:
  explicit InputPointManager(AcApDocument* document) : m_document(document) {}
  Acad::ErrorStatus addPointMonitor(AcEdInputPointMonitor* monitor) override;
  Acad::ErrorStatus removePointMonitor(AcEdInputPointMonitor* monitor) override;

  bool empty() const { return m_monitors.empty(); }
  // Tells every monitor, in the order added, of the cursor at worldPoint; a monitor removed by an earlier
  // one during the round is not called.
  void notifyMonitors(const AcGePoint3d& worldPoint, const ApertureContents& aperture);

 private:
  AcApDocument* m_document;
  std::vector<AcEdInputPointMonitor*> m_monitors;
};

}  // namespace acadsim
