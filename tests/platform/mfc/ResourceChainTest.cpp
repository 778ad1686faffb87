// The current resource module, the extension-library chain and CString's resource loading.
#include <AcExtensionModule.h>
#include <afxdllx.h>
#include <qvwide.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace {

class ResourceChainTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::u16string path = Utf8ToWide(QV_BIN_DIR) + u"/qvmfcstrings.dll";
    module = LoadLibraryW(path.c_str());
    ASSERT_NE(module, nullptr);
  }
  void TearDown() override {
    AfxSetResourceHandle(AfxGetInstanceHandle());
    FreeLibrary(module);
  }
  HMODULE module = nullptr;
};

TEST_F(ResourceChainTest, TheExecutableIsCurrentUntilAModuleMakesItselfCurrent) {
  EXPECT_EQ(AfxGetInstanceHandle(), GetModuleHandleW(nullptr));
  EXPECT_EQ(AfxGetResourceHandle(), GetModuleHandleW(nullptr));
  AfxSetResourceHandle(module);
  EXPECT_EQ(AfxGetResourceHandle(), module);
}

TEST_F(ResourceChainTest, TheOverrideRestoresThePreviousSourceOnEveryWayOut) {
  {
    CAcModuleResourceOverride resources(module);
    EXPECT_EQ(AfxGetResourceHandle(), module);
  }
  EXPECT_EQ(AfxGetResourceHandle(), GetModuleHandleW(nullptr));
  try {
    CAcModuleResourceOverride resources(module);
    throw std::runtime_error("leaves the scope early");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(AfxGetResourceHandle(), GetModuleHandleW(nullptr));
}

TEST_F(ResourceChainTest, LoadStringReadsTheCurrentModuleAndOnlyThenTheChain) {
  CString text(u"stale");
  EXPECT_FALSE(text.LoadString(1));
  EXPECT_TRUE(text.IsEmpty());

  AFX_EXTENSION_MODULE state = {FALSE, nullptr, nullptr};
  EXPECT_TRUE(AfxInitExtensionModule(state, module));
  EXPECT_TRUE(AfxInitExtensionModule(state, module));
  new CDynLinkLibrary(state);
  EXPECT_EQ(AfxFindStringResourceHandle(2), module);
  EXPECT_TRUE(text.LoadString(2));
  EXPECT_EQ(std::u16string(text), u"二 %s %d");
  EXPECT_FALSE(text.LoadString(3));

  AfxTermExtensionModule(state);
  EXPECT_EQ(AfxFindStringResourceHandle(2), nullptr);
  AfxSetResourceHandle(module);
  EXPECT_TRUE(text.LoadString(1));
  EXPECT_EQ(std::u16string(text), u"one");
}

TEST(CStringTest, FormatsWithWideConventionsAndCutsWithinBounds) {
  CString text;
  text.Format(u"%s=%d", u"宽", 42);
  EXPECT_EQ(std::u16string(text), u"宽=42");
  EXPECT_EQ(text.GetLength(), 4);
  EXPECT_EQ(text.ReverseFind(u'='), 1);
  EXPECT_EQ(text.ReverseFind(u'#'), -1);
  EXPECT_EQ(std::u16string(text.Mid(2)), u"42");
  EXPECT_TRUE(text.Mid(10).IsEmpty());
  EXPECT_TRUE(text.Mid(-3) == text);
  EXPECT_EQ(std::u16string(text.Left(1)), u"宽");
  EXPECT_TRUE(text.Left(-1).IsEmpty());
  EXPECT_EQ(std::u16string(text.Left(99)), u"宽=42");
  EXPECT_EQ(std::u16string(u'-' + text + u"!"), u"-宽=42!");
  EXPECT_TRUE(CString(nullptr).IsEmpty());
}

}  // namespace
