// The scope window: its class and styles, the display timer, showing beside the cursor, fonts, and the
// mouse passed on to its owner.
#include "hover/Scope.h"

#include <acedads.h>
#include <qvuser.h>

#include <vector>

#include "HoverTestSupport.h"
#include "host/QuillviewApp.h"
#include "html/HtmlDrawer.h"
#include "hover/InputHooks.h"
#include "hover/ScopePainting.h"
#include "hover/ScopeWindowClass.h"

namespace {

struct OwnerMessage {
  UINT message;
  WPARAM wParam;
  POINT point;
};
std::vector<OwnerMessage> g_ownerMessages;

LRESULT CALLBACK OwnerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) {
    g_ownerMessages.push_back({message, wParam, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}});
    return 42;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

class ScopeTest : public HoverTest {
 protected:
  CScope& Scope() { return QuillviewApp().Scope(); }
  HWND MakeOwner() {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &OwnerProcedure;
    wc.lpszClassName = u"QvScopeTestOwner";
    RegisterClassExW(&wc);
    g_ownerMessages.clear();
    return CreateWindowExW(0, u"QvScopeTestOwner", u"", WS_POPUP | WS_VISIBLE, 50, 60, 800, 600, nullptr, nullptr,
                           nullptr, nullptr);
  }
};

TEST_F(ScopeTest, TheWindowIsAHiddenToolPopupOfTheClassQuillview) {
  HWND window = Scope().Window();
  ASSERT_NE(window, nullptr);
  WCHAR className[32] = {};
  GetClassNameW(window, className, 32);
  EXPECT_EQ(std::u16string(className), u"QUILLVIEW");
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)) & ~WS_VISIBLE, 0x80800080u);
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)), static_cast<DWORD>(WS_EX_TOOLWINDOW));
  EXPECT_EQ(GetParent(window), adsw_acadMainWnd());
  EXPECT_FALSE(IsWindowVisible(window));
  EXPECT_FALSE(Scope().IsVisible());
}

TEST_F(ScopeTest, TheClassSavesTheBitsUnderIt) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  ASSERT_TRUE(GetClassInfoExW(nullptr, u"QUILLVIEW", &wc) || GetClassInfoExW(module, u"QUILLVIEW", &wc));
  EXPECT_EQ(wc.style, static_cast<UINT>(CS_SAVEBITS));
}

TEST_F(ScopeTest, TheDefaultFontIsThirteenPixelArial) {
  LOGFONTW font{};
  Scope().GetMainFont(font);
  EXPECT_EQ(std::u16string(font.lfFaceName), u"Arial");
  EXPECT_EQ(font.lfHeight, -13);
  EXPECT_EQ(font.lfWeight, FW_NORMAL);
  EXPECT_EQ(font.lfCharSet, 255);
  EXPECT_EQ(font.lfQuality, PROOF_QUALITY);
}

TEST_F(ScopeTest, ASetFontReachesTheWindowOnceMessagesAreDispatched) {
  LOGFONTW font{};
  font.lfHeight = -16;
  font.lfWeight = FW_BOLD;
  lstrcpynW(font.lfFaceName, u"Times New Roman", LF_FACESIZE);
  Scope().SetMainFont(font);
  win32sim::PumpMessages();
  LOGFONTW current{};
  Scope().GetMainFont(current);
  EXPECT_EQ(std::u16string(current.lfFaceName), u"Times New Roman");
  EXPECT_EQ(current.lfHeight, -16);
  EXPECT_EQ(current.lfWeight, FW_BOLD);
}

TEST_F(ScopeTest, TheTimerFiringWithTheFocusOnTheDrawingShows) {
  AddLineThroughViewCentre();
  win32sim::MoveCursor(ViewCentre());
  SetFocus(adsw_acadDocWnd());
  recorder->requests.clear();
  Scope().HideAndArm(100);
  win32sim::AdvanceClock(99);
  EXPECT_FALSE(Scope().IsVisible());
  win32sim::AdvanceClock(1);
  EXPECT_TRUE(Scope().IsVisible());
  EXPECT_EQ(recorder->requests, (std::vector<HideRequest>{{1, 100}, {0, 0}}));
}

TEST_F(ScopeTest, TheTimerFiringWithTheFocusElsewhereDoesNothing) {
  AddLineThroughViewCentre();
  win32sim::MoveCursor(ViewCentre());
  HWND other = CreateWindowExW(0, u"STATIC", u"", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                               nullptr);
  SetFocus(other);
  recorder->requests.clear();
  Scope().HideAndArm(100);
  win32sim::AdvanceClock(1000);
  EXPECT_FALSE(Scope().IsVisible());
  EXPECT_EQ(recorder->requests, (std::vector<HideRequest>{{1, 100}}));
  DestroyWindow(other);
}

TEST_F(ScopeTest, TheTimerIsOneShot) {
  SetFocus(adsw_acadDocWnd());
  recorder->requests.clear();
  Scope().HideAndArm(100);
  win32sim::AdvanceClock(1000);
  EXPECT_EQ(recorder->requests, (std::vector<HideRequest>{{1, 100}, {0, 0}}));
}

TEST_F(ScopeTest, AnIntervalOfZeroNeverArms) {
  QuillviewApp().SetTimerInterval(0);
  SetFocus(adsw_acadDocWnd());
  recorder->requests.clear();
  RestartScope();
  win32sim::AdvanceClock(10000);
  EXPECT_EQ(recorder->requests, (std::vector<HideRequest>{{0, 0}}));
}

// The window is as large as the text it shows, measured in the style the font set gives.
TEST_F(ScopeTest, TheShownTextIsMeasuredInTheStyleOfTheFontSet) {
  AddLineThroughViewCentre();
  LOGFONTW font{};
  font.lfHeight = -16;
  font.lfWeight = FW_NORMAL;
  lstrcpynW(font.lfFaceName, u"Arial", LF_FACESIZE);
  Scope().SetMainFont(font);
  win32sim::PumpMessages();
  ASSERT_TRUE(PeekAtViewCentre());
  HWND window = Scope().Window();
  WCHAR text[4096] = {};
  GetWindowTextW(window, text, 4096);
  CHtmlDrawer drawer;
  HDC screen = GetDC(window);
  ApplyScopeFont(drawer, font, screen);
  SIZE measured{};
  const SIZE expected = MeasureScopeWindow(drawer, screen, text, measured);
  ReleaseDC(window, screen);
  RECT shown{};
  GetWindowRect(window, &shown);
  EXPECT_EQ(shown.right - shown.left, expected.cx);
  EXPECT_EQ(shown.bottom - shown.top, expected.cy);
}

TEST_F(ScopeTest, HidingAndArmingAnswersWhatTheWindowAnswers) { EXPECT_EQ(Scope().HideAndArm(0), 0); }

TEST_F(ScopeTest, AShownScopeIsBesideTheCursorAndLeavesTheFocusOnTheDrawing) {
  AddLineThroughViewCentre();
  ASSERT_TRUE(PeekAtViewCentre());
  HWND window = Scope().Window();
  RECT placed{};
  GetWindowRect(window, &placed);
  const POINT cursor = ViewCentre();
  EXPECT_EQ(placed.left, cursor.x + 5);
  EXPECT_EQ(placed.top, cursor.y + 5);
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_EQ(GetFocus(), adsw_acadDocWnd());
  EXPECT_GT(GetWindowTextLengthW(window), 0);
}

TEST_F(ScopeTest, HidingAShownScopeHidesItsWindow) {
  AddLineThroughViewCentre();
  ASSERT_TRUE(PeekAtViewCentre());
  Scope().HideAndArm(0);
  EXPECT_FALSE(Scope().IsVisible());
  EXPECT_FALSE(IsWindowVisible(Scope().Window()));
}

TEST_F(ScopeTest, AShownScopeIsTopmostAndAHiddenOneIsNot) {
  AddLineThroughViewCentre();
  ASSERT_TRUE(PeekAtViewCentre());
  EXPECT_NE(GetWindowLongW(Scope().Window(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  Scope().HideAndArm(0);
  EXPECT_EQ(GetWindowLongW(Scope().Window(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  EXPECT_NE(GetWindowLongW(Scope().Window(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
}

TEST_F(ScopeTest, NothingUnderTheCursorLeavesTheScopeHidden) {
  POINT corner{};
  ClientToScreen(adsw_acadDocWnd(), &corner);
  win32sim::MoveCursor(POINT{corner.x + 2, corner.y + 2});
  Peek();
  EXPECT_FALSE(Scope().IsVisible());
}

TEST_F(ScopeTest, MouseMessagesReachTheOwnerAtTheSameScreenPoint) {
  HWND owner = MakeOwner();
  CScope scope(owner);
  MoveWindow(scope.Window(), 200, 300, 100, 40, FALSE);
  POINT screen{3, -4};
  ClientToScreen(scope.Window(), &screen);
  EXPECT_EQ(SendMessageW(scope.Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, -4)), 42);
  ASSERT_EQ(g_ownerMessages.size(), 1u);
  EXPECT_EQ(g_ownerMessages[0].message, static_cast<UINT>(WM_LBUTTONDOWN));
  EXPECT_EQ(g_ownerMessages[0].wParam, static_cast<WPARAM>(MK_LBUTTON));
  EXPECT_EQ(g_ownerMessages[0].point.x, screen.x - 50);
  EXPECT_EQ(g_ownerMessages[0].point.y, screen.y - 60);
  DestroyWindow(owner);
}

TEST_F(ScopeTest, TheWheelReachesTheOwnerWithItsScreenPointUnchanged) {
  HWND owner = MakeOwner();
  CScope scope(owner);
  MoveWindow(scope.Window(), 200, 300, 100, 40, FALSE);
  SendMessageW(scope.Window(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(230, 310));
  ASSERT_EQ(g_ownerMessages.size(), 1u);
  EXPECT_EQ(g_ownerMessages[0].point.x, 230) << "the wheel's point is in screen coordinates already";
  EXPECT_EQ(g_ownerMessages[0].point.y, 310);
  DestroyWindow(owner);
}

TEST_F(ScopeTest, DoubleClicksAreNotPassedOn) {
  HWND owner = MakeOwner();
  CScope scope(owner);
  SendMessageW(scope.Window(), WM_LBUTTONDBLCLK, 0, 0);
  EXPECT_TRUE(g_ownerMessages.empty());
  DestroyWindow(owner);
}

TEST_F(ScopeTest, TheScopeLeavesTheMapWhenItGoes) {
  HWND window = nullptr;
  {
    CScope scope(nullptr);
    window = scope.Window();
    EXPECT_EQ(ScopeOfWindow(window), &scope);
  }
  EXPECT_EQ(ScopeOfWindow(window), nullptr);
  EXPECT_FALSE(IsWindow(window));
}

}  // namespace
