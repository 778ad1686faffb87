// The host's windows: the frame over the monitors, the drawing view and the command line, the point monitors
// told of cursor moves, the mouse handed on from the frame, and SIM lines and the scope state they print.
#include <acadsim/CommandLine.h>
#include <acadsim/DrawingView.h>
#include <acadsim/HostWindows.h>
#include <acadsim/Selection.h>
#include <acadsim/SimulatedInput.h>
#include <acedads.h>
#include <acedinpt.h>
#include <gtest/gtest.h>
#include <qvuser.h>
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "../view/ViewTestSupport.h"

namespace {

using viewtest::line;
using viewtest::OpenDrawing;

class HostWindows : public ::testing::Test {
 protected:
  void SetUp() override { win32sim::ResetUser(); }
  void TearDown() override {
    acadsim::DestroyHostWindows();
    win32sim::ResetUser();
  }
  static RECT WindowRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
  }
  static std::u16string Run(const char16_t* line) { return acadsim::RunSimulatedInput(line); }
};

// Remembers what each call was told.
class RecordingMonitor : public AcEdInputPointMonitor {
 public:
  Acad::ErrorStatus monitorInputPoint(bool&, ACHAR*&, AcGiViewportDraw*, AcApDocument*, bool, int, const AcGePoint3d&,
                                      const AcGePoint3d& rawPoint, const AcGePoint3d&, const AcGePoint3d&,
                                      const AcGePoint3d&, AcDb::OsnapMask, const AcArray<AcDbCustomOsnapMode*>&,
                                      AcDb::OsnapMask, const AcArray<AcDbCustomOsnapMode*>&,
                                      const AcArray<AcDbObjectId>& apertureEntities, const AcArray<AcDbObjectIdArray>&,
                                      const AcArray<int>& gsSelectionMark, const AcArray<AcDbObjectId>&,
                                      const AcArray<AcDbObjectIdArray>&, const AcArray<int>&,
                                      const AcArray<AcGeCurve3d*>&, const AcGePoint3d&, const ACHAR*) override {
    ++calls;
    lastRaw = rawPoint;
    lastEntities = apertureEntities.length();
    lastMarker = gsSelectionMark.isEmpty() ? -1 : gsSelectionMark.first();
    return Acad::eOk;
  }
  int calls = 0;
  int lastEntities = 0;
  int lastMarker = -1;
  AcGePoint3d lastRaw;
};

TEST_F(HostWindows, TheFrameCoversTheWorkAreaAndTheViewHasTheFocus) {
  OpenDrawing drawing(line(0, 0, 10, 0));
  acadsim::CreateHostWindows();
  const RECT frame = WindowRect(adsw_acadMainWnd());
  EXPECT_EQ(frame.left, 0);
  EXPECT_EQ(frame.top, 0);
  EXPECT_EQ(frame.right, 1280);
  EXPECT_EQ(frame.bottom, 984);
  ASSERT_NE(adsw_acadDocWnd(), nullptr);
  EXPECT_EQ(GetFocus(), adsw_acadDocWnd());
  EXPECT_TRUE(IsWindowVisible(adsw_acadDocWnd()));
  const RECT view = WindowRect(adsw_acadDocWnd());
  const RECT commandLine = WindowRect(acadsim::CommandLineWindow());
  EXPECT_EQ(view.bottom, commandLine.top);
  EXPECT_EQ(commandLine.bottom, 983) << "the frame's one-pixel border";
  EXPECT_EQ(acadsim::documentView(drawing.doc()).width, view.right - view.left);
}

TEST_F(HostWindows, SeveralMonitorsGetOneFrameOverAllTheirWorkAreas) {
  ASSERT_TRUE(win32sim::SetMonitors({RECT{0, 0, 1280, 1024}, RECT{-1024, 0, 0, 768}}));
  OpenDrawing drawing(line(0, 0, 10, 0));
  acadsim::CreateHostWindows();
  const RECT frame = WindowRect(adsw_acadMainWnd());
  EXPECT_EQ(frame.left, -1024);
  EXPECT_EQ(frame.right, 1280);
  EXPECT_EQ(frame.bottom, 984);
}

TEST_F(HostWindows, TheCommandLineGivesTheFocusBackToTheView) {
  OpenDrawing drawing(line(0, 0, 10, 0));
  acadsim::CreateHostWindows();
  SetFocus(acadsim::CommandLineWindow());
  EXPECT_EQ(GetFocus(), adsw_acadDocWnd());
}

TEST_F(HostWindows, ADocumentOpenedLaterGetsItsOwnViewAndClosingItTakesTheViewAway) {
  OpenDrawing first(line(0, 0, 10, 0));
  acadsim::CreateHostWindows();
  const HWND firstView = adsw_acadDocWnd();
  {
    OpenDrawing second(line(0, 0, 5, 5));
    ASSERT_NE(acadsim::DrawingViewWindow(second.doc()), nullptr);
    EXPECT_NE(acadsim::DrawingViewWindow(second.doc()), firstView);
    EXPECT_EQ(adsw_acadDocWnd(), acadsim::DrawingViewWindow(second.doc()));
    EXPECT_FALSE(IsWindowVisible(firstView)) << "only the current drawing's view shows";
  }
  EXPECT_EQ(adsw_acadDocWnd(), firstView);
  EXPECT_TRUE(IsWindowVisible(firstView));
}

TEST_F(HostWindows, EveryCursorMoveOverTheViewTellsTheMonitorsWhatLiesInTheAperture) {
  OpenDrawing drawing(line(0, 0, 10, 0));
  acadsim::CreateHostWindows();
  RecordingMonitor monitor;
  ASSERT_EQ(drawing.doc()->inputPointManager()->addPointMonitor(&monitor), Acad::eOk);
  EXPECT_EQ(drawing.doc()->inputPointManager()->addPointMonitor(&monitor), Acad::eDuplicateKey);
  Run(u"SIM CURSORW 5,0");
  EXPECT_GT(monitor.calls, 1) << "one call per step of the movement";
  EXPECT_EQ(monitor.lastEntities, 1);
  EXPECT_EQ(monitor.lastMarker, 1);
  EXPECT_NEAR(monitor.lastRaw.x, 5, 0.1);
  Run(u"SIM CURSORW 5,3");
  EXPECT_EQ(monitor.lastEntities, 0);
  Run(u"SIM CURSOR 600,960");
  const int calls = monitor.calls;
  Run(u"SIM CURSOR 640,965");
  EXPECT_EQ(monitor.calls, calls) << "moves over the command line are not the view's";
  EXPECT_EQ(drawing.doc()->inputPointManager()->removePointMonitor(&monitor), Acad::eOk);
  EXPECT_EQ(drawing.doc()->inputPointManager()->removePointMonitor(&monitor), Acad::eKeyNotFound);
}

TEST_F(HostWindows, AClickSentToTheFrameReachesTheViewUnderThePoint) {
  OpenDrawing drawing(line(0, 0, 10, 0));
  acadsim::CreateHostWindows();
  Run(u"SIM CURSORW 5,0");
  POINT cursor{};
  GetCursorPos(&cursor);
  POINT inFrame = cursor;
  ScreenToClient(adsw_acadMainWnd(), &inFrame);
  SendMessageW(adsw_acadMainWnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(inFrame.x, inFrame.y));
  EXPECT_EQ(acadsim::pickFirstEntities(drawing.doc()).size(), 1u) << "the view took the click and selected the line";
}

// Dispatches the view's posted messages only, leaving the paint for the test to look at.
bool ViewNeedsPaintAfterPostedMessages(HWND view) {
  MSG message{};
  while (PeekMessageW(&message, view, WM_APP, WM_APP + 0x3FFF, PM_REMOVE)) DispatchMessageW(&message);
  RECT update{};
  return GetUpdateRect(view, &update, FALSE) != FALSE;
}

TEST_F(HostWindows, TheViewRepaintsWhenThePickFirstSetItShowsChanges) {
  OpenDrawing drawing(line(0, 0, 10, 0));
  acadsim::CreateHostWindows();
  win32sim::PumpMessages();
  const HWND view = adsw_acadDocWnd();
  ads_name all = {0, 0};
  ASSERT_EQ(acedSSGet(u"_X", nullptr, nullptr, nullptr, all), RTNORM);

  ASSERT_EQ(acedSSSetFirst(all, nullptr), RTNORM);
  EXPECT_TRUE(ViewNeedsPaintAfterPostedMessages(view));
  win32sim::PumpMessages();

  ASSERT_EQ(acedSSSetFirst(nullptr, nullptr), RTNORM);
  ASSERT_EQ(acedSSSetFirst(all, nullptr), RTNORM);
  EXPECT_FALSE(ViewNeedsPaintAfterPostedMessages(view)) << "changed and changed back: the picture is the same";
  acedSSFree(all);
}

TEST_F(HostWindows, TheMainFrameIsTitledWithTheProductAndTheDrawing) {
  OpenDrawing drawing(line(0, 0, 10, 0));
  acadsim::CreateHostWindows();
  WCHAR title[256] = {};
  GetWindowTextW(adsw_acadMainWnd(), title, 256);
  EXPECT_EQ(std::u16string(title), u"AutoCAD 2007 - [" + std::u16string(drawing.doc()->docTitle()) + u"]");
}

TEST_F(HostWindows, QuiescentOnlyWithoutACommandRunning) {
  OpenDrawing drawing(line(0, 0, 10, 0));
  EXPECT_NE(acedAcadInQuiescentState(), 0);
}

TEST(SimulatedInputLines, AreThoseStartingWithTheWordSim) {
  EXPECT_TRUE(acadsim::IsSimulatedInputLine(u"SIM WAIT 10"));
  EXPECT_TRUE(acadsim::IsSimulatedInputLine(u"SIM"));
  EXPECT_FALSE(acadsim::IsSimulatedInputLine(u"SIMPLIFY"));
  EXPECT_FALSE(acadsim::IsSimulatedInputLine(u"sim WAIT 10"));
  EXPECT_FALSE(acadsim::IsSimulatedInputLine(u" SIM WAIT 10"));
}

std::vector<POINT>& MovesSeen() {
  static std::vector<POINT> moves;
  return moves;
}

LRESULT CALLBACK RecordMoves(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && wParam == WM_MOUSEMOVE) MovesSeen().push_back(reinterpret_cast<MOUSEHOOKSTRUCT*>(lParam)->pt);
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(SimulatedInputLines, TheCursorMovesInAStraightLineInStepsOfAtMostEightPixels) {
  win32sim::ResetUser();
  MovesSeen().clear();
  // Mouse messages, and so the hook's calls, come only over a window of the thread.
  WNDCLASSEXW plain{};
  plain.cbSize = sizeof plain;
  plain.lpfnWndProc = DefWindowProcW;
  plain.lpszClassName = u"Plain";
  ASSERT_NE(RegisterClassExW(&plain), 0);
  ASSERT_NE(CreateWindowExW(0, u"Plain", u"", WS_POPUP | WS_VISIBLE, 0, 0, 400, 400, nullptr, nullptr, nullptr,
                            nullptr),
            nullptr);
  const HHOOK hook = SetWindowsHookExW(WH_MOUSE, RecordMoves, nullptr, GetCurrentThreadId());
  ASSERT_NE(hook, nullptr);
  EXPECT_EQ(acadsim::RunSimulatedInput(u"SIM CURSOR 100,20"), u"cursor 100,20\n");
  ASSERT_EQ(MovesSeen().size(), 13u) << "100 pixels in 13 steps";
  POINT previous{0, 0};
  for (const POINT& step : MovesSeen()) {
    EXPECT_LE(std::abs(step.x - previous.x), 8);
    EXPECT_LE(std::abs(step.y - previous.y), 8);
    EXPECT_NEAR(step.y, step.x / 5.0, 0.5) << "on the line from 0,0 to 100,20";
    previous = step;
  }
  MovesSeen().clear();
  EXPECT_EQ(acadsim::RunSimulatedInput(u"SIM CURSOR 100,20"), u"cursor 100,20\n");
  EXPECT_EQ(MovesSeen().size(), 1u) << "no distance: one message on the spot";
  UnhookWindowsHookEx(hook);
  win32sim::ResetUser();
}

TEST(SimulatedInputLines, BadLinesSayWhatIsWrong) {
  EXPECT_EQ(acadsim::RunSimulatedInput(u"SIM WAIT 1.5"), u"SIM: WAIT takes whole milliseconds, 0 to 86400000\n");
  EXPECT_EQ(acadsim::RunSimulatedInput(u"SIM WAIT 86400001"), u"SIM: WAIT takes whole milliseconds, 0 to 86400000\n");
  EXPECT_EQ(acadsim::RunSimulatedInput(u"SIM CURSOR 40000,1"),
            u"SIM: CURSOR takes a screen point x,y in whole pixels\n");
  EXPECT_EQ(acadsim::RunSimulatedInput(u"SIM KEY F13 DOWN"), u"SIM: unknown key \"F13\"\n");
  EXPECT_EQ(acadsim::RunSimulatedInput(u"SIM KEY A SIDEWAYS"), u"SIM: KEY takes DOWN, UP or REPEAT, not \"SIDEWAYS\"\n");
  EXPECT_EQ(acadsim::RunSimulatedInput(u"SIM WHEEL 101"), u"SIM: WHEEL takes whole notches, -100 to 100\n");
  EXPECT_EQ(acadsim::RunSimulatedInput(u"SIM ACTIVATE MOON"), u"SIM: ACTIVATE takes OTHER or HOST\n");
  EXPECT_EQ(acadsim::RunSimulatedInput(u"SIM SNAPSHOT"), u"SIM: SNAPSHOT takes a file name\n");
  EXPECT_EQ(acadsim::RunSimulatedInput(u"SIM SCOPE NOW"), u"SIM: SCOPE takes nothing more\n");
}

TEST(ScopeWindowState, WritesTheRectangleAndTheTextWithBackslashesAndLineFeedsEscaped) {
  win32sim::ResetUser();
  EXPECT_EQ(acadsim::ScopeWindowState(), u"hidden");
  WNDCLASSEXW scopeClass{};
  scopeClass.cbSize = sizeof scopeClass;
  scopeClass.lpfnWndProc = DefWindowProcW;
  scopeClass.lpszClassName = u"QUILLVIEW";
  ASSERT_NE(RegisterClassExW(&scopeClass), 0);
  const HWND scope = CreateWindowExW(WS_EX_TOOLWINDOW, u"QUILLVIEW", u"a\\b\nc", WS_POPUP | WS_BORDER, 10, -20, 30, 40,
                                     nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(scope, nullptr);
  EXPECT_EQ(acadsim::ScopeWindowState(), u"hidden") << "not shown yet";
  ShowWindow(scope, SW_SHOWNA);
  EXPECT_EQ(acadsim::ScopeWindowState(), u"visible 10 -20 30 40 a\\\\b\\nc");
  win32sim::ResetUser();
}

}  // namespace
