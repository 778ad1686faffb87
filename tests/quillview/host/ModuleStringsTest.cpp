#include "host/ModuleStrings.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <utility>

#include "QuillviewTestSupport.h"

namespace {

TEST(ModuleStrings, HoldTheTextsOfTheStringTable) {
  const std::pair<StringId, const char16_t*> expected[] = {
      {IDS_SYSVAR_ANGBASE, u"ANGBASE"},
      {IDS_SYSVAR_LUPREC, u"LUPREC"},
      {IDS_SYSVAR_LUNITS, u"LUNITS"},
      {IDS_SYSVAR_AUNITS, u"AUNITS"},
      {IDS_COLOR_BYBLOCK, u"随块"},
      {IDS_COLOR_BYLAYER, u"随层"},
      {IDS_COLOR_RED, u"红色"},
      {IDS_COLOR_YELLOW, u"黄色"},
      {IDS_COLOR_GREEN, u"绿色"},
      {IDS_COLOR_CYAN, u"青色"},
      {IDS_COLOR_BLUE, u"蓝色"},
      {IDS_COLOR_MAGENTA, u"紫色"},
      {IDS_COLOR_WHITE, u"白色"},
      {IDS_LINETYPE_CONTINUOUS, u"连续"},
      {IDS_LINETYPE_BYLAYER, u"随层"},
      {IDS_LINETYPE_BYBLOCK, u"随块"},
      {IDS_LINEWEIGHT_DEFAULT, u"默认"},
      {IDS_LINEWEIGHT_BYLAYER, u"随层"},
      {IDS_LINEWEIGHT_BYBLOCK, u"随块"},
      {IDS_ITEM_SEPARATOR, u","},
      {IDS_SHADOW_SEPARATOR, u"/"},
      {IDS_LAYER_COLOR_SPACE, u" "},
      {IDS_LINE_FEED, u"\n"},
      {IDS_ELLIPSIS, u"..."},
      {IDS_OPEN_PAREN, u"("},
      {IDS_CLOSE_PAREN, u")"},
      {IDS_FMT_HEADER, u"<h4>%s</h4>\n图层: %s, 线型: %s, 颜色: %s"},
      {IDS_FMT_AREA_ACRES_SQFT, u"  面积: %.*f Ac. (%.*f Sq. ft.)"},
      {IDS_FMT_AREA_SQFT_SQIN, u"  面积: %.*f Sq. ft. (%.*f Sq. in.)"},
      {IDS_FMT_AREA, u"  面积: %.*f"},
      {IDS_FMT_AREA_ACRES, u" (%.*f Ac.)"},
      {IDS_FMT_HYPERLINK, u"附加超级链接: %s"},
      {IDS_FMT_LINEWEIGHT, u"  线宽: %s"},
      {IDS_FMT_PLOT_STYLE, u"  打印样式: %s"},
      {IDS_FMT_TEXT_NOTE, u"注释: %s"},
      {IDS_FMT_MATERIAL, u"材质: %s"},
      {IDS_SHADOW_CASTS, u"造型"},
      {IDS_SHADOW_RECEIVES, u"接收"},
      {IDS_FMT_SHADOWS, u" %s 渐变"},
  };
  for (const auto& [id, text] : expected) EXPECT_EQ(ModuleString(id), text) << "string " << id;
}

TEST(ModuleStrings, UnknownIdIsEmpty) { EXPECT_EQ(ModuleString(static_cast<StringId>(60000)), u""); }

TEST(ModuleStrings, ModuleWithoutTheTableChangesNothing) {
  HMODULE other = LoadLibraryW(ModulePath("QvTestAecWall.arx").c_str());
  ASSERT_NE(other, nullptr);
  EXPECT_FALSE(LoadModuleStrings(other));
  FreeLibrary(other);
  EXPECT_EQ(ModuleString(IDS_LINE_FEED), u"\n");
}

}  // namespace
