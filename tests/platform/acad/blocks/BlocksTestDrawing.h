// Drawings for the block, table, viewport and image tests, written as DXF text, and their objects held open.
#pragma once
#include <dbents.h>
#include <dbsymtb.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "../db/DbTestDrawing.h"

namespace blockstest {

using dbtest::dxfText;

inline std::string section(const char* name, const std::string& body) {
  return body.empty() ? "" : dxfText({{0, "SECTION"}, {2, name}}) + body + dxfText({{0, "ENDSEC"}});
}

// A drawing of the given sections' contents (any may be empty).
inline std::string drawing(const std::string& header, const std::string& blocks, const std::string& entities,
                           const std::string& objects = "") {
  return section("HEADER", header) + section("BLOCKS", blocks) + section("ENTITIES", entities) +
         section("OBJECTS", objects) + dxfText({{0, "EOF"}});
}

// A BLOCK definition with its flags (group 70), path (group 1, for an external reference), entities and base.
inline std::string block(const std::string& name, int flags = 0, const std::string& path = "",
                         const std::string& contents = "", double baseX = 0.0, double baseY = 0.0) {
  return dxfText({{0, "BLOCK"}, {8, "0"}, {2, name}, {70, std::to_string(flags)}, {10, std::to_string(baseX)},
                  {20, std::to_string(baseY)}, {30, "0"}, {3, name}, {1, path}}) +
         contents + dxfText({{0, "ENDBLK"}, {8, "0"}});
}

// An object opened for read, closed when the holder goes.
template <class T>
class OpenFor {
 public:
  explicit OpenFor(AcDbObjectId id) {
    EXPECT_EQ(acdbOpenObject(mObject, id, AcDb::kForRead), Acad::eOk);
  }
  ~OpenFor() {
    if (mObject) mObject->close();
  }
  OpenFor(const OpenFor&) = delete;
  OpenFor& operator=(const OpenFor&) = delete;
  T* operator->() const { return mObject; }
  T* get() const { return mObject; }

 private:
  T* mObject = nullptr;
};

// The record of a block by name, or null.
inline AcDbObjectId blockNamed(AcDbDatabase& db, const ACHAR* name) {
  auto blocks = OpenFor<AcDbBlockTable>(db.blockTableId());
  AcDbObjectId id;
  if (blocks.get()) blocks->getAt(name, id);
  return id;
}

// The object of a handle written in the test's DXF.
inline AcDbObjectId byHandle(AcDbDatabase& db, Adesk::UInt64 handle) {
  AcDbObjectId id;
  EXPECT_EQ(db.getAcDbObjectId(id, false, AcDbHandle(handle)), Acad::eOk);
  return id;
}

}  // namespace blockstest
