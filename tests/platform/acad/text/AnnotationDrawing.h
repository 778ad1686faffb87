// Drawings for the text and dimension tests: DXF text with styles and entities, read and opened in turn.
#pragma once
#include <acadsim/DrawingQueries.h>
#include <acutmem.h>
#include <dbents.h>
#include <dbsymtb.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "../db/DbTestDrawing.h"

namespace annotationtest {

using dbtest::dxfText;

// A STYLE record: a text style, or with shapeFile a shape file (flag 1) as AutoCAD writes them, without a name.
inline std::string styleRecord(const std::string& name, const std::string& file = "txt", bool shapeFile = false) {
  return dxfText({{0, "STYLE"}, {2, name}, {70, shapeFile ? "1" : "0"}, {40, "0"}, {41, "1"}, {3, file}});
}

inline std::string dimStyleRecord(const std::string& name) { return dxfText({{0, "DIMSTYLE"}, {2, name}, {70, "0"}}); }

struct DrawingParts {
  std::string header;       // groups of the HEADER section ("9\n$ACADVER\n1\nAC1015\n" ...)
  std::string textStyles;   // STYLE records
  std::string dimStyles;    // DIMSTYLE records
  std::string blocks;       // BLOCK ... ENDBLK
  std::string entities;     // the ENTITIES section's records
};

inline std::string drawingText(const DrawingParts& parts) {
  std::string out;
  if (!parts.header.empty()) out += dxfText({{0, "SECTION"}, {2, "HEADER"}}) + parts.header + dxfText({{0, "ENDSEC"}});
  out += dxfText({{0, "SECTION"}, {2, "TABLES"}});
  out += dxfText({{0, "TABLE"}, {2, "STYLE"}}) + parts.textStyles + dxfText({{0, "ENDTAB"}});
  out += dxfText({{0, "TABLE"}, {2, "DIMSTYLE"}}) + parts.dimStyles + dxfText({{0, "ENDTAB"}});
  out += dxfText({{0, "ENDSEC"}});
  if (!parts.blocks.empty()) out += dxfText({{0, "SECTION"}, {2, "BLOCKS"}}) + parts.blocks + dxfText({{0, "ENDSEC"}});
  out += dxfText({{0, "SECTION"}, {2, "ENTITIES"}}) + parts.entities + dxfText({{0, "ENDSEC"}, {0, "EOF"}});
  return out;
}

// An entity of a drawing, open for read while the object lives.
template <class T>
class OpenEntity {
 public:
  explicit OpenEntity(AcDbObjectId id) { EXPECT_EQ(acdbOpenObject(mEntity, id, AcDb::kForRead), Acad::eOk); }
  ~OpenEntity() {
    if (mEntity) mEntity->close();
  }
  OpenEntity(const OpenEntity&) = delete;
  OpenEntity& operator=(const OpenEntity&) = delete;
  T* operator->() const { return mEntity; }
  T* get() const { return mEntity; }

 private:
  T* mEntity = nullptr;
};

struct Drawing {
  std::unique_ptr<AcDbDatabase> db;
  std::vector<AcDbObjectId> modelSpace;
};

inline Drawing readDrawing(const DrawingParts& parts) {
  Drawing d;
  d.db = dbtest::readDrawing(drawingText(parts));
  AcDbBlockTableRecord* model = nullptr;
  if (acdbOpenObject(model, acadsim::modelSpaceBlockId(*d.db), AcDb::kForRead) == Acad::eOk) {
    d.modelSpace = model->entityIds();
    model->close();
  }
  return d;
}

inline Drawing readEntities(const std::string& entities) { return readDrawing(DrawingParts{"", "", "", "", entities}); }

// The name of a symbol table record, "" when it does not open.
inline std::u16string recordName(AcDbObjectId id) {
  AcDbSymbolTableRecord* record = nullptr;
  if (acdbOpenObject(record, id, AcDb::kForRead) != Acad::eOk) return u"";
  std::u16string name = record->name();
  record->close();
  return name;
}

// Takes a string the host handed over as a new buffer, and frees it.
inline std::u16string adopt(ACHAR* buffer) {
  std::u16string text = buffer ? buffer : u"";
  acutDelString(buffer);
  return text;
}

}  // namespace annotationtest
