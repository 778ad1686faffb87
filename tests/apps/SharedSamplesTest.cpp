// Every drawing that others wrote opens (or is refused with a clear reason) and every entity is described;
// where ezdxf read a drawing, the entity types and counts agree with its inventory.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "DescribeRun.h"

namespace {

using acadsim::DescribeOptions;
using acadsim::SpaceSelection;
using acadsim::testing::DescribeRun;
using acadsim::testing::RunDescribeInProcess;

const std::string kSamples = QV_SHARED_SAMPLES;

struct InventoryRow {
  std::string file;
  bool ezdxfRead = false;
  std::map<std::string, int> model;
  std::map<std::string, int> paper;
};

std::map<std::string, int> parseCounts(const std::string& field) {
  std::map<std::string, int> counts;
  std::stringstream items(field);
  std::string item;
  while (std::getline(items, item, ',')) {
    const size_t colon = item.rfind(':');
    if (colon != std::string::npos) counts[item.substr(0, colon)] = std::stoi(item.substr(colon + 1));
  }
  return counts;
}

std::vector<InventoryRow> readInventory() {
  std::vector<InventoryRow> rows;
  std::ifstream in(kSamples + "/INVENTORY.tsv");
  std::string line;
  std::getline(in, line);  // column names
  while (std::getline(in, line)) {
    std::vector<std::string> fields;
    std::stringstream cells(line);
    std::string cell;
    while (std::getline(cells, cell, '\t')) fields.push_back(cell);
    if (fields.size() < 2) continue;
    fields.resize(4);
    rows.push_back({fields[0], fields[1] == "ok", parseCounts(fields[2]), parseCounts(fields[3])});
  }
  return rows;
}

std::string countsText(const std::map<std::string, int>& counts) {
  std::string text;
  for (const auto& [type, n] : counts) text += (text.empty() ? "" : ",") + type + ":" + std::to_string(n);
  return text;
}

DescribeRun describe(const std::string& file, SpaceSelection space) {
  DescribeOptions options;
  options.drawing = kSamples + "/" + file;
  options.space = space;
  return RunDescribeInProcess(options);
}

class SharedSample : public ::testing::TestWithParam<InventoryRow> {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(kSamples + "/INVENTORY.tsv")) GTEST_SKIP() << "no shared samples at " << kSamples;
  }
};

TEST_P(SharedSample, OpensOrIsRefusedClearlyAndEveryEntityIsDescribed) {
  const InventoryRow& row = GetParam();
  DescribeRun model = describe(row.file, SpaceSelection::Model);
  if (row.file.rfind("malformed/", 0) == 0) {
    EXPECT_EQ(model.exitCode, 1);
    EXPECT_TRUE(std::regex_search(model.err, std::regex(":( byte)? ?[0-9]+: .+"))) << model.err;
    return;
  }
  if (model.exitCode != 0) {
    // Refused: only acceptable with a located reason, and not for a drawing ezdxf reads.
    EXPECT_FALSE(row.ezdxfRead) << model.err;
    EXPECT_TRUE(std::regex_search(model.err, std::regex(":( byte)? ?[0-9]+: .+"))) << model.err;
    return;
  }
  // A value the host could not compute is left out, never printed as "nan" or "inf".
  const std::regex notANumber("(^|[ :(,/=])-?(nan|inf)([^a-z]|$)");
  for (const auto& e : model.entities) {
    EXPECT_EQ(e.text.rfind("<h4>", 0), 0u) << e.handle << " " << e.type;
    EXPECT_FALSE(std::regex_search(e.text, notANumber)) << e.handle << " " << e.type << "\n" << e.text;
  }
  DescribeRun again = describe(row.file, SpaceSelection::Model);
  ASSERT_EQ(again.entities.size(), model.entities.size());
  for (size_t i = 0; i < model.entities.size(); ++i)
    EXPECT_EQ(again.entities[i].text, model.entities[i].text) << "described differently the second time";
  if (!row.ezdxfRead) return;
  EXPECT_EQ(countsText(model.typeCounts()), countsText(row.model)) << "model space";
  DescribeRun paper = describe(row.file, SpaceSelection::Paper);
  EXPECT_EQ(paper.exitCode, 0) << paper.err;
  EXPECT_EQ(countsText(paper.typeCounts()), countsText(row.paper)) << "paper space";
}

std::vector<InventoryRow> inventoryOrPlaceholder() {
  std::vector<InventoryRow> rows = readInventory();
  if (rows.empty()) rows.push_back({"(none)", false, {}, {}});
  return rows;
}

std::string rowName(const ::testing::TestParamInfo<InventoryRow>& info) {
  std::string name = info.param.file;
  for (char& c : name)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  return name;
}

INSTANTIATE_TEST_SUITE_P(Inventory, SharedSample, ::testing::ValuesIn(inventoryOrPlaceholder()), rowName);

}  // namespace
