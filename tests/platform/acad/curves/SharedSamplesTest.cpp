// Every curve and point in the drawings others wrote answers every query finitely: an error status or a real
// number, never NaN or infinity, never a crash or a hang.
#include <acadsim/DxfReader.h>
#include <dbsymtb.h>
#include <qvwide.h>

#include <filesystem>

#include "CurveTestDrawing.h"

namespace {

namespace fs = std::filesystem;
using curvetest::finite;

// Runs every query the host answers for curves; returns how many calls answered eOk.
int queryEverything(const AcDbCurve& c, const std::string& where) {
  int answered = 0;
  auto check = [&](Acad::ErrorStatus es, bool isFinite, const char* call) {
    if (es != Acad::eOk) return;
    ++answered;
    EXPECT_TRUE(isFinite) << where << " " << call;
  };
  c.isClosed();
  c.isPeriodic();
  double start = 0, end = 0, v = 0;
  Acad::ErrorStatus startStatus = c.getStartParam(start), endStatus = c.getEndParam(end);
  check(startStatus, std::isfinite(start), "getStartParam");
  check(endStatus, std::isfinite(end), "getEndParam");
  AcGePoint3d p;
  AcGeVector3d d;
  check(c.getStartPoint(p), finite(p), "getStartPoint");
  check(c.getEndPoint(p), finite(p), "getEndPoint");
  check(c.getArea(v), std::isfinite(v) && v >= 0.0, "getArea");
  AcGePlane plane;
  AcDb::Planarity planarity = AcDb::kNonPlanar;
  check(c.getPlane(plane, planarity), finite(plane.normal()) && finite(plane.pointOnPlane()), "getPlane");
  if (startStatus != Acad::eOk) start = 0.0;
  if (endStatus != Acad::eOk) end = start + 1.0;
  for (double t : {start, 0.5 * (start + end), end}) {
    check(c.getPointAtParam(t, p), finite(p), "getPointAtParam");
    check(c.getFirstDeriv(t, d), finite(d), "getFirstDeriv");
    check(c.getDistAtParam(t, v), std::isfinite(v) && v >= 0.0, "getDistAtParam");
  }
  double length = 0, param = 0;
  if (endStatus == Acad::eOk && c.getDistAtParam(end, length) == Acad::eOk) {
    check(c.getParamAtDist(0.5 * length, param), std::isfinite(param), "getParamAtDist");
    check(c.getPointAtDist(length, p), finite(p), "getPointAtDist");
  }
  return answered;
}

TEST(SharedSamples, EveryCurveAnswersFinitely) {
  if (!fs::exists(QV_SHARED_SAMPLES)) GTEST_SKIP() << "shared samples not found at " << QV_SHARED_SAMPLES;
  int curves = 0, points = 0;
  for (const fs::directory_entry& file : fs::recursive_directory_iterator(QV_SHARED_SAMPLES)) {
    if (file.path().extension() != ".dxf") continue;
    AcDbDatabase db(false);
    acadsim::DxfError err;
    if (!acadsim::readDxf(file.path().string(), db, err)) continue;  // refused drawings have nothing to ask
    AcDbBlockTable* blocks = nullptr;
    ASSERT_EQ(db.getBlockTable(blocks, AcDb::kForRead), Acad::eOk);
    std::vector<AcDbObjectId> blockIds = blocks->recordIds();
    blocks->close();
    for (AcDbObjectId blockId : blockIds) {
      AcDbBlockTableRecord* block = nullptr;
      if (acdbOpenObject(block, blockId, AcDb::kForRead) != Acad::eOk) continue;
      std::vector<AcDbObjectId> ids = block->entityIds();
      block->close();
      for (AcDbObjectId id : ids) {
        AcDbEntity* ent = nullptr;
        if (acdbOpenAcDbEntity(ent, id, AcDb::kForRead) != Acad::eOk) continue;
        std::string where = file.path().filename().string() + " " + WideToUtf8(ent->isA()->name());
        if (const AcDbCurve* curve = AcDbCurve::cast(ent)) {
          queryEverything(*curve, where);
          ++curves;
        } else if (const AcDbPoint* point = AcDbPoint::cast(ent)) {
          AcGePlane plane;
          AcDb::Planarity planarity;
          EXPECT_EQ(point->getPlane(plane, planarity), Acad::eOk);
          EXPECT_TRUE(finite(point->position())) << where;
          ++points;
        }
        ent->close();
      }
    }
  }
  // The samples hold a good many curves; finding none would mean the walk is broken.
  EXPECT_GT(curves, 1000);
  EXPECT_GT(points, 0);
}

}  // namespace
