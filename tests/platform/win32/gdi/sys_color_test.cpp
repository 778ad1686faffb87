// GetSysColor, GetSysColorBrush: the Windows XP default (Luna blue) colours.
#include <gtest/gtest.h>

#include <windows.h>

TEST(GetSysColor, TooltipColours) {
  EXPECT_EQ(GetSysColor(COLOR_INFOBK), RGB(255, 255, 225));
  EXPECT_EQ(GetSysColor(COLOR_INFOTEXT), RGB(0, 0, 0));
}

TEST(GetSysColor, ThreeDimensionalColours) {
  EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RGB(236, 233, 216));
  EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), RGB(172, 168, 153));
  EXPECT_EQ(GetSysColor(COLOR_BTNHIGHLIGHT), RGB(255, 255, 255));
  EXPECT_EQ(GetSysColor(COLOR_3DDKSHADOW), RGB(113, 111, 100));
  EXPECT_EQ(GetSysColor(COLOR_3DLIGHT), RGB(241, 239, 226));
  EXPECT_EQ(GetSysColor(COLOR_GRAYTEXT), RGB(172, 168, 153));
}

TEST(GetSysColor, WindowAndSelectionColours) {
  EXPECT_EQ(GetSysColor(COLOR_WINDOW), RGB(255, 255, 255));
  EXPECT_EQ(GetSysColor(COLOR_WINDOWTEXT), RGB(0, 0, 0));
  EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT), RGB(49, 106, 197));
  EXPECT_EQ(GetSysColor(COLOR_HOTLIGHT), RGB(0, 0, 128));
  EXPECT_EQ(GetSysColor(COLOR_ACTIVECAPTION), RGB(0, 84, 227));
  EXPECT_EQ(GetSysColor(COLOR_BACKGROUND), RGB(0, 78, 152));
  EXPECT_EQ(GetSysColor(COLOR_MENUBAR), RGB(236, 233, 216));
}

TEST(GetSysColor, OutOfRangeIsBlack) { EXPECT_EQ(GetSysColor(99), 0u); }

TEST(GetSysColorBrush, IsASolidBrushOfTheColourThatCannotBeDeleted) {
  HBRUSH brush = GetSysColorBrush(COLOR_INFOBK);
  LOGBRUSH lb{};
  EXPECT_EQ(GetObjectW(brush, sizeof lb, &lb), static_cast<int>(sizeof(LOGBRUSH)));
  EXPECT_EQ(lb.lbStyle, static_cast<UINT>(BS_SOLID));
  EXPECT_EQ(lb.lbColor, RGB(255, 255, 225));
  EXPECT_EQ(GetSysColorBrush(COLOR_INFOBK), brush);
  DeleteObject(brush);
  EXPECT_EQ(GetObjectType(brush), static_cast<DWORD>(OBJ_BRUSH));
  EXPECT_EQ(GetSysColorBrush(99), nullptr);
}
