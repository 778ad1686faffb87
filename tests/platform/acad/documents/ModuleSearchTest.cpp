#include <arxHeaders.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>

#include "DocumentTestSupport.h"

namespace {

namespace fs = std::filesystem;

class LoadedPathReactor : public AcRxDLinkerReactor {
 public:
  void rxAppLoaded(const ACHAR* moduleName) override { path = moduleName; }
  std::u16string path;
};

// Each test sets the current folder and ACAD as it needs; both are put back afterwards.
class ModuleSearch : public HostTest {
 protected:
  void SetUp() override {
    m_folder = fs::current_path();
    if (const char* acad = std::getenv("ACAD")) m_acad = acad;
    unsetenv("ACAD");
    acrxDynamicLinker->addReactor(&reactor);
  }
  void TearDown() override {
    acrxDynamicLinker->removeReactor(&reactor);
    HostTest::TearDown();
    fs::current_path(m_folder);
    if (m_acad) setenv("ACAD", m_acad->c_str(), 1);
    else unsetenv("ACAD");
  }
  static std::u16string place(const ScratchFolder& folder, const std::string& name) {
    fs::copy_file(WideToUtf8(InBin("doc_test_search.arx")), folder.path() / name, fs::copy_options::overwrite_existing);
    return folder.file(name);
  }
  std::u16string loaded(const char16_t* name) {
    reactor.path.clear();
    return acrxDynamicLinker->loadModule(name, true) ? reactor.path : u"<not loaded>";
  }

  LoadedPathReactor reactor;
  ScratchFolder drawings{"search-drawings"};
  ScratchFolder current{"search-current"};
  ScratchFolder support{"search-support"};
  ScratchFolder moreSupport{"search-more-support"};

 private:
  fs::path m_folder;
  std::optional<std::string> m_acad;
};

}  // namespace

TEST_F(ModuleSearch, ABareNameIsFoundInTheHostsFolder) {
  EXPECT_EQ(loaded(u"doc_test_search.arx"), InBin("doc_test_search.arx"));
}

TEST_F(ModuleSearch, ABareNameIsFoundWithoutRegardToCase) {
  EXPECT_EQ(loaded(u"DOC_Test_Search.ARX"), InBin("doc_test_search.arx"));
}

TEST_F(ModuleSearch, TheCurrentFolderComesBeforeTheHostsFolder) {
  const std::u16string inCurrent = place(current, "doc_test_search.arx");
  fs::current_path(current.path());
  EXPECT_EQ(loaded(u"doc_test_search.arx"), inCurrent);
}

TEST_F(ModuleSearch, TheCurrentDrawingsFolderComesFirst) {
  const std::u16string inDrawings = place(drawings, "doc_test_search.arx");
  place(current, "doc_test_search.arx");
  fs::current_path(current.path());
  open(WriteEmptyDrawing(drawings, "plan.dxf"));
  EXPECT_EQ(loaded(u"doc_test_search.arx"), inDrawings);
}

TEST_F(ModuleSearch, ADrawingNeverSavedHasNoFolderToSearch) {
  place(drawings, "doc_test_search.arx");
  acadsim::NewDocument();
  EXPECT_EQ(loaded(u"doc_test_search.arx"), InBin("doc_test_search.arx"));
}

TEST_F(ModuleSearch, TheFoldersOfACADComeLastInTheirOrder) {
  const std::u16string inMore = place(moreSupport, "doc_search_support.arx");
  const std::string acad = ";" + (drawings.path() / "missing").string() + ";;" + support.path().string() + ";" +
                           moreSupport.path().string() + ";";
  setenv("ACAD", acad.c_str(), 1);
  EXPECT_EQ(loaded(u"doc_search_support.arx"), inMore);
  ASSERT_TRUE(acrxUnloadModule(u"doc_search_support.arx"));
  const std::u16string inSupport = place(support, "doc_search_support.arx");
  EXPECT_EQ(loaded(u"doc_search_support.arx"), inSupport);
}

TEST_F(ModuleSearch, TheHostsFolderComesBeforeACAD) {
  place(support, "doc_test_search.arx");
  setenv("ACAD", support.path().string().c_str(), 1);
  EXPECT_EQ(loaded(u"doc_test_search.arx"), InBin("doc_test_search.arx"));
}

TEST_F(ModuleSearch, ANameWithAFolderIsTakenAsGivenRelativeToTheCurrentFolder) {
  fs::create_directories(current.path() / "sub");
  const std::u16string inSub = place(current, "sub/doc_test_search.arx");
  fs::current_path(current.path());
  EXPECT_EQ(loaded(u"sub/doc_test_search.arx"), inSub);
  acadsim::UnloadAllModules();
  commandLine.clear();
  EXPECT_EQ(loaded(u"other/doc_test_search.arx"), u"<not loaded>");
  EXPECT_EQ(commandLine.text(),
            u"\nAcRxDynamicLinker failed to load 'other/doc_test_search.arx': file not found\n");
}

TEST_F(ModuleSearch, ANameFoundNowhereIsReported) {
  setenv("ACAD", support.path().string().c_str(), 1);
  EXPECT_EQ(loaded(u"doc_nowhere.arx"), u"<not loaded>");
  EXPECT_EQ(commandLine.text(), u"\nAcRxDynamicLinker failed to load 'doc_nowhere.arx': file not found\n");
}
