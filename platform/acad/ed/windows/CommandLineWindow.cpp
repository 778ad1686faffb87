// The command-line window: the last lines of the host's command line under the drawing view.
#include <acadsim/CommandLine.h>
#include <acedads.h>

#include "HostWindowState.h"

namespace acadsim::windows {
namespace {

constexpr const WCHAR* kCommandLineClass = u"AcadCommandLine";
constexpr int kLinesShown = 3;
constexpr int kLineHeight = 16;

void PaintCommandLine(HWND window) {
  PAINTSTRUCT paint{};
  const HDC dc = BeginPaint(window, &paint);
  if (dc == nullptr) return;
  RECT client{};
  GetClientRect(window, &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
  const HGDIOBJ oldFont = SelectObject(dc, State().commandLineFont);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  int y = 3;
  for (const std::u16string& line : CommandLineRecentLines(kLinesShown)) {
    TextOutW(dc, 4, y, line.c_str(), static_cast<int>(line.size()));
    y += kLineHeight;
  }
  SelectObject(dc, oldFont);
  EndPaint(window, &paint);
}

LRESULT CALLBACK CommandLineProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      PaintCommandLine(window);
      return 0;
    case WM_SETFOCUS:
      // Typing goes to the command line while the focus stays on the drawing view, as in AutoCAD.
      if (const HWND view = adsw_acadDocWnd()) SetFocus(view);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

HWND CreateCommandLineWindow(HWND mainFrame) {
  WNDCLASSEXW lineClass{};
  lineClass.cbSize = sizeof lineClass;
  lineClass.lpfnWndProc = CommandLineProc;
  lineClass.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
  lineClass.hCursor = LoadCursorW(nullptr, IDC_IBEAM);
  lineClass.lpszClassName = kCommandLineClass;
  RegisterClassExW(&lineClass);
  if (State().commandLineFont == nullptr) {
    State().commandLineFont = CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0,
                                          u"Courier New");
  }
  const HWND window = CreateWindowExW(WS_EX_CLIENTEDGE, kCommandLineClass, u"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0,
                                      mainFrame, nullptr, nullptr, nullptr);
  SetCommandLineChangedHandler([window] { InvalidateRect(window, nullptr, TRUE); });
  return window;
}

}  // namespace acadsim::windows
