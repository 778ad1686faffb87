// ChooseFontW, CommDlgExtendedError with the dialog answer source.
#include "user_test_support.h"

using namespace usertest;

namespace {

class ChooseFont : public UserTest {
 protected:
  void SetUp() override {
    UserTest::SetUp();
    owner = Popup({0, 0, 400, 300});
    view = Child(owner, {0, 0, 100, 100});
    SetFocus(view);
    cf.lStructSize = sizeof cf;
    cf.hwndOwner = owner;
    cf.lpLogFont = &font;
    cf.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT;
    font.lfUnderline = 1;
    font.lfCharSet = 134;
  }
  void Answer(std::optional<std::u16string> text) {
    win32sim::SetDialogAnswerSource([this, text] {
      dialogWhileOpen = GetActiveWindow();
      ownerEnabledWhileOpen = IsWindowEnabled(owner);
      return text;
    });
  }
  HWND owner = nullptr;
  HWND view = nullptr;
  LOGFONTW font{};
  CHOOSEFONTW cf{};
  HWND dialogWhileOpen = nullptr;
  BOOL ownerEnabledWhileOpen = TRUE;
};

HWND cbtDialog;
HWND cbtPrevious;
LRESULT CALLBACK SeeActivation(int code, WPARAM w, LPARAM l) {
  if (code == HCBT_ACTIVATE && !cbtDialog) {
    cbtDialog = reinterpret_cast<HWND>(w);
    cbtPrevious = reinterpret_cast<CBTACTIVATESTRUCT*>(l)->hWndActive;
  }
  return CallNextHookEx(nullptr, code, w, l);
}

}  // namespace

TEST_F(ChooseFont, AnswerFillsTheLogFont) {
  Answer(u"Arial,-16,700,1");
  EXPECT_TRUE(ChooseFontW(&cf));
  EXPECT_EQ(std::u16string(font.lfFaceName), u"Arial");
  EXPECT_EQ(font.lfHeight, -16);
  EXPECT_EQ(font.lfWeight, 700);
  EXPECT_EQ(font.lfItalic, 1);
  EXPECT_EQ(font.lfUnderline, 1);  // CF_INITTOLOGFONTSTRUCT keeps what was not chosen
  EXPECT_EQ(font.lfCharSet, 134);
  EXPECT_EQ(cf.iPointSize, 120);
  EXPECT_EQ(CommDlgExtendedError(), 0u);
}

TEST_F(ChooseFont, WeightAndItalicDefault) {
  Answer(u"Courier New,-20");
  EXPECT_TRUE(ChooseFontW(&cf));
  EXPECT_EQ(font.lfWeight, FW_NORMAL);
  EXPECT_EQ(font.lfItalic, 0);
  EXPECT_EQ(cf.iPointSize, 150);
}

TEST_F(ChooseFont, ModalWhileOpenThenFocusComesBack) {
  cbtDialog = cbtPrevious = nullptr;
  SetWindowsHookExW(WH_CBT, SeeActivation, nullptr, GetCurrentThreadId());
  Answer(u"Arial,-12");
  ChooseFontW(&cf);
  EXPECT_FALSE(ownerEnabledWhileOpen);
  EXPECT_NE(dialogWhileOpen, owner);
  EXPECT_EQ(cbtDialog, dialogWhileOpen);
  EXPECT_EQ(cbtPrevious, owner);
  EXPECT_EQ(GetWindow(dialogWhileOpen, GW_OWNER), nullptr);  // destroyed by now
  EXPECT_FALSE(IsWindow(dialogWhileOpen));
  EXPECT_TRUE(IsWindowEnabled(owner));
  EXPECT_EQ(GetActiveWindow(), owner);
  EXPECT_EQ(GetFocus(), view);
}

TEST_F(ChooseFont, CancelAndNoAnswer) {
  Answer(u"*Cancel*");
  EXPECT_FALSE(ChooseFontW(&cf));
  EXPECT_EQ(CommDlgExtendedError(), 0u);
  Answer(std::nullopt);
  EXPECT_FALSE(ChooseFontW(&cf));
  win32sim::SetDialogAnswerSource(nullptr);
  EXPECT_FALSE(ChooseFontW(&cf));
  EXPECT_EQ(std::u16string(font.lfFaceName), u"");
  EXPECT_EQ(GetFocus(), view);
}

TEST_F(ChooseFont, MalformedAnswersCancel) {
  for (const char16_t* bad : {u"Arial", u"Arial,big", u"Arial,0", u",-12", u"Arial,-12,50", u"Arial,-12,400,2",
                              u"Arial,-12,400,0,9"}) {
    Answer(bad);
    EXPECT_FALSE(ChooseFontW(&cf));
  }
  EXPECT_EQ(CommDlgExtendedError(), 0u);
  EXPECT_TRUE(IsWindowEnabled(owner));
}

TEST_F(ChooseFont, StructSizeIsChecked) {
  Answer(u"Arial,-12");
  cf.lStructSize = sizeof cf - 4;
  EXPECT_FALSE(ChooseFontW(&cf));
  EXPECT_EQ(CommDlgExtendedError(), static_cast<DWORD>(CDERR_STRUCTSIZE));
}
