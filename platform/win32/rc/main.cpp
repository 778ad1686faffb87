// qvrc: compiles a Windows resource script into a C++ source that embeds the resources in a module.
// Usage: qvrc [-I dir]... -o out.cpp [--depfile out.d] script.rc
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "rc_lexer.h"
#include "rc_parser.h"
#include "resource_writer.h"

namespace fs = std::filesystem;

namespace {

std::string depfileEscape(const std::string& path) {
  std::string out;
  for (char c : path) {
    if (c == ' ' || c == '#' || c == '\\') out += '\\';
    if (c == '$') out += '$';
    out += c;
  }
  return out;
}

// Writes to a temporary file first, so a failed run never leaves half an output behind.
bool writeFile(const fs::path& path, const std::string& text) {
  fs::path temp = path;
  temp += ".tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out || !(out << text) || !out.flush()) return false;
  }
  std::error_code ec;
  fs::rename(temp, path, ec);
  return !ec;
}

int usage() {
  std::cerr << "usage: qvrc [-I dir]... -o out.cpp [--depfile out.d] script.rc\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<fs::path> includeDirs;
  fs::path output, depfile, script;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "-I" && i + 1 < argc) includeDirs.emplace_back(argv[++i]);
    else if (arg.rfind("-I", 0) == 0 && arg.size() > 2) includeDirs.emplace_back(arg.substr(2));
    else if (arg == "-o" && i + 1 < argc) output = argv[++i];
    else if (arg == "--depfile" && i + 1 < argc) depfile = argv[++i];
    else if (!arg.empty() && arg[0] != '-' && script.empty()) script = arg;
    else return usage();
  }
  if (output.empty() || script.empty()) return usage();
  try {
    RcLexer lexer(script, includeDirs);
    RcParser parser(lexer);
    std::vector<Resource> resources = parser.parse();
    std::string source = EmitResourceSource(SerializeResources(resources), script.filename().string());
    if (!writeFile(output, source)) {
      std::cerr << output.string() << ": error: cannot write\n";
      return 1;
    }
    if (!depfile.empty()) {
      std::string deps = depfileEscape(output.string()) + ":";
      for (const fs::path& p : lexer.filesRead()) deps += " " + depfileEscape(fs::absolute(p).string());
      for (const fs::path& p : parser.dataFiles()) deps += " " + depfileEscape(fs::absolute(p).string());
      if (!writeFile(depfile, deps + "\n")) {
        std::cerr << depfile.string() << ": error: cannot write\n";
        return 1;
      }
    }
  } catch (const RcError& e) {
    std::cerr << e.what() << "\n";
    return 1;
  } catch (const std::exception& e) {
    std::cerr << script.string() << ": error: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
