// Curves read from DXF text for the curve tests, and checks that an answer is a real number.
#pragma once
#include <dbcurve.h>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "../db/DbTestDrawing.h"

namespace curvetest {

using dbtest::Group;

// A drawing of the entities given as groups, in an ENTITIES section.
inline std::unique_ptr<AcDbDatabase> readEntities(std::initializer_list<Group> groups) {
  std::string text = dbtest::dxfText({{0, "SECTION"}, {2, "ENTITIES"}}) + dbtest::dxfText(groups) +
                     dbtest::dxfText({{0, "ENDSEC"}, {0, "EOF"}});
  return dbtest::readDrawing(text);
}

// The model-space entities in file order.
inline std::vector<AcDbObjectId> modelSpace(AcDbDatabase& db) {
  AcDbBlockTable* blocks = nullptr;
  db.getBlockTable(blocks, AcDb::kForRead);
  AcDbBlockTableRecord* model = nullptr;
  blocks->getAt(ACDB_MODEL_SPACE, model, AcDb::kForRead);
  blocks->close();
  std::vector<AcDbObjectId> ids = model->entityIds();
  model->close();
  return ids;
}

// Opens the first model-space entity as T for the test's duration.
template <class T>
struct Opened {
  explicit Opened(AcDbObjectId id) { EXPECT_EQ(acdbOpenObject(object, id, AcDb::kForRead), Acad::eOk); }
  ~Opened() {
    if (object != nullptr) object->close();
  }
  Opened(const Opened&) = delete;
  Opened& operator=(const Opened&) = delete;
  T* operator->() const { return object; }
  T* object = nullptr;
};

inline bool finite(const AcGePoint3d& p) { return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z); }
inline bool finite(const AcGeVector3d& v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }

// Length of the whole curve through the two calls the describer makes.
inline double lengthOf(const AcDbCurve& curve) {
  double end = 0.0, dist = -1.0;
  EXPECT_EQ(curve.getEndParam(end), Acad::eOk);
  EXPECT_EQ(curve.getDistAtParam(end, dist), Acad::eOk);
  return dist;
}

inline double areaOf(const AcDbCurve& curve) {
  double area = -1.0;
  EXPECT_EQ(curve.getArea(area), Acad::eOk);
  return area;
}

}  // namespace curvetest
