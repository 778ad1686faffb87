// Every TEXT, MTEXT, ATTRIB, ATTDEF, SHAPE and DIMENSION of the shared sample drawings reads with plausible
// values, and what each dimension computes from its points agrees with the measurement its file stores.
#include <acadsim/DxfReader.h>
#include <dbdim.h>
#include <dbtext.h>
#include <gtest/gtest.h>
#include <qvwide.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "AnnotationDrawing.h"

namespace {

namespace fs = std::filesystem;
using namespace annotationtest;

constexpr double kTwoPi = 6.283185307179586476925286766559;

std::vector<fs::path> sampleDrawings() {
  std::vector<fs::path> files;
  for (const auto& entry : fs::recursive_directory_iterator(QV_SHARED_SAMPLES))
    if (entry.is_regular_file() && entry.path().extension() == ".dxf") files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  return files;
}

std::string fileText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream buffer;
  buffer << in.rdbuf();
  return buffer.str();
}

bool finite(const AcGePoint3d& p) { return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z); }
bool finite(const AcGeVector3d& v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }

template <class Record>
bool opensAs(AcDbObjectId id) {
  Record* record = nullptr;
  if (acdbOpenObject(record, id, AcDb::kForRead) != Acad::eOk) return false;
  record->close();
  return true;
}

// Every entity of every block, with the attributes that follow block references.
std::vector<AcDbObjectId> allEntities(AcDbDatabase& db) {
  std::vector<AcDbObjectId> ids;
  AcDbBlockTable* blocks = nullptr;
  if (db.getBlockTable(blocks, AcDb::kForRead) != Acad::eOk) return ids;
  std::vector<AcDbObjectId> blockIds = blocks->recordIds();
  blocks->close();
  for (AcDbObjectId blockId : blockIds) {
    AcDbBlockTableRecord* block = nullptr;
    if (acdbOpenObject(block, blockId, AcDb::kForRead) != Acad::eOk) continue;
    for (AcDbObjectId id : block->entityIds()) {
      ids.push_back(id);
      AcDbEntity* entity = nullptr;
      if (acdbOpenAcDbEntity(entity, id, AcDb::kForRead) != Acad::eOk) continue;
      for (AcDbObjectId part : entity->subentityIds()) ids.push_back(part);
      entity->close();
    }
    block->close();
  }
  return ids;
}

struct Counts {
  int texts = 0, attributes = 0, mtexts = 0, shapes = 0, dimensions = 0;
};

void checkText(const AcDbText& text, Counts& counts) {
  ++counts.texts;
  EXPECT_TRUE(finite(text.position()));
  EXPECT_TRUE(finite(text.alignmentPoint()));
  EXPECT_NEAR(text.normal().length(), 1.0, 1e-9);
  EXPECT_TRUE(std::isfinite(text.height()));
  EXPECT_TRUE(std::isfinite(text.thickness()));
  EXPECT_GT(text.widthFactor(), 0.0);
  EXPECT_GE(text.rotation(), 0.0);
  EXPECT_LT(text.rotation(), kTwoPi);
  EXPECT_GE(text.oblique(), 0.0);
  EXPECT_LT(text.oblique(), kTwoPi);
  EXPECT_TRUE(opensAs<AcDbTextStyleTableRecord>(text.textStyle()));
  if (auto* attribute = AcDbAttribute::cast(&text)) {
    ++counts.attributes;
    EXPECT_FALSE(adopt(attribute->tag()).empty());
  }
  if (auto* definition = AcDbAttributeDefinition::cast(&text)) {
    ++counts.attributes;
    EXPECT_FALSE(adopt(definition->tag()).empty());
    adopt(definition->prompt());
  }
}

void checkMText(const AcDbMText& mtext, Counts& counts) {
  ++counts.mtexts;
  EXPECT_TRUE(finite(mtext.location()));
  EXPECT_TRUE(std::isfinite(mtext.textHeight()));
  EXPECT_TRUE(std::isfinite(mtext.width()));
  EXPECT_GE(mtext.rotation(), 0.0);
  EXPECT_LT(mtext.rotation(), kTwoPi);
  EXPECT_TRUE(opensAs<AcDbTextStyleTableRecord>(mtext.textStyle()));
  adopt(mtext.contents());
}

void checkShape(const AcDbShape& shape, Counts& counts) {
  ++counts.shapes;
  EXPECT_FALSE(adopt(shape.name()).empty());
  EXPECT_TRUE(finite(shape.position()));
  EXPECT_TRUE(std::isfinite(shape.size()));
  EXPECT_GT(shape.widthFactor(), 0.0);
}

void checkDimension(AcDbDimension& dim, Counts& counts) {
  ++counts.dimensions;
  EXPECT_TRUE(opensAs<AcDbDimStyleTableRecord>(dim.dimensionStyle()));
  EXPECT_TRUE(finite(dim.textPosition()));
  EXPECT_TRUE(finite(dim.normal()));
  EXPECT_TRUE(std::isfinite(dim.elevation()));
  adopt(dim.dimensionText());
  double value = std::nan("");
  EXPECT_EQ(dim.measurement(value), Acad::eOk);
  EXPECT_TRUE(std::isfinite(value));
}

class SampleAnnotations : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!fs::exists(QV_SHARED_SAMPLES)) GTEST_SKIP() << "shared samples not found at " << QV_SHARED_SAMPLES;
  }
};

TEST_F(SampleAnnotations, EveryAnnotationReadsWithPlausibleValues) {
  Counts counts;
  for (const fs::path& path : sampleDrawings()) {
    SCOPED_TRACE(path.string());
    AcDbDatabase db(false);
    acadsim::DxfError err;
    if (!acadsim::readDxf(path.string(), db, err)) continue;  // refused drawings are the reader's tests
    for (AcDbObjectId id : allEntities(db)) {
      OpenEntity<AcDbEntity> entity(id);
      if (entity.get() == nullptr) continue;
      if (auto* text = AcDbText::cast(entity.get())) checkText(*text, counts);
      if (auto* mtext = AcDbMText::cast(entity.get())) checkMText(*mtext, counts);
      if (auto* shape = AcDbShape::cast(entity.get())) checkShape(*shape, counts);
      if (auto* dim = AcDbDimension::cast(entity.get())) checkDimension(*dim, counts);
    }
  }
  // The samples hold each kind; a reader that lost them all would pass the checks above vacuously.
  EXPECT_GT(counts.texts, 100);
  EXPECT_GT(counts.attributes, 10);
  EXPECT_GT(counts.mtexts, 100);
  EXPECT_GT(counts.shapes, 0);
  EXPECT_GT(counts.dimensions, 20);
}

// The text of a DXF file without the stored measurements (42) of its dimensions.
std::string withoutStoredMeasurements(const std::string& text) {
  std::vector<std::string> lines;
  std::stringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  auto trimmed = [](std::string s) {
    s.erase(std::remove_if(s.begin(), s.end(), [](char c) { return c == '\r' || c == ' ' || c == '\t'; }), s.end());
    return s;
  };
  std::string out;
  bool inDimension = false;
  for (size_t i = 0; i + 1 < lines.size(); i += 2) {
    std::string code = trimmed(lines[i]);
    std::string value = trimmed(lines[i + 1]);
    if (code == "0") inDimension = value == "DIMENSION" || value == "ARC_DIMENSION" || value == "LARGE_RADIAL_DIMENSION";
    if (inDimension && code == "42") continue;
    out += lines[i] + "\n" + lines[i + 1] + "\n";
  }
  return out;
}

std::map<Adesk::UInt64, double> measurementsByHandle(AcDbDatabase& db) {
  std::map<Adesk::UInt64, double> values;
  for (AcDbObjectId id : allEntities(db)) {
    AcDbDimension* dim = nullptr;
    if (acdbOpenObject(dim, id, AcDb::kForRead) != Acad::eOk) continue;
    double value = std::nan("");
    if (dim->measurement(value) == Acad::eOk) {
      AcDbHandle handle;
      dim->getAcDbHandle(handle);
      values[handle] = value;
    }
    dim->close();
  }
  return values;
}

TEST_F(SampleAnnotations, MeasurementsFromPointsAgreeWithTheStoredOnes) {
  int compared = 0;
  for (const fs::path& path : sampleDrawings()) {
    std::string text = fileText(path);
    if (text.rfind("AutoCAD Binary DXF", 0) == 0) continue;
    SCOPED_TRACE(path.string());
    AcDbDatabase stored(false), computed(false);
    acadsim::DxfError err;
    if (!acadsim::readDxfFromMemory(text.data(), text.size(), stored, err)) continue;
    std::string stripped = withoutStoredMeasurements(text);
    ASSERT_TRUE(acadsim::readDxfFromMemory(stripped.data(), stripped.size(), computed, err)) << err.message;
    std::map<Adesk::UInt64, double> fromFile = measurementsByHandle(stored);
    std::map<Adesk::UInt64, double> fromPoints = measurementsByHandle(computed);
    EXPECT_EQ(fromFile.size(), fromPoints.size());
    for (const auto& [handle, value] : fromFile) {
      auto it = fromPoints.find(handle);
      if (it == fromPoints.end()) continue;
      EXPECT_NEAR(it->second, value, 1e-6 * std::max(1.0, std::fabs(value))) << "handle " << std::hex << handle;
      ++compared;
    }
  }
  EXPECT_GT(compared, 20);
}

}  // namespace
