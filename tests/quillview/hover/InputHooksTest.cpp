// The hook rules: which input hides the scope, which also re-arms its timer, and when Ctrl peeks.
#include "hover/InputHooks.h"

#include <acedads.h>
#include <qvuser.h>

#include "HoverTestSupport.h"
#include "acadsim/Documents.h"
#include "host/QuillviewApp.h"
#include "hover/Scope.h"

namespace {

constexpr HideRequest kRestart{1, 500};
constexpr HideRequest kHide{0, 0};

class InputHooksTest : public HoverTest {
 protected:
  void MouseHook(UINT message, POINT at = {0, 0}) {
    MOUSEHOOKSTRUCT mouse{};
    mouse.pt = at;
    MouseHookProc(HC_ACTION, message, reinterpret_cast<LPARAM>(&mouse));
  }
  // lParam of a key message: bit 30 the previous state, bit 31 the transition (1 on release).
  void KeyHook(WPARAM key, bool wasDown, bool released) {
    const DWORD flags = 1u | (wasDown ? 1u << 30 : 0u) | (released ? 1u << 31 : 0u);
    KeyboardHookProc(HC_ACTION, key, static_cast<LPARAM>(flags));
  }
  LRESULT Activate(HWND activating, HWND activeNow) {
    CBTACTIVATESTRUCT activation{FALSE, activeNow};
    return CbtHookProc(HCBT_ACTIVATE, reinterpret_cast<WPARAM>(activating), reinterpret_cast<LPARAM>(&activation));
  }
  // Makes (x, y) the mouse hook's reference point and forgets the requests so far.
  void SetReference(POINT at) {
    MouseHook(WM_MOUSEMOVE, {at.x + 1000, at.y});
    MouseHook(WM_MOUSEMOVE, at);
    recorder->requests.clear();
  }
  const int threshold = GetSystemMetrics(SM_CXDOUBLECLK);
};

TEST_F(InputHooksTest, AMoveBeyondTheDoubleClickWidthRestarts) {
  SetReference({100, 100});
  MouseHook(WM_MOUSEMOVE, {100 + threshold + 1, 100});
  EXPECT_EQ(recorder->requests, std::vector<HideRequest>{kRestart});
}

TEST_F(InputHooksTest, AVerticalMoveBeyondTheWidthRestartsToo) {
  SetReference({100, 100});
  MouseHook(WM_MOUSEMOVE, {100, 100 - threshold - 1});
  EXPECT_EQ(recorder->requests, std::vector<HideRequest>{kRestart});
}

TEST_F(InputHooksTest, MovesWithinTheWidthKeepTheReferencePointUntilTheyAddUp) {
  SetReference({100, 100});
  MouseHook(WM_MOUSEMOVE, {100 + threshold, 100 + threshold});
  MouseHook(WM_MOUSEMOVE, {100 - threshold, 100});
  EXPECT_TRUE(recorder->requests.empty());
  MouseHook(WM_MOUSEMOVE, {100 + threshold + 1, 100});
  EXPECT_EQ(recorder->requests, std::vector<HideRequest>{kRestart});
}

TEST_F(InputHooksTest, WhileDisabledAMoveOnlyHides) {
  SetReference({100, 100});
  QuillviewApp().SetEnabled(false);
  MouseHook(WM_MOUSEMOVE, {200, 100});
  EXPECT_EQ(recorder->requests, std::vector<HideRequest>{kHide});
}

TEST_F(InputHooksTest, ButtonsAndTheWheelRestartWhileActive) {
  for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN, WM_RBUTTONUP, WM_MBUTTONDOWN, WM_MBUTTONUP,
                       WM_MOUSEWHEEL}) {
    recorder->requests.clear();
    MouseHook(message);
    EXPECT_EQ(recorder->requests, std::vector<HideRequest>{kRestart}) << message;
  }
}

TEST_F(InputHooksTest, DoubleClicksDoNothing) {
  for (UINT message : {WM_LBUTTONDBLCLK, WM_RBUTTONDBLCLK, WM_MBUTTONDBLCLK}) MouseHook(message);
  EXPECT_TRUE(recorder->requests.empty());
}

TEST_F(InputHooksTest, ClicksDoNothingWhileDisabledWithTheScopeHidden) {
  QuillviewApp().SetEnabled(false);
  MouseHook(WM_LBUTTONDOWN);
  EXPECT_TRUE(recorder->requests.empty());
}

TEST_F(InputHooksTest, ClicksDoNothingWithoutADrawing) {
  acadsim::CloseAllDocuments();
  MouseHook(WM_LBUTTONDOWN);
  EXPECT_TRUE(recorder->requests.empty());
}

TEST_F(InputHooksTest, AClickHidesAPeekedScopeWhileDisabled) {
  AddLineThroughViewCentre();
  QuillviewApp().SetEnabled(false);
  ASSERT_TRUE(PeekAtViewCentre());
  recorder->requests.clear();
  MouseHook(WM_LBUTTONDOWN);
  EXPECT_EQ(recorder->requests, std::vector<HideRequest>{kHide});
  EXPECT_FALSE(QuillviewApp().Scope().IsVisible());
}

TEST_F(InputHooksTest, OtherHookCodesDoNothing) {
  MOUSEHOOKSTRUCT mouse{};
  MouseHookProc(HC_ACTION + 3, WM_LBUTTONDOWN, reinterpret_cast<LPARAM>(&mouse));
  EXPECT_TRUE(recorder->requests.empty());
}

TEST_F(InputHooksTest, CtrlPeeksOnTheFirstPressAndOnTheReleaseNotOnRepeats) {
  AddLineThroughViewCentre();
  ASSERT_TRUE(PeekAtViewCentre());
  recorder->requests.clear();
  KeyHook(VK_CONTROL, false, false);
  EXPECT_EQ(recorder->requests.size(), 1u);
  KeyHook(VK_CONTROL, true, false);
  EXPECT_EQ(recorder->requests.size(), 1u);
  KeyHook(VK_CONTROL, true, true);
  EXPECT_EQ(recorder->requests.size(), 2u);
  EXPECT_TRUE(QuillviewApp().Scope().IsVisible());
}

TEST_F(InputHooksTest, CtrlDoesNothingWhileTheScopeIsHidden) {
  KeyHook(VK_CONTROL, false, false);
  EXPECT_TRUE(recorder->requests.empty());
}

TEST_F(InputHooksTest, OtherKeysDoNothingOverAShownScope) {
  AddLineThroughViewCentre();
  ASSERT_TRUE(PeekAtViewCentre());
  recorder->requests.clear();
  KeyHook(VK_SHIFT, false, false);
  EXPECT_TRUE(recorder->requests.empty());
}

TEST_F(InputHooksTest, ThePeekRunsWithPeekInProgressAndClearsIt) {
  AddLineThroughViewCentre();
  EXPECT_TRUE(PeekAtViewCentre());
  EXPECT_FALSE(QuillviewApp().PeekInProgress());
}

TEST_F(InputHooksTest, ActivatingTheMainWindowRestarts) {
  Activate(adsw_acadMainWnd(), nullptr);
  EXPECT_EQ(recorder->requests, std::vector<HideRequest>{kRestart});
}

TEST_F(InputHooksTest, TheScopeNeverTakesTheActivationFromTheMainWindow) {
  EXPECT_EQ(Activate(QuillviewApp().Scope().Window(), adsw_acadMainWnd()), 1);
  EXPECT_TRUE(recorder->requests.empty());
}

TEST_F(InputHooksTest, AnotherWindowTakingTheActivationFromTheMainWindowHides) {
  HWND other = CreateWindowExW(0, u"STATIC", u"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  EXPECT_NE(Activate(other, adsw_acadMainWnd()), 1);
  EXPECT_EQ(recorder->requests, std::vector<HideRequest>{kHide});
  DestroyWindow(other);
}

TEST_F(InputHooksTest, ActivationsBetweenOtherWindowsPassUnchanged) {
  HWND other = CreateWindowExW(0, u"STATIC", u"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  EXPECT_NE(Activate(QuillviewApp().Scope().Window(), other), 1);
  EXPECT_TRUE(recorder->requests.empty());
  DestroyWindow(other);
}

TEST_F(InputHooksTest, TheHostLosingTheActivationHides) {
  CWPSTRUCT call{0, FALSE, WM_ACTIVATEAPP, adsw_acadMainWnd()};
  CallWndProcHookProc(HC_ACTION, 0, reinterpret_cast<LPARAM>(&call));
  EXPECT_EQ(recorder->requests, std::vector<HideRequest>{kHide});
}

TEST_F(InputHooksTest, TheHostGainingTheActivationOrOtherWindowsDoNothingInTheWindowProcedureHook) {
  CWPSTRUCT gaining{0, TRUE, WM_ACTIVATEAPP, adsw_acadMainWnd()};
  CallWndProcHookProc(HC_ACTION, 0, reinterpret_cast<LPARAM>(&gaining));
  CWPSTRUCT otherWindow{0, FALSE, WM_ACTIVATEAPP, adsw_acadDocWnd()};
  CallWndProcHookProc(HC_ACTION, 0, reinterpret_cast<LPARAM>(&otherWindow));
  EXPECT_TRUE(recorder->requests.empty());
}

TEST_F(InputHooksTest, AnIntervalOfZeroOnlyHides) {
  QuillviewApp().SetTimerInterval(0);
  MouseHook(WM_LBUTTONDOWN);
  EXPECT_EQ(recorder->requests, std::vector<HideRequest>{kHide});
}

}  // namespace
