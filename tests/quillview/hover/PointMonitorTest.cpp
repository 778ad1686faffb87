// The cursor monitor: on every document, old and new, remembering the markers of the last cursor move only.
#include "hover/PointMonitor.h"

#include <gtest/gtest.h>

#include <memory>

#include "acadsim/Documents.h"

namespace {

class PointMonitorTest : public ::testing::Test {
 protected:
  void TearDown() override { acadsim::CloseAllDocuments(); }

  // Tells the monitor of one cursor move with these markers; returns whether the tooltip was touched.
  bool Move(QvPointMonitor& monitor, const AcArray<int>& markers) {
    bool append = false;
    ACHAR* extra = nullptr;
    const AcGePoint3d point;
    const AcArray<AcDbCustomOsnapMode*> modes;
    AcArray<AcDbObjectId> entities;
    for (int i = 0; i < markers.length(); ++i) entities.append(AcDbObjectId());
    const AcArray<AcDbObjectIdArray> nested;
    const AcArray<AcDbObjectId> none;
    const AcArray<int> noMarkers;
    const AcArray<AcGeCurve3d*> paths;
    EXPECT_EQ(monitor.monitorInputPoint(append, extra, nullptr, nullptr, true, 0, point, point, point, point, point,
                                        AcDb::OsnapMask(0), modes, AcDb::OsnapMask(0), modes, entities, nested,
                                        markers, none, nested, noMarkers, paths, point, nullptr),
              Acad::eOk);
    return append || extra != nullptr;
  }
};

AcArray<int> Markers(std::initializer_list<int> values) {
  AcArray<int> markers;
  for (int value : values) markers.append(value);
  return markers;
}

TEST_F(PointMonitorTest, TheLastMoveGivesTheFirstMarker) {
  QvPointMonitor monitor;
  EXPECT_EQ(monitor.LastGsMarker(), -1);
  EXPECT_FALSE(Move(monitor, Markers({7, 3})));
  EXPECT_EQ(monitor.LastGsMarker(), 7);
  EXPECT_FALSE(Move(monitor, Markers({})));
  EXPECT_EQ(monitor.LastGsMarker(), -1);
}

TEST_F(PointMonitorTest, IsNeverExcludedFromObjectSnaps) {
  QvPointMonitor monitor;
  EXPECT_FALSE(monitor.excludeFromOsnapCalculation(AcArray<AcDbObjectId>(), 0));
}

TEST_F(PointMonitorTest, JoinsTheOpenDocumentsAndLeavesThemWhenItGoes) {
  AcApDocument* doc = acadsim::NewDocument();
  ASSERT_NE(doc, nullptr);
  auto monitor = std::make_unique<QvPointMonitor>();
  EXPECT_EQ(doc->inputPointManager()->addPointMonitor(monitor.get()), Acad::eDuplicateKey);
  QvPointMonitor* gone = monitor.get();
  monitor.reset();
  EXPECT_EQ(doc->inputPointManager()->removePointMonitor(gone), Acad::eKeyNotFound);
}

TEST_F(PointMonitorTest, JoinsDocumentsOpenedLater) {
  QvPointMonitor monitor;
  AcApDocument* doc = acadsim::NewDocument();
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(doc->inputPointManager()->addPointMonitor(&monitor), Acad::eDuplicateKey);
}

}  // namespace
