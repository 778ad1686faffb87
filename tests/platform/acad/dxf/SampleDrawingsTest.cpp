// Every shared sample drawing opens (or, when malformed, is refused with a reason), and what it holds agrees
// with the independent ezdxf reading in INVENTORY.tsv.
#include <acadsim/DrawingQueries.h>
#include <acadsim/DxfReader.h>
#include <dbents.h>
#include <dbsymtb.h>
#include <gtest/gtest.h>
#include <qvwide.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct InventoryRow {
  std::string file, ezdxf, model, paper;
};

std::vector<InventoryRow> readInventory() {
  std::vector<InventoryRow> rows;
  std::ifstream in(std::string(QV_SHARED_SAMPLES) + "/INVENTORY.tsv");
  std::string line;
  std::getline(in, line);  // header
  while (std::getline(in, line)) {
    InventoryRow row;
    std::stringstream fields(line);
    std::getline(fields, row.file, '\t');
    std::getline(fields, row.ezdxf, '\t');
    std::getline(fields, row.model, '\t');
    std::getline(fields, row.paper, '\t');
    if (!row.file.empty()) rows.push_back(row);
  }
  return rows;
}

// "TYPE:COUNT,..." of the entities directly in the given blocks, in type order as the inventory lists them.
std::string countsOf(const std::vector<AcDbObjectId>& blocks) {
  std::map<std::string, int> counts;
  for (AcDbObjectId blockId : blocks) {
    AcDbBlockTableRecord* block = nullptr;
    if (acdbOpenObject(block, blockId, AcDb::kForRead) != Acad::eOk) continue;
    for (AcDbObjectId id : block->entityIds()) {
      AcDbEntity* ent = nullptr;
      if (acdbOpenAcDbEntity(ent, id, AcDb::kForRead) != Acad::eOk) continue;
      ++counts[WideToUtf8(acadsim::dxfTypeName(ent))];
      ent->close();
    }
    block->close();
  }
  std::string out;
  for (const auto& [type, n] : counts) out += (out.empty() ? "" : ",") + type + ":" + std::to_string(n);
  return out;
}

// Damaged files this reader refuses too, each with the reason it gives (ezdxf refuses them as well).
const std::map<std::string, std::string> kRefused = {
    {"ezdxf/recover01.dxf", ":1141: expected group code 0 (SECTION or EOF), found 9"},  // ENDSEC without SECTION
    {"ezdxf/recover02.dxf", ":1919: expected TABLE in the TABLES section, found 'BLOCK_RECORD'"},
    {"gdal/assorted.dxf", ":1648: invalid 16-bit integer '256QSW' for group code 62"},
    {"gdal/header_extended.dxf", ": unexpected end of file in the ENTITIES section (no ENDSEC)"},  // truncated
    {"gdal/text.dxf", ":25: expected group code 0 (SECTION or EOF), found 2"},  // "0 SECTION" left out
    {"malformed/clusterfuzz-testcase-minimized-dxf_fuzzer-5400376672124928.dxf", ""},
    {"malformed/insert-too-many-errors.dxf", ""},
};
// Files ezdxf refuses that this reader reads whole: empty handles get fresh handles (as AutoCAD gives them on
// reading), numeric or missing block names are taken from the block record, a missing BLOCK_RECORD is made
// from its BLOCK (as for R12), and an LWPOLYLINE without subclass markers is still an LWPOLYLINE.

class SampleDrawings : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!fs::exists(QV_SHARED_SAMPLES)) GTEST_SKIP() << "shared samples not found at " << QV_SHARED_SAMPLES;
  }
};

TEST_F(SampleDrawings, EveryInventoryFileOpensOrIsRefusedWithAReason) {
  for (const InventoryRow& row : readInventory()) {
    SCOPED_TRACE(row.file);
    AcDbDatabase db(false);
    acadsim::DxfError err;
    bool ok = acadsim::readDxf(std::string(QV_SHARED_SAMPLES) + "/" + row.file, db, err);
    auto refused = kRefused.find(row.file);
    if (refused != kRefused.end()) {
      EXPECT_FALSE(ok);
      EXPECT_FALSE(err.message.empty());
      EXPECT_NE(acadsim::formatDxfError(row.file, err).find(refused->second), std::string::npos)
          << acadsim::formatDxfError(row.file, err);
      continue;
    }
    if (!ok) {
      ADD_FAILURE() << acadsim::formatDxfError(row.file, err) << " (ezdxf: " << row.ezdxf << ")";
      continue;
    }
    if (row.ezdxf != "ok") continue;
    EXPECT_EQ(countsOf({acadsim::modelSpaceBlockId(db)}), row.model);
    EXPECT_EQ(countsOf(acadsim::paperSpaceBlocksInTabOrder(db)), row.paper);
  }
}

}  // namespace
