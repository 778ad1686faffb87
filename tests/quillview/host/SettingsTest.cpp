// The application object's settings: what the setters write, and what LoadSettings makes of stored values.
#include <rxregsvc.h>
#include <qvuser.h>
#include <wingdi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <string>

#include "host/QuillviewApp.h"
#include "host/registry/RegistryTestSupport.h"
#include "hover/Scope.h"

namespace {

constexpr const WCHAR* kSettings = u"Software\\Tessaray\\Quillview\\3.0\\Settings";

class SettingsTest : public RegistryTest {
 protected:
  std::optional<DWORD> Stored(const WCHAR* name) { return ReadDWord(HKEY_CURRENT_USER, kSettings, name); }
  std::u16string DemandLoadKey() const { return app.AcadAppKeyPath(); }

  CQuillviewApp app;
};

TEST_F(SettingsTest, FirstRunWritesEverySettingButTheIntervalAndTheFontValues) {
  app.LoadSettings();
  EXPECT_EQ(Stored(u"Enabled"), 1u);
  EXPECT_EQ(Stored(u"ShowButton"), 1u);
  EXPECT_EQ(Stored(u"ButtonPosition"), 0xFFFFFFFFu);
  EXPECT_EQ(Stored(u"Invasive"), 1u);
  EXPECT_EQ(Stored(u"DefaultShowNested"), 0u);
  EXPECT_EQ(Stored(u"AutoLoad"), 1u);
  EXPECT_EQ(Stored(u"TimerInterval"), std::nullopt);
  EXPECT_EQ(app.TimerInterval(), 500u);
  EXPECT_EQ(ReadText(HKEY_CURRENT_USER, kSettings, u"FontTypeface"), u"Arial");
  EXPECT_EQ(Stored(u"FontHeight"), static_cast<DWORD>(-12));
  EXPECT_EQ(Stored(u"FontWeight"), 400u);
  EXPECT_EQ(Stored(u"FontItalic"), 0u);
  EXPECT_EQ(Stored(u"FontFamily"), 34u);
  EXPECT_EQ(Stored(u"CharacterSet"), std::nullopt);
}

TEST_F(SettingsTest, StoredFlagsFollowTheirOwnReadingRules) {
  PutDWord(HKEY_CURRENT_USER, kSettings, u"DefaultShowNested", 2);
  PutDWord(HKEY_CURRENT_USER, kSettings, u"Enabled", 2);
  PutDWord(HKEY_CURRENT_USER, kSettings, u"Invasive", 0);
  PutDWord(HKEY_CURRENT_USER, kSettings, u"AutoLoad", 0xFFFFFFFF);
  PutDWord(HKEY_CURRENT_USER, kSettings, u"TimerInterval", 0xFFFFFFFF);
  PutText(HKEY_CURRENT_USER, kSettings, u"ButtonPosition", u"12");
  app.LoadSettings();
  EXPECT_FALSE(app.DefaultShowNested());
  EXPECT_TRUE(app.Enabled());
  EXPECT_FALSE(app.Invasive());
  EXPECT_TRUE(app.AutoLoad());
  EXPECT_EQ(app.TimerInterval(), 500u);
  EXPECT_EQ(app.ButtonPosition(), -1);
  EXPECT_EQ(Stored(u"Enabled"), 1u);
  EXPECT_EQ(Stored(u"ButtonPosition"), 0xFFFFFFFFu);
}

TEST_F(SettingsTest, AStoredIntervalIsTakenAsIsAndOnlyWrittenWhenSet) {
  PutDWord(HKEY_CURRENT_USER, kSettings, u"TimerInterval", 40000);
  app.LoadSettings();
  EXPECT_EQ(app.TimerInterval(), 40000u);
  EXPECT_EQ(app.SetTimerInterval(0), 40000u);
  EXPECT_EQ(Stored(u"TimerInterval"), 0u);
}

TEST_F(SettingsTest, SettersReturnThePreviousValueAndWriteAtOnce) {
  EXPECT_TRUE(app.SetEnabled(false));
  EXPECT_EQ(Stored(u"Enabled"), 0u);
  EXPECT_FALSE(app.SetEnabled(true));
  EXPECT_TRUE(app.SetInvasive(false));
  EXPECT_EQ(Stored(u"Invasive"), 0u);
  EXPECT_FALSE(app.SetDefaultShowNested(true));
  EXPECT_EQ(Stored(u"DefaultShowNested"), 1u);
  EXPECT_TRUE(app.SetShowButton(false));
  EXPECT_EQ(Stored(u"ShowButton"), 0u);
}

TEST_F(SettingsTest, ANegativeButtonPositionIsKeptButStoredAsMinusOne) {
  EXPECT_EQ(app.SetButtonPosition(-5), -1);
  EXPECT_EQ(app.ButtonPosition(), -5);
  EXPECT_EQ(Stored(u"ButtonPosition"), 0xFFFFFFFFu);
  app.SetButtonPosition(3);
  EXPECT_EQ(Stored(u"ButtonPosition"), 3u);
}

TEST_F(SettingsTest, FontValuesFallBackOneByOneAndTheCharacterSetSurvives) {
  PutText(HKEY_CURRENT_USER, kSettings, u"FontTypeface", u"");
  PutDWord(HKEY_CURRENT_USER, kSettings, u"FontWeight", 700);
  PutDWord(HKEY_CURRENT_USER, kSettings, u"FontItalic", 1);
  PutDWord(HKEY_CURRENT_USER, kSettings, u"CharacterSet", 0x186);
  app.LoadSettings();
  win32sim::PumpMessages();  // the font reaches the scope window as a posted WM_SETFONT
  LOGFONTW font{};
  app.Scope().GetMainFont(font);
  EXPECT_EQ(std::u16string(font.lfFaceName), u"Arial");
  EXPECT_EQ(font.lfHeight, -12);
  EXPECT_EQ(font.lfWeight, 700);
  EXPECT_EQ(font.lfItalic, 1);
  EXPECT_EQ(font.lfCharSet, 0x86);
  EXPECT_EQ(font.lfPitchAndFamily, 34);
  EXPECT_EQ(Stored(u"CharacterSet"), 0x186u);
}

TEST_F(SettingsTest, LongFaceNamesNeverOverflowTheFontRecord) {
  PutText(HKEY_CURRENT_USER, kSettings, u"FontTypeface", std::u16string(1000, u'W'));
  LOGFONTW font{};
  app.LoadFont(font);
  EXPECT_EQ(std::u16string(font.lfFaceName), u"Arial");

  PutText(HKEY_CURRENT_USER, kSettings, u"FontTypeface", std::u16string(30, u'x') + u"\U0001F600" + u"tail");
  app.LoadFont(font);
  EXPECT_EQ(std::u16string(font.lfFaceName), std::u16string(30, u'x'));

  PutText(HKEY_CURRENT_USER, kSettings, u"FontTypeface", std::u16string(100, u'y'));
  app.LoadFont(font);
  EXPECT_EQ(std::u16string(font.lfFaceName), std::u16string(31, u'y'));
}

TEST_F(SettingsTest, AFaceNameThatFillsItsFieldIsStoredWithoutReadingPastIt) {
  struct FontAndNeighbour {
    LOGFONTW font{};
    WCHAR after[4] = {u'Z', u'Z', u'Z', 0};
  } record;
  static_assert(offsetof(FontAndNeighbour, after) == sizeof(LOGFONTW));
  std::fill(std::begin(record.font.lfFaceName), std::end(record.font.lfFaceName), u'x');
  app.SaveFont(record.font);
  win32sim::PumpMessages();  // the font reaches the scope window as a posted WM_SETFONT
  EXPECT_EQ(ReadText(HKEY_CURRENT_USER, kSettings, u"FontTypeface"), std::u16string(LF_FACESIZE - 1, u'x'));
  LOGFONTW applied{};
  app.Scope().GetMainFont(applied);
  EXPECT_EQ(std::u16string(applied.lfFaceName), std::u16string(LF_FACESIZE - 1, u'x'));

  std::fill(std::begin(record.font.lfFaceName), std::end(record.font.lfFaceName), u'y');
  record.font.lfFaceName[LF_FACESIZE - 2] = 0;
  app.SaveFont(record.font);
  EXPECT_EQ(ReadText(HKEY_CURRENT_USER, kSettings, u"FontTypeface"), std::u16string(LF_FACESIZE - 2, u'y'));
}

TEST_F(SettingsTest, TheFontTheScopeUsesFillsWhatIsNotStored) {
  LOGFONTW scopeFont{};
  scopeFont.lfWidth = 7;
  scopeFont.lfQuality = 5;
  app.Scope().SetMainFont(scopeFont);
  win32sim::PumpMessages();  // the font reaches the scope window as a posted WM_SETFONT
  PutText(HKEY_CURRENT_USER, kSettings, u"FontTypeface", u"宋体");
  LOGFONTW font{};
  app.LoadFont(font);
  EXPECT_EQ(font.lfWidth, 7);
  EXPECT_EQ(font.lfQuality, 5);
  EXPECT_EQ(std::u16string(font.lfFaceName), u"宋体");
  font.lfHeight = -20;
  app.SaveFont(font);
  EXPECT_EQ(Stored(u"FontHeight"), static_cast<DWORD>(-20));
  EXPECT_EQ(ReadText(HKEY_CURRENT_USER, kSettings, u"FontTypeface"), u"宋体");
}

TEST_F(SettingsTest, AutoLoadKeepsTheStartupFlagOfTheDemandLoadKeyInStep) {
  PutDWord(HKEY_CURRENT_USER, DemandLoadKey().c_str(), u"LoadCtrls", 14);
  app.SetAutoLoad(false);
  EXPECT_EQ(Stored(u"AutoLoad"), 0u);
  EXPECT_EQ(ReadDWord(HKEY_CURRENT_USER, DemandLoadKey().c_str(), u"LoadCtrls"), 12u);
  app.SetAutoLoad(true);
  EXPECT_EQ(ReadDWord(HKEY_CURRENT_USER, DemandLoadKey().c_str(), u"LoadCtrls"), 14u);
}

TEST_F(SettingsTest, AStartupFlagOnlyUnderTheMachineIsReadThereAndWrittenForTheUser) {
  PutDWord(HKEY_LOCAL_MACHINE, DemandLoadKey().c_str(), u"LoadCtrls", 4);
  app.SetAutoLoad(true);
  EXPECT_EQ(ReadDWord(HKEY_CURRENT_USER, DemandLoadKey().c_str(), u"LoadCtrls"), 6u);
  EXPECT_EQ(ReadDWord(HKEY_LOCAL_MACHINE, DemandLoadKey().c_str(), u"LoadCtrls"), 4u);
}

TEST_F(SettingsTest, TheDemandLoadKeyPathIsTheProductKeysApplicationsEntry) {
  EXPECT_EQ(DemandLoadKey(), std::u16string(acrxProductKey()) + u"\\Applications\\Quillview");
}

}  // namespace
