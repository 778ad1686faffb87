// The cursor monitor: attached to every open document, it remembers the GS markers of the last cursor move.
#pragma once
#include <acdocman.h>
#include <acedinpt.h>

class QvPointMonitor : public AcEdInputPointMonitor {
 public:
  QvPointMonitor();
  ~QvPointMonitor() override;
  QvPointMonitor(const QvPointMonitor&) = delete;
  QvPointMonitor& operator=(const QvPointMonitor&) = delete;

  Acad::ErrorStatus monitorInputPoint(
      bool& appendToTooltipStr, ACHAR*& additionalTooltipString, AcGiViewportDraw* drawContext,
      AcApDocument* document, bool pointComputed, int history, const AcGePoint3d& lastPoint,
      const AcGePoint3d& rawPoint, const AcGePoint3d& grippedPoint, const AcGePoint3d& cartesianSnappedPoint,
      const AcGePoint3d& osnappedPoint, AcDb::OsnapMask osnapMask,
      const AcArray<AcDbCustomOsnapMode*>& customOsnapModes, AcDb::OsnapMask osnapOverrides,
      const AcArray<AcDbCustomOsnapMode*>& customOsnapOverrides, const AcArray<AcDbObjectId>& apertureEntities,
      const AcArray<AcDbObjectIdArray>& nestedApertureEntities, const AcArray<int>& gsSelectionMark,
      const AcArray<AcDbObjectId>& keyPointEntities, const AcArray<AcDbObjectIdArray>& nestedKeyPointEntities,
      const AcArray<int>& keyPointGsSelectionMark, const AcArray<AcGeCurve3d*>& alignmentPaths,
      const AcGePoint3d& computedPoint, const ACHAR* tooltipString) override;
  bool excludeFromOsnapCalculation(const AcArray<AcDbObjectId>& nestedEntity, int gsSelectionMark) override;

  // The first GS marker of the last call, or -1 when it had none.
  int LastGsMarker() const { return m_gsMarkers.length() > 0 ? m_gsMarkers[0] : -1; }

 private:
  // Gives every document opened later the monitor.
  class QvDocReactor : public AcApDocManagerReactor {
   public:
    explicit QvDocReactor(QvPointMonitor* monitor) : m_monitor(monitor) {}
    void documentCreated(AcApDocument* document) override;

   private:
    QvPointMonitor* m_monitor;
  };

  AcDbObjectIdArray m_apertureEntities{0, 8};
  AcArray<int> m_gsMarkers{0, 8};
  QvDocReactor m_docReactor{this};
};

// The module's monitor's LastGsMarker.
int LastGsMarker();
