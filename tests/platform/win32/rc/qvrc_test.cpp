#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct RcResult {
  int exitCode = -1;
  std::string output;
  std::string source;
};

// Runs qvrc on a script written to a fresh folder, with the test icon and cursor files and any other files
// given; the output is its standard error.
RcResult compile(const std::string& script, const std::vector<std::pair<std::string, std::string>>& files = {}) {
  static int counter = 0;
  fs::path dir = fs::temp_directory_path() / ("qvrc_test_" + std::to_string(getpid()) + "_" + std::to_string(++counter));
  fs::create_directories(dir);
  std::ofstream(dir / "test.rc") << script;
  std::ofstream(dir / "data.bin") << "DATA";
  std::ofstream(dir / "ids.h") << "#pragma once\n#define IDS_A 7\n#define IDS_B (IDS_A + 1)\n";
  for (const char* image : {"two_sizes.ico", "diagonal.cur"})
    fs::copy_file(fs::path(QV_TEST_SOURCE_DIR) / "image_format/data" / image, dir / image);
  for (const auto& [name, content] : files) std::ofstream(dir / name, std::ios::binary) << content;
  std::string command = std::string(QV_BIN_DIR) + "/qvrc -o " + (dir / "out.cpp").string() + " " +
                        (dir / "test.rc").string() + " 2>&1";
  RcResult result;
  FILE* pipe = popen(command.c_str(), "r");
  char buffer[512];
  while (pipe && fgets(buffer, sizeof buffer, pipe)) result.output += buffer;
  int status = pipe ? pclose(pipe) : -1;
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  std::ifstream in(dir / "out.cpp");
  result.source.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  fs::remove_all(dir);
  return result;
}

}  // namespace

TEST(Qvrc, CompilesAValidScript) {
  RcResult r = compile(
      "#include \"ids.h\"\n"
      "STRINGTABLE { IDS_A \"a\" IDS_B, \"b\" }\n"
      "1 RCDATA PRELOAD \"data.bin\"\n"
      "2 REGISTRY \"data.bin\"\n"
      "3 ICON \"two_sizes.ico\"\n"
      "4 CURSOR \"diagonal.cur\"\n");
  EXPECT_EQ(r.exitCode, 0) << r.output;
  EXPECT_NE(r.source.find("qv_resource_data"), std::string::npos);
  EXPECT_NE(r.source.find(".qvrsrc"), std::string::npos);
}

TEST(Qvrc, ReportsErrorsWithFileAndLine) {
  RcResult r = compile("STRINGTABLE\nBEGIN\n  1 \"a\"\n  1 \"b\"\nEND\n");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.output.find("test.rc:4: error: duplicate string id 1"), std::string::npos) << r.output;
  EXPECT_TRUE(r.source.empty());

  r = compile("STRINGTABLE\nBEGIN\n  1 \"unterminated\nEND\n");
  EXPECT_NE(r.output.find("test.rc:3: error: unterminated string"), std::string::npos) << r.output;
  r = compile("STRINGTABLE\nBEGIN\n  1 \"a\"\n");
  EXPECT_NE(r.output.find("missing END"), std::string::npos) << r.output;
  r = compile("\n\nSTRINGTABLE BEGIN IDS_UNKNOWN \"a\" END\n");
  EXPECT_NE(r.output.find("test.rc:3: error: undefined name 'IDS_UNKNOWN'"), std::string::npos) << r.output;
  r = compile("STRINGTABLE BEGIN 65536 \"a\" END\n");
  EXPECT_NE(r.output.find("out of range"), std::string::npos) << r.output;
  r = compile("1 RCDATA \"missing.bin\"\n");
  EXPECT_NE(r.output.find("test.rc:1: error: cannot open"), std::string::npos) << r.output;
  r = compile("1 BITMAP \"data.bin\"\n");
  EXPECT_NE(r.output.find("is not a BMP file"), std::string::npos) << r.output;
  r = compile("1 ICON \"data.bin\"\n");
  EXPECT_NE(r.output.find("test.rc:1: error: '"), std::string::npos) << r.output;
  EXPECT_NE(r.output.find("data.bin' is not an icon file"), std::string::npos) << r.output;
  r = compile("1 CURSOR \"two_sizes.ico\"\n");
  EXPECT_NE(r.output.find("two_sizes.ico' is not a cursor file"), std::string::npos) << r.output;
  std::string pastEnd("\0\0\1\0\1\0\x10\x10\0\0\1\0\x20\0\x28\0\0\0\x16\0\0\0", 22);
  r = compile("1 ICON \"cut.ico\"\n", {{"cut.ico", pastEnd}});
  EXPECT_NE(r.output.find("cut.ico' is damaged: image 1 lies outside the file"), std::string::npos) << r.output;
  r = compile("1 ICON \"cut.ico\"\n", {{"cut.ico", pastEnd.substr(0, 12)}});
  EXPECT_NE(r.output.find("cut.ico' is damaged: its directory is cut short"), std::string::npos) << r.output;
  r = compile("1 DIALOGEX 0, 0, 10, 10\n");
  EXPECT_NE(r.output.find("DIALOGEX resources are not supported"), std::string::npos) << r.output;
  r = compile("1 RCDATA \"data.bin\"\n1 RCDATA \"data.bin\"\n");
  EXPECT_NE(r.output.find("test.rc:2: error: duplicate resource"), std::string::npos) << r.output;
  r = compile("#pragma code_page(1252)\n");
  EXPECT_NE(r.output.find("only UTF-8"), std::string::npos) << r.output;
  r = compile("#ifdef X\n");
  EXPECT_NE(r.output.find("missing #endif"), std::string::npos) << r.output;
  r = compile("#if 1\n#endif\n");
  EXPECT_NE(r.output.find("unsupported preprocessor directive #if"), std::string::npos) << r.output;
  r = compile("#define A A\nSTRINGTABLE BEGIN A \"x\" END\n");
  EXPECT_NE(r.output.find("undefined name 'A'"), std::string::npos) << r.output;
  r = compile("1 VERSIONINFO FILEVERSION 70000,0,0,0 BEGIN END\n");
  EXPECT_NE(r.output.find("version number part out of range"), std::string::npos) << r.output;
  r = compile("1 VERSIONINFO BEGIN VALUE \"x\", 1, \"a\" END\n");
  EXPECT_NE(r.output.find("mixes text and numbers"), std::string::npos) << r.output;
  std::string doubling = "#define M0 1\n";
  for (int i = 1; i <= 24; ++i) doubling += "#define M" + std::to_string(i) + " M" + std::to_string(i - 1) + " M" + std::to_string(i - 1) + "\n";
  r = compile(doubling + "STRINGTABLE BEGIN M24 \"x\" END\n");
  EXPECT_NE(r.output.find("is too long"), std::string::npos) << r.output;
  r = compile("#include \"test.rc\"\n");
  EXPECT_NE(r.output.find("nested too deeply"), std::string::npos) << r.output;
  r = compile("/* never closed\n");
  EXPECT_NE(r.output.find("unterminated comment"), std::string::npos) << r.output;
}
