#include "host/ModuleStrings.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "QuillviewTestSupport.h"

namespace {

TEST(ModuleStrings, KeepEscapesAndSpacesOfTheSimplifiedChineseStringTable) {
  EXPECT_EQ(ModuleString(IDS_LINE_FEED), u"\n");
  EXPECT_EQ(ModuleString(IDS_SPACE), u" ");
  EXPECT_EQ(ModuleString(IDS_FMT_HEADER), u"<h4>%s</h4>\n图层: %s, 线型: %s, 颜色: %s");
  EXPECT_EQ(ModuleString(IDS_FMT_AREA_ACRES_SQFT), u"  面积: %.*f Ac. (%.*f Sq. ft.)");
  EXPECT_EQ(ModuleString(IDS_FMT_SHADOWS), u" %s 渐变");
  EXPECT_EQ(ModuleString(static_cast<StringId>(60000)), u"");
  HMODULE module = LoadLibraryW(ModulePath("quillview.arx").c_str());
  ASSERT_NE(module, nullptr);
  WORD chinese = MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED);
  EXPECT_NE(FindResourceExW(module, RT_STRING, MAKEINTRESOURCEW(IDS_FMT_HEADER / 16 + 1), chinese), nullptr);
  FreeLibrary(module);
}

TEST(ModuleStrings, ModuleWithoutTheTableChangesNothing) {
  HMODULE other = LoadLibraryW(ModulePath("QvTestAecWall.arx").c_str());
  ASSERT_NE(other, nullptr);
  EXPECT_FALSE(LoadModuleStrings(other));
  FreeLibrary(other);
  EXPECT_EQ(ModuleString(IDS_LINE_FEED), u"\n");
}

}  // namespace
