#include "InputPointManager.h"

#include <rxboiler.h>

#include <algorithm>

ACRX_NO_CONS_DEFINE_MEMBERS(AcEdInputPointMonitor, AcRxObject);
ACADSIM_HOST_CLASS_REGISTRATION(AcEdInputPointMonitor);

bool AcEdInputPointMonitor::excludeFromOsnapCalculation(const AcArray<AcDbObjectId>&, int) { return false; }

namespace acadsim {

Acad::ErrorStatus InputPointManager::addPointMonitor(AcEdInputPointMonitor* monitor) {
  if (monitor == nullptr) return Acad::eNullObjectPointer;
  if (std::find(m_monitors.begin(), m_monitors.end(), monitor) != m_monitors.end()) return Acad::eDuplicateKey;
  m_monitors.push_back(monitor);
  return Acad::eOk;
}

Acad::ErrorStatus InputPointManager::removePointMonitor(AcEdInputPointMonitor* monitor) {
  auto found = std::find(m_monitors.begin(), m_monitors.end(), monitor);
  if (found == m_monitors.end()) return Acad::eKeyNotFound;
  m_monitors.erase(found);
  return Acad::eOk;
}

void InputPointManager::notifyMonitors(const AcGePoint3d& worldPoint, const ApertureContents& aperture) {
  const std::vector<AcEdInputPointMonitor*> round = m_monitors;
  const AcArray<AcDbCustomOsnapMode*> noOsnapModes;
  const AcArray<AcDbObjectId> noKeyPoints;
  const AcArray<AcDbObjectIdArray> noNestedKeyPoints;
  const AcArray<int> noKeyPointMarkers;
  const AcArray<AcGeCurve3d*> noPaths;
  for (AcEdInputPointMonitor* monitor : round) {
    if (std::find(m_monitors.begin(), m_monitors.end(), monitor) == m_monitors.end()) continue;
    bool appendToTooltip = false;
    ACHAR* additionalTooltip = nullptr;
    const int history = Acad_eMouse | Acad_eUsedPickBox | (aperture.entities.isEmpty() ? Acad_eDidNotPick : 0);
    monitor->monitorInputPoint(appendToTooltip, additionalTooltip, nullptr, m_document, true, history, worldPoint,
                               worldPoint, worldPoint, worldPoint, worldPoint, AcDb::OsnapMask(0), noOsnapModes,
                               AcDb::OsnapMask(0), noOsnapModes, aperture.entities, aperture.nestedEntities,
                               aperture.gsMarkers, noKeyPoints, noNestedKeyPoints, noKeyPointMarkers, noPaths,
                               worldPoint, u"");
  }
}

}  // namespace acadsim
