// The describe command's contract: listing format, handle selection, spaces, refusals.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "DescribeRun.h"

namespace {

using acadsim::DescribeOptions;
using acadsim::SpaceSelection;
using acadsim::testing::DescribeRun;
using acadsim::testing::RunDescribeInProcess;

const std::string kDemo = std::string(QV_PROJECT_SAMPLES) + "/quillview-demo.dxf";
const std::string kShared = QV_SHARED_SAMPLES;

DescribeRun describeDemo(std::vector<std::string> handles = {}, SpaceSelection space = SpaceSelection::Model) {
  DescribeOptions options;
  options.drawing = kDemo;
  options.handles = std::move(handles);
  options.space = space;
  return RunDescribeInProcess(options);
}

TEST(DescribeCommand, ListsEveryModelSpaceEntityWithItsHeader) {
  DescribeRun run = describeDemo();
  ASSERT_EQ(run.exitCode, 0) << run.err;
  ASSERT_FALSE(run.entities.empty());
  for (const auto& e : run.entities) {
    EXPECT_FALSE(e.handle.empty());
    EXPECT_EQ(e.handle.find_first_not_of("0123456789ABCDEF"), std::string::npos) << e.handle;
    EXPECT_EQ(e.text.rfind("<h4>", 0), 0u) << e.text;
  }
  // Entries are separated by exactly one empty line.
  EXPECT_EQ(run.out.substr(run.out.size() - 2), "\n\n");
  EXPECT_EQ(run.out.find("\n\n\n"), std::string::npos);
}

TEST(DescribeCommand, HandlesSelectInTheOrderGivenAndAnyCaseOfHex) {
  DescribeRun all = describeDemo();
  ASSERT_GE(all.entities.size(), 2u);
  std::string first = all.entities[0].handle, second = all.entities[1].handle;
  std::string lower = second;
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  DescribeRun picked = describeDemo({lower, first});
  ASSERT_EQ(picked.exitCode, 0) << picked.err;
  ASSERT_EQ(picked.entities.size(), 2u);
  EXPECT_EQ(picked.entities[0].handle, second);
  EXPECT_EQ(picked.entities[1].handle, first);
  EXPECT_EQ(picked.entities[0].text, all.entities[1].text);
}

TEST(DescribeCommand, UnknownHandleIsReportedAfterTheOthersAndFails) {
  DescribeRun all = describeDemo();
  ASSERT_FALSE(all.entities.empty());
  DescribeRun run = describeDemo({"FFFFFFF0", all.entities[0].handle});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find("FFFFFFF0"), std::string::npos) << run.err;
  ASSERT_EQ(run.entities.size(), 1u);
  EXPECT_EQ(run.entities[0].handle, all.entities[0].handle);
}

TEST(DescribeCommand, MissingOrMalformedDrawingIsRefusedWithItsPlace) {
  DescribeOptions options;
  options.drawing = "/nonexistent/drawing.dxf";
  DescribeRun missing = RunDescribeInProcess(options);
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_NE(missing.err.find("/nonexistent/drawing.dxf"), std::string::npos) << missing.err;
  EXPECT_TRUE(missing.out.empty());

  const std::string truncated = (std::filesystem::temp_directory_path() / "qv-truncated.dxf").string();
  {
    std::FILE* f = std::fopen(truncated.c_str(), "w");
    std::fputs("  0\nSECTION\n  2\nENTITIES\n  0\nLINE\n  8\n0\n 10\n", f);
    std::fclose(f);
  }
  options.drawing = truncated;
  DescribeRun bad = RunDescribeInProcess(options);
  EXPECT_EQ(bad.exitCode, 1);
  EXPECT_EQ(bad.err.rfind(truncated + ":", 0), 0u) << bad.err;
  EXPECT_TRUE(bad.out.empty());
}

TEST(DescribeCommand, PaperAndAllSpaces) {
  if (!std::filesystem::exists(kShared)) GTEST_SKIP() << "no shared samples at " << kShared;
  DescribeOptions options;
  options.drawing = kShared + "/js-dxf/testModelPaperSpace.dxf";
  DescribeRun model = RunDescribeInProcess(options);
  options.space = SpaceSelection::Paper;
  DescribeRun paper = RunDescribeInProcess(options);
  options.space = SpaceSelection::All;
  DescribeRun all = RunDescribeInProcess(options);
  ASSERT_EQ(all.exitCode, 0) << all.err;
  ASSERT_EQ(all.entities.size(), model.entities.size() + paper.entities.size());
  for (size_t i = 0; i < model.entities.size(); ++i) EXPECT_EQ(all.entities[i].handle, model.entities[i].handle);
  EXPECT_EQ(all.entities.back().handle, paper.entities.back().handle);
}

TEST(DescribeCommand, AModuleThatIsNotThereIsReported) {
  DescribeOptions options;
  options.drawing = kDemo;
  options.modulePath = "/nonexistent/quillview.arx";
  DescribeRun run = RunDescribeInProcess(options);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find("/nonexistent/quillview.arx"), std::string::npos) << run.err;
}

}  // namespace
