// What the document and module tests share: paths of the test modules, scratch folders, a small drawing, and a
// fixture that leaves the host as it found it.
#pragma once
#include <acadsim/AppMessages.h>
#include <acadsim/Documents.h>
#include <acadsim/SystemVariables.h>
#include <acedads.h>
#include <acutads.h>
#include <gtest/gtest.h>
#include <qvwide.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "../rx/cases/CommandLineCapture.h"

inline std::u16string InBin(const char* fileName) { return Utf8ToWide(std::string(QV_BIN_DIR) + "/" + fileName); }

// A folder of its own under the test's temporary folder (one per process, as ctest runs tests side by side),
// removed with everything in it.
class ScratchFolder {
 public:
  explicit ScratchFolder(const std::string& name)
      : m_path(std::filesystem::path(testing::TempDir()) / ("acadsim-documents-" + name + "-" + std::to_string(getpid()))) {
    std::filesystem::remove_all(m_path);
    std::filesystem::create_directories(m_path);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::filesystem::path& path() const { return m_path; }
  std::u16string file(const std::string& name) const { return Utf8ToWide((m_path / name).string()); }

 private:
  std::filesystem::path m_path;
};

// The smallest drawing the reader takes: no header, no tables, no entities.
inline std::u16string WriteEmptyDrawing(const ScratchFolder& folder, const std::string& name) {
  std::ofstream(folder.path() / name) << "  0\nSECTION\n  2\nENTITIES\n  0\nENDSEC\n  0\nEOF\n";
  return folder.file(name);
}

inline std::u16string StringVariable(const char16_t* name) {
  resbuf value{};
  if (acedGetVar(name, &value) != RTNORM || value.restype != RTSTR) return u"<none>";
  std::u16string text = value.resval.rstring;
  acutDelString(value.resval.rstring);
  return text;
}

class HostTest : public testing::Test {
 protected:
  void TearDown() override {
    acadsim::UnloadAllModules();
    acadsim::CloseAllDocuments();
    acadsim::resetSessionSystemVariables();
  }
  AcApDocument* open(const std::u16string& path) {
    std::u16string error;
    AcApDocument* doc = acadsim::OpenDocument(path, error);
    EXPECT_NE(doc, nullptr) << WideToUtf8(error);
    return doc;
  }
  CommandLineCapture commandLine;
};
