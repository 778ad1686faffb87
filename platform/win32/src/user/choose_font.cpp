// ChooseFontW, CommDlgExtendedError: a modal font dialog whose answer comes from the dialog answer source.
#include <algorithm>
#include <cstring>

#include "commdlg.h"
#include "user/user_state.h"
#include "winbase.h"

using namespace win32::user;

namespace {

constexpr const char16_t* kDialogClass = u"#32770";
constexpr int kDialogWidth = 430;
constexpr int kDialogHeight = 330;

struct FontAnswer {
  std::u16string face;
  LONG height;
  LONG weight = FW_NORMAL;
  BYTE italic = 0;
};

std::optional<long> Integer(const std::u16string& text) {
  if (text.empty() || text.size() > 9) return std::nullopt;
  size_t i = text[0] == u'-' ? 1 : 0;
  if (i == text.size()) return std::nullopt;
  long value = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < u'0' || text[i] > u'9') return std::nullopt;
    value = value * 10 + (text[i] - u'0');
  }
  return text[0] == u'-' ? -value : value;
}

// "FACE,HEIGHT[,WEIGHT[,ITALIC]]"; anything else (a zero height, a weight outside 100..900, italic not
// 0 or 1, a face too long for LOGFONTW) is no answer.
std::optional<FontAnswer> Parse(const std::u16string& text) {
  std::vector<std::u16string> parts{{}};
  for (char16_t c : text) {
    if (c == u',') parts.emplace_back();
    else parts.back() += c;
  }
  if (parts.size() < 2 || parts.size() > 4 || parts[0].empty() || parts[0].size() >= LF_FACESIZE) return std::nullopt;
  FontAnswer answer{parts[0], 0};
  auto height = Integer(parts[1]);
  if (!height || *height == 0) return std::nullopt;
  answer.height = static_cast<LONG>(*height);
  if (parts.size() > 2) {
    auto weight = Integer(parts[2]);
    if (!weight || *weight < 100 || *weight > 900) return std::nullopt;
    answer.weight = static_cast<LONG>(*weight);
  }
  if (parts.size() > 3) {
    auto italic = Integer(parts[3]);
    if (!italic || (*italic != 0 && *italic != 1)) return std::nullopt;
    answer.italic = static_cast<BYTE>(*italic);
  }
  return answer;
}

void RegisterDialogClass() {
  WNDCLASSEXW existing;
  if (GetClassInfoExW(nullptr, kDialogClass, &existing)) return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = DefWindowProcW;
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kDialogClass;
  RegisterClassExW(&wc);
}

HWND OpenDialog(HWND owner) {
  RegisterDialogClass();
  RECT over = S().monitors.front().work;
  if (owner) GetWindowRect(owner, &over);
  int x = (over.left + over.right - kDialogWidth) / 2;
  int y = (over.top + over.bottom - kDialogHeight) / 2;
  return CreateWindowExW(WS_EX_DLGMODALFRAME, kDialogClass, u"Font", WS_POPUP | WS_CAPTION | WS_SYSMENU, x, y,
                         kDialogWidth, kDialogHeight, owner, nullptr, nullptr, nullptr);
}

std::optional<FontAnswer> AskPerson() {
  if (!S().dialogAnswers) return std::nullopt;
  std::optional<std::u16string> text = S().dialogAnswers();
  if (!text || *text == u"*Cancel*") return std::nullopt;
  return Parse(*text);
}

void Fill(CHOOSEFONTW& cf, const FontAnswer& answer) {
  LOGFONTW font{};
  if (cf.Flags & CF_INITTOLOGFONTSTRUCT) font = *cf.lpLogFont;
  else font.lfCharSet = DEFAULT_CHARSET;
  font.lfHeight = answer.height;
  font.lfWeight = answer.weight;
  font.lfItalic = answer.italic;
  std::fill(std::begin(font.lfFaceName), std::end(font.lfFaceName), 0);
  std::copy(answer.face.begin(), answer.face.end(), font.lfFaceName);
  *cf.lpLogFont = font;
  cf.iPointSize = MulDiv(std::abs(answer.height), 720, 96);  // tenths of a point at 96 dpi
  cf.nFontType = static_cast<WORD>(SCREEN_FONTTYPE | (answer.weight >= FW_BOLD ? BOLD_FONTTYPE : REGULAR_FONTTYPE) |
                                   (answer.italic ? ITALIC_FONTTYPE : 0));
}

}  // namespace

// Modal: the owner is disabled while the dialog is up and active; afterwards the owner is enabled and
// active again and the focus returns to the window that had it. Cancel and a malformed answer both give
// FALSE with CommDlgExtendedError 0.
extern "C" BOOL WINAPI ChooseFontW(LPCHOOSEFONTW cf) {
  State& s = S();
  s.commDlgError = 0;
  if (!cf || cf->lStructSize != sizeof(CHOOSEFONTW)) {
    s.commDlgError = CDERR_STRUCTSIZE;
    return FALSE;
  }
  if (!cf->lpLogFont || (cf->hwndOwner && !Find(cf->hwndOwner))) {
    s.commDlgError = CDERR_INITIALIZATION;
    return FALSE;
  }
  HWND owner = cf->hwndOwner;
  HWND focus = s.focus;
  HWND dialog = OpenDialog(owner);
  if (!dialog) {
    s.commDlgError = CDERR_INITIALIZATION;
    return FALSE;
  }
  bool ownerWasEnabled = owner && IsWindowEnabled(owner);
  if (ownerWasEnabled) EnableWindow(owner, FALSE);
  ShowWindow(dialog, SW_SHOW);
  std::optional<FontAnswer> answer = AskPerson();
  if (ownerWasEnabled && Find(owner)) EnableWindow(owner, TRUE);
  if (Find(dialog)) DestroyWindow(dialog);
  if (owner && Find(owner)) SetActiveWindow(owner);
  if (focus && Find(focus)) SetFocus(focus);
  if (!answer) return FALSE;
  Fill(*cf, *answer);
  return TRUE;
}

extern "C" DWORD WINAPI CommDlgExtendedError(void) { return S().commDlgError; }

namespace win32sim {

void SetDialogAnswerSource(DialogAnswerSource source) { S().dialogAnswers = std::move(source); }

}  // namespace win32sim
