#include "RenderCommand.h"
#include "RenderOptions.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include <unistd.h>

using acadsim::ParseRenderOptions;
using acadsim::RenderOptions;

namespace {

bool parse(std::vector<std::string> args, RenderOptions& options, std::string& error) {
  return ParseRenderOptions(args, options, error);
}

TEST(RenderOptions, MarkupOutputAndDefaults) {
  RenderOptions o;
  std::string error;
  ASSERT_TRUE(parse({"--html", "<b>x</b>", "-o", "out.png"}, o, error)) << error;
  EXPECT_EQ(*o.html, "<b>x</b>");
  EXPECT_EQ(o.output, "out.png");
  EXPECT_FALSE(o.font.has_value());
  EXPECT_EQ(o.maxWidth, 0);
  EXPECT_TRUE(o.styleSheetFile.empty());
}

TEST(RenderOptions, FontTakesTheLastCommaAndANegativeHeight) {
  RenderOptions o;
  std::string error;
  ASSERT_TRUE(parse({"--file", "m.html", "--font", "宋体,-16", "--width", "200", "--css", "s.css", "-o", "o.png"}, o,
                    error))
      << error;
  EXPECT_EQ(o.font->face, u"宋体");
  EXPECT_EQ(o.font->height, -16);
  EXPECT_EQ(o.maxWidth, 200);
  EXPECT_EQ(o.markupFile, "m.html");
  EXPECT_EQ(o.styleSheetFile, "s.css");
}

TEST(RenderOptions, RefusesWhatIsNotValid) {
  const std::vector<std::vector<std::string>> bad = {
      {"-o", "o.png"},                                              // no markup
      {"--html", "a", "--file", "f", "-o", "o.png"},                // both markups
      {"--html", "a"},                                              // no output
      {"--html", "a", "-o"},                                        // value missing
      {"--html", "a", "-o", "o.png", "--font", "Arial"},            // no height
      {"--html", "a", "-o", "o.png", "--font", ",-12"},             // no face
      {"--html", "a", "-o", "o.png", "--font", "Arial,12px"},       // not a number
      {"--html", "a", "-o", "o.png", "--font", "Arial,-99999"},     // beyond any font
      {"--html", "a", "-o", "o.png", "--font", std::string(32, 'F') + ",-12"},  // face too long
      {"--html", "a", "-o", "o.png", "--width", "-1"},
      {"--html", "a", "-o", "o.png", "--width", "wide"},
      {"--html", "a", "-o", "o.png", "extra"},
  };
  for (const auto& args : bad) {
    RenderOptions o;
    std::string error;
    EXPECT_FALSE(parse(args, o, error)) << args.size();
    EXPECT_FALSE(error.empty());
  }
}

// Width and height of a PNG from its header chunk.
std::pair<int, int> PngSize(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (bytes.size() < 24 || bytes.compare(1, 3, "PNG") != 0) return {-1, -1};
  auto be32 = [&](size_t at) {
    return (static_cast<uint8_t>(bytes[at]) << 24) | (static_cast<uint8_t>(bytes[at + 1]) << 16) |
           (static_cast<uint8_t>(bytes[at + 2]) << 8) | static_cast<uint8_t>(bytes[at + 3]);
  };
  return {static_cast<int>(be32(16)), static_cast<int>(be32(20))};
}

class RenderRun : public ::testing::Test {
 protected:
  std::filesystem::path dir = std::filesystem::temp_directory_path() /
                              ("qv-render-" + std::to_string(::getpid()) + "-" +
                               ::testing::UnitTest::GetInstance()->current_test_info()->name());
  void SetUp() override { std::filesystem::create_directories(dir); }
  void TearDown() override { std::filesystem::remove_all(dir); }

  int run(RenderOptions options, std::string& out, std::string& err) {
    options.modulePath = QV_BIN_DIR "/quillview.arx";
    std::ostringstream o, e;
    const int code = acadsim::RunRender(options, o, e);
    out = o.str();
    err = e.str();
    return code;
  }
};

TEST_F(RenderRun, PrintsTheMeasuredSizeAndWritesTheWindowFourPixelsLarger) {
  RenderOptions options;
  options.html = "<h4>Line</h4>\nLayer: 0";
  options.output = (dir / "line.png").string();
  std::string out, err;
  ASSERT_EQ(run(options, out, err), 0) << err;
  int w = 0, h = 0;
  ASSERT_EQ(std::sscanf(out.c_str(), "%d %d", &w, &h), 2) << out;
  EXPECT_GT(w, 20);
  EXPECT_GT(h, 20);
  EXPECT_EQ(PngSize(options.output), std::make_pair(w + 4, h + 4));
}

TEST_F(RenderRun, WordWrapNarrowsAndHeightensTheWindow) {
  RenderOptions wide;
  wide.html = "one two three four five six seven eight nine ten";
  wide.output = (dir / "wide.png").string();
  RenderOptions narrow = wide;
  narrow.maxWidth = 60;
  narrow.output = (dir / "narrow.png").string();
  std::string out1, out2, err;
  ASSERT_EQ(run(wide, out1, err), 0) << err;
  ASSERT_EQ(run(narrow, out2, err), 0) << err;
  int w1, h1, w2, h2;
  ASSERT_EQ(std::sscanf(out1.c_str(), "%d %d", &w1, &h1), 2);
  ASSERT_EQ(std::sscanf(out2.c_str(), "%d %d", &w2, &h2), 2);
  EXPECT_LE(w2, 61);
  EXPECT_GT(h2, 2 * h1);
  EXPECT_GT(w1, w2);
}

TEST_F(RenderRun, AStyleSheetFileAndAFontChangeTheSize) {
  const std::string css = (dir / "big.css").string();
  std::ofstream(css) << "\xEF\xBB\xBF" "body {font-size: 30pt}";
  RenderOptions plain;
  plain.html = "Text";
  plain.output = (dir / "plain.png").string();
  RenderOptions styled = plain;
  styled.styleSheetFile = css;
  RenderOptions bigFont = plain;
  bigFont.font = acadsim::RenderFont{u"Arial", -24};
  std::string o1, o2, o3, err;
  ASSERT_EQ(run(plain, o1, err), 0) << err;
  ASSERT_EQ(run(styled, o2, err), 0) << err;
  ASSERT_EQ(run(bigFont, o3, err), 0) << err;
  int w1, h1, w2, h2, w3, h3;
  ASSERT_EQ(std::sscanf(o1.c_str(), "%d %d", &w1, &h1), 2);
  ASSERT_EQ(std::sscanf(o2.c_str(), "%d %d", &w2, &h2), 2);
  ASSERT_EQ(std::sscanf(o3.c_str(), "%d %d", &w3, &h3), 2);
  EXPECT_GT(h2, 2 * h1);
  EXPECT_GT(h3, h1 * 3 / 2);
}

TEST_F(RenderRun, TagOnlyMarkupMeasuresZeroAndGivesTheBareFrame) {
  RenderOptions options;
  options.html = "<b></b><i></i>";
  options.output = (dir / "empty.png").string();
  std::string out, err;
  ASSERT_EQ(run(options, out, err), 0) << err;
  EXPECT_EQ(out, "0 0\n");
  EXPECT_EQ(PngSize(options.output), std::make_pair(4, 4));
}

TEST_F(RenderRun, UnreadableFilesAndAnUnwritableOutputFail) {
  std::string out, err;
  RenderOptions missing;
  missing.markupFile = (dir / "none.html").string();
  missing.output = (dir / "o.png").string();
  EXPECT_EQ(run(missing, out, err), 1);
  EXPECT_NE(err.find("cannot read"), std::string::npos) << err;

  RenderOptions missingCss;
  missingCss.html = "x";
  missingCss.styleSheetFile = (dir / "none.css").string();
  missingCss.output = (dir / "o.png").string();
  EXPECT_EQ(run(missingCss, out, err), 1);

  RenderOptions badOutput;
  badOutput.html = "x";
  badOutput.output = (dir / "no-such-folder" / "o.png").string();
  EXPECT_EQ(run(badOutput, out, err), 1);
  EXPECT_NE(err.find("cannot write"), std::string::npos) << err;
  EXPECT_TRUE(out.empty());
}

}  // namespace
