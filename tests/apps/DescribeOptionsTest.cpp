#include "DescribeOptions.h"

#include <gtest/gtest.h>

using acadsim::DescribeOptions;
using acadsim::ParseDescribeOptions;
using acadsim::SpaceSelection;

namespace {

bool parse(std::vector<std::string> args, DescribeOptions& options, std::string& error) {
  return ParseDescribeOptions(args, options, error);
}

TEST(DescribeOptions, DrawingAloneMeansModelSpaceAndTheModuleBesideTheHost) {
  DescribeOptions o;
  std::string error;
  ASSERT_TRUE(parse({"a.dxf"}, o, error));
  EXPECT_EQ(o.drawing, "a.dxf");
  EXPECT_EQ(o.space, SpaceSelection::Model);
  EXPECT_TRUE(o.modulePath.empty());
  EXPECT_TRUE(o.handles.empty());
}

TEST(DescribeOptions, HandlesKeepTheirOrderAndSpacesParse) {
  DescribeOptions o;
  std::string error;
  ASSERT_TRUE(parse({"--handle", "1F", "a.dxf", "--handle", "2a", "--space", "all", "--module", "m.arx"}, o, error));
  EXPECT_EQ(o.handles, (std::vector<std::string>{"1F", "2a"}));
  EXPECT_EQ(o.space, SpaceSelection::All);
  EXPECT_EQ(o.modulePath, "m.arx");
  DescribeOptions p;
  ASSERT_TRUE(parse({"a.dxf", "--space", "paper"}, p, error));
  EXPECT_EQ(p.space, SpaceSelection::Paper);
}

TEST(DescribeOptions, RefusesWhatIsNotValid) {
  const std::vector<std::vector<std::string>> bad = {
      {},                                      // no drawing
      {"a.dxf", "b.dxf"},                      // two drawings
      {"a.dxf", "--space", "layout"},          // unknown space
      {"a.dxf", "--space"},                    // missing value
      {"a.dxf", "--handle", "XYZ"},            // not hexadecimal
      {"a.dxf", "--handle", ""},               // empty
      {"a.dxf", "--handle", "12345678901234567"},  // more than 64 bits
      {"a.dxf", "--verbose"},                  // unknown option
  };
  for (const auto& args : bad) {
    DescribeOptions o;
    std::string error;
    EXPECT_FALSE(parse(args, o, error)) << (args.empty() ? "" : args.back());
    EXPECT_FALSE(error.empty());
  }
}

}  // namespace
