#include "hover/PointMonitor.h"

#include <memory>
#include <new>

namespace {

template <class Visit>
void ForEachDocument(AcApDocManager* documents, Visit visit) {
  std::unique_ptr<AcApDocumentIterator> it(documents->newAcApDocumentIterator());
  for (; it != nullptr && !it->done(); it->step()) {
    if (AcEdInputPointManager* points = it->document()->inputPointManager()) visit(*points);
  }
}

// A copy that cannot get its memory leaves the array empty.
template <class T>
void CopyOrEmpty(AcArray<T>& to, const AcArray<T>& from) {
  if (&to == &from) return;
  try {
    to = from;
  } catch (const std::bad_alloc&) {
    to.removeAll();
  }
}

}  // namespace

QvPointMonitor::QvPointMonitor() {
  AcApDocManager* documents = acDocManagerPtr();
  if (documents == nullptr) return;
  documents->addReactor(&m_docReactor);
  ForEachDocument(documents, [this](AcEdInputPointManager& points) { points.addPointMonitor(this); });
}

QvPointMonitor::~QvPointMonitor() {
  AcApDocManager* documents = acDocManagerPtr();
  if (documents == nullptr) return;
  ForEachDocument(documents, [this](AcEdInputPointManager& points) { points.removePointMonitor(this); });
  documents->removeReactor(&m_docReactor);
}

void QvPointMonitor::QvDocReactor::documentCreated(AcApDocument* document) {
  if (document == nullptr) return;
  if (AcEdInputPointManager* points = document->inputPointManager()) points->addPointMonitor(m_monitor);
}

// Only remembers: the host's own cursor tooltip is left alone.
Acad::ErrorStatus QvPointMonitor::monitorInputPoint(
    bool&, ACHAR*&, AcGiViewportDraw*, AcApDocument*, bool, int, const AcGePoint3d&, const AcGePoint3d&,
    const AcGePoint3d&, const AcGePoint3d&, const AcGePoint3d&, AcDb::OsnapMask,
    const AcArray<AcDbCustomOsnapMode*>&, AcDb::OsnapMask, const AcArray<AcDbCustomOsnapMode*>&,
    const AcArray<AcDbObjectId>& apertureEntities, const AcArray<AcDbObjectIdArray>&,
    const AcArray<int>& gsSelectionMark, const AcArray<AcDbObjectId>&, const AcArray<AcDbObjectIdArray>&,
    const AcArray<int>&, const AcArray<AcGeCurve3d*>&, const AcGePoint3d&, const ACHAR*) {
  CopyOrEmpty(m_apertureEntities, apertureEntities);
  CopyOrEmpty(m_gsMarkers, gsSelectionMark);
  return Acad::eOk;
}

bool QvPointMonitor::excludeFromOsnapCalculation(const AcArray<AcDbObjectId>&, int) { return false; }

namespace {
QvPointMonitor g_pointMonitor;
}  // namespace

int LastGsMarker() { return g_pointMonitor.LastGsMarker(); }
