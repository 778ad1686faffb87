// What the selection tests share: a drawing opened as the current document with a view of one drawing unit
// per pixel (so the PICKBOX aperture of 3 pixels is 3 units), DXF helpers, and set holders.
#pragma once
#include <acadsim/Documents.h>
#include <acadsim/DrawingView.h>
#include <acadsim/Selection.h>
#include <acadsim/SystemVariables.h>
#include <acedads.h>
#include <acutads.h>
#include <dbsymtb.h>
#include <gtest/gtest.h>
#include <qvwide.h>

#include <filesystem>
#include <array>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "../gs/GsTestDrawing.h"
#include "db/DatabaseImpl.h"
#include "ed/selection/SelectionFilter.h"
#include "ed/selection/Picking.h"
#include "ed/selection/SelectionSets.h"

namespace seltest {

using dbtest::dxfText;
using gstest::block;
using gstest::insert;
using gstest::layer;
using gstest::layerTable;
using gstest::line;

inline std::string section(const char* name, const std::string& body) { return blockstest::section(name, body); }

// A LINE with a handle, so groups can name it, and the group reactor AutoCAD writes on members.
inline std::string handledLine(const std::string& handle, double x1, double y1, double x2, double y2,
                               const std::string& groupHandle = "") {
  std::string reactors =
      groupHandle.empty() ? "" : dxfText({{102, "{ACAD_REACTORS"}, {330, groupHandle}, {102, "}"}});
  return dxfText({{0, "LINE"}, {5, handle}}) + reactors +
         dxfText({{100, "AcDbEntity"}, {8, "0"}, {100, "AcDbLine"}, {10, std::to_string(x1)}, {20, std::to_string(y1)},
                  {30, "0"}, {11, std::to_string(x2)}, {21, std::to_string(y2)}, {31, "0"}});
}

// The OBJECTS section of a drawing with one group of the given member handles.
inline std::string groupObjects(const std::string& groupHandle, const std::vector<std::string>& members,
                                bool selectable = true) {
  std::string out = dxfText({{0, "DICTIONARY"}, {5, "C"}, {100, "AcDbDictionary"}, {3, "ACAD_GROUP"}, {350, "D"},
                             {0, "DICTIONARY"}, {5, "D"}, {330, "C"}, {100, "AcDbDictionary"}, {3, "G1"},
                             {350, groupHandle}, {0, "GROUP"}, {5, groupHandle}, {330, "D"}, {100, "AcDbGroup"},
                             {300, "doors"}, {70, "0"}, {71, selectable ? "1" : "0"}});
  for (const std::string& m : members) out += dxfText({{340, m}});
  return out;
}

inline std::string drawingText(const std::string& entities, const std::string& blocks = "",
                               const std::string& layers = "", const std::string& objects = "") {
  return (layers.empty() ? "" : layerTable(layers)) + section("BLOCKS", blocks) +
         dxfText({{0, "SECTION"}, {2, "ENTITIES"}}) + entities + dxfText({{0, "ENDSEC"}}) +
         section("OBJECTS", objects) + dxfText({{0, "EOF"}});
}

// Holds a selection set and frees it.
struct Set {
  ads_name name = {0, 0};
  Set() = default;
  Set(const Set&) = delete;
  Set& operator=(const Set&) = delete;
  ~Set() {
    if (name[0] != 0) acedSSFree(name);
  }
};

struct Chain {
  resbuf* head = nullptr;
  ~Chain() { acutRelRb(head); }
  // Element i of the flat chain (list brackets count), or null past its end.
  const resbuf* at(size_t i) const {
    const resbuf* rb = head;
    while (rb != nullptr && i-- > 0) rb = rb->rbnext;
    return rb;
  }
  size_t size() const {
    size_t n = 0;
    for (const resbuf* rb = head; rb != nullptr; rb = rb->rbnext) ++n;
    return n;
  }
};

class SelectionTest : public testing::Test {
 protected:
  void TearDown() override {
    acadsim::CloseAllDocuments();
    acadsim::resetSessionSystemVariables();
  }

  // Opens the drawing as the current document; its view shows one unit per pixel.
  AcApDocument* open(const std::string& dxf) {
    const std::filesystem::path path =
        std::filesystem::path(testing::TempDir()) / ("acadsim-selection-" + std::to_string(getpid()) + ".dxf");
    std::ofstream(path) << dxf;
    std::u16string error;
    AcApDocument* doc = acadsim::OpenDocument(Utf8ToWide(path.string()), error);
    std::filesystem::remove(path);
    EXPECT_NE(doc, nullptr) << WideToUtf8(error);
    if (doc == nullptr) return nullptr;
    acadsim::setViewSize(doc, 400, 400);
    acadsim::documentView(doc).pixelsPerUnit = 1;
    return doc;
  }

  // The model-space entities in drawing order.
  static std::vector<AcDbObjectId> entities(AcApDocument* doc) { return gstest::modelSpace(*doc->database()); }

  static void setShort(const char16_t* name, int value) {
    resbuf rb{};
    rb.restype = RTSHORT;
    rb.resval.rint = static_cast<short>(value);
    ASSERT_EQ(acedSetVar(name, &rb), RTNORM) << WideToUtf8(name);
  }
  static int getShort(const char16_t* name) {
    resbuf rb{};
    EXPECT_EQ(acedGetVar(name, &rb), RTNORM);
    return rb.resval.rint;
  }

  // A pick at a point (UCS is the WCS here): the status, the set in out.
  static int pick(double x, double y, ads_name out, const ACHAR* mode = nullptr) {
    const double pt[3] = {x, y, 0};
    return acedSSGet(mode, pt, nullptr, nullptr, out);
  }

  static AcDbObjectId member(const ads_name ss, int i) {
    ads_name ent;
    AcDbObjectId id;
    if (acedSSName(ss, i, ent) == RTNORM) acdbGetObjectId(id, ent);
    return id;
  }
  static Adesk::Int32 length(const ads_name ss) {
    Adesk::Int32 n = -1;
    acedSSLength(ss, &n);
    return n;
  }
  static AcDbObjectId idOf(const resbuf* rb) {
    AcDbObjectId id;
    if (rb != nullptr && rb->restype == RTENAME) acdbGetObjectId(id, rb->resval.rlname);
    return id;
  }
};

}  // namespace seltest
