#include "hover/Scope.h"

#include <acedads.h>
#include <commdlg.h>

#include "host/ModuleInstance.h"
#include "html/HtmlDrawer.h"
#include "hover/CursorPick.h"
#include "hover/ScopePainting.h"
#include "hover/ScopePlacement.h"
#include "hover/ScopeWindowClass.h"

namespace {

constexpr DWORD kScopeStyle = WS_POPUP | WS_BORDER | 0x80;
constexpr SIZE kInitialSize{300, 20};

// The font the window starts with, before any setting is applied.
LOGFONTW DefaultScopeFont() {
  LOGFONTW font{};
  font.lfHeight = -13;
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = 255;
  font.lfQuality = PROOF_QUALITY;
  lstrcpynW(font.lfFaceName, u"Arial", LF_FACESIZE);
  return font;
}

// WS_EX_TOPMOST changes only through SetWindowPos: written with SetWindowLongW it would change nothing.
void SetTopmost(HWND window, bool topmost) {
  SetWindowPos(window, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace

CScope::CScope(HWND owner) : m_drawer(std::make_unique<CHtmlDrawer>()) {
  RegisterScopeClass(ModuleInstance(), &CScope::WindowProc);
  m_window = CreateWindowExW(WS_EX_TOOLWINDOW, kScopeClassName, u"", kScopeStyle, 0, 0, kInitialSize.cx,
                             kInitialSize.cy, owner, nullptr, ModuleInstance(), nullptr);
  if (m_window == nullptr) return;
  CScope* self = this;
  Scopes().SetAt(m_window, self);
  const LOGFONTW font = DefaultScopeFont();
  m_font = CreateFontIndirectW(&font);
}

CScope::~CScope() {
  m_drawer.reset();
  if (m_window != nullptr) DestroyWindow(m_window);
  if (m_font != nullptr) DeleteObject(m_font);
  if (m_window != nullptr) Scopes().RemoveKey(m_window);
}

LRESULT CScope::HideAndArm(int intervalMs) {
  return SendMessageW(m_window, HideScopeMessage(), intervalMs != 0, intervalMs);
}

void CScope::Hide() {
  KillTimer(m_window, kScopeTimerId);
  if (!m_visible) return;
  ShowWindow(m_window, SW_HIDE);
  SetTopmost(m_window, false);
  m_visible = 0;
}

void CScope::ShowAtCursor() {
  if (m_window == nullptr) return;
  SendMessageW(m_window, HideScopeMessage(), 0, 0);
  CString text;
  POINT cursor{};
  if (!DescribeUnderCursor(text) || !GetCursorPos(&cursor)) return;

  HDC dc = GetDC(m_window);
  SIZE measured{};
  const SIZE size = MeasureScopeWindow(*m_drawer, dc, text.GetString(), measured);
  ReleaseDC(m_window, dc);
  const RECT placed = PlaceScope(size, cursor);

  MoveWindow(m_window, placed.left, placed.top, placed.right - placed.left, placed.bottom - placed.top, FALSE);
  SetWindowTextW(m_window, text);
  SetTopmost(m_window, true);
  ShowWindow(m_window, SW_SHOW);
  // Showing may have taken the keyboard from the drawing; the user is still working there.
  SetFocus(adsw_acadDocWnd());
  m_visible = 1;
}

void CScope::SetMainFont(const LOGFONTW& font) {
  HFONT created = CreateFontIndirectW(&font);
  if (created != nullptr && !PostMessageW(m_window, WM_SETFONT, reinterpret_cast<WPARAM>(created), 0)) {
    DeleteObject(created);
  }
}

void CScope::GetMainFont(LOGFONTW& font) const {
  HFONT current = reinterpret_cast<HFONT>(SendMessageW(m_window, WM_GETFONT, 0, 0));
  if (current != nullptr) GetObjectW(current, sizeof(LOGFONTW), &font);
}

bool CScope::ChooseMainFont(LOGFONTW& font) {
  CHOOSEFONTW choice{};
  choice.lStructSize = sizeof choice;
  choice.hwndOwner = adsw_acadMainWnd();
  choice.lpLogFont = &font;
  choice.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT;
  return ChooseFontW(&choice) != FALSE;
}

HFONT CScope::ApplyFont(HFONT font) {
  HFONT previous = m_font;
  m_font = font;
  LOGFONTW description{};
  if (font != nullptr && GetObjectW(font, sizeof description, &description) != 0) {
    HDC screen = GetDC(m_window);
    ApplyScopeFont(*m_drawer, description, screen);
    ReleaseDC(m_window, screen);
  }
  return previous;
}

void CScope::Paint() {
  PAINTSTRUCT paint{};
  HDC dc = BeginPaint(m_window, &paint);
  RECT client{};
  GetClientRect(m_window, &client);
  PaintScopeClient(*m_drawer, dc, m_font, client);
  EndPaint(m_window, &paint);
}
