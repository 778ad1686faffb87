#include <acadsim/SimulatedInput.h>
#include <qvwide.h>
#include <windows.h>

#include <string>

namespace acadsim {
namespace {

// The module's popup is found by its window class, as a person at the machine would find it by eye.
constexpr std::u16string_view kScopeWindowClass = u"QUILLVIEW";

HWND FindScopeWindow() {
  for (HWND window = GetWindow(GetDesktopWindow(), GW_CHILD); window != nullptr;
       window = GetWindow(window, GW_HWNDNEXT)) {
    WCHAR className[64] = {};
    const int length = GetClassNameW(window, className, 64);
    if (std::u16string_view(className, static_cast<size_t>(length)) == kScopeWindowClass) return window;
  }
  return nullptr;
}

std::u16string Escaped(std::u16string_view text) {
  std::u16string escaped;
  for (const char16_t c : text) {
    if (c == u'\\') {
      escaped += u"\\\\";
    } else if (c == u'\n') {
      escaped += u"\\n";
    } else {
      escaped += c;
    }
  }
  return escaped;
}

}  // namespace

std::u16string ScopeWindowState() {
  const HWND scope = FindScopeWindow();
  if (scope == nullptr || !IsWindowVisible(scope)) return u"hidden";
  RECT rect{};
  GetWindowRect(scope, &rect);
  const int length = GetWindowTextLengthW(scope);
  std::u16string title(static_cast<size_t>(length) + 1, u'\0');
  title.resize(static_cast<size_t>(GetWindowTextW(scope, title.data(), length + 1)));
  return FormatW(u"visible %d %d %d %d ", static_cast<int>(rect.left), static_cast<int>(rect.top),
                 static_cast<int>(rect.right - rect.left), static_cast<int>(rect.bottom - rect.top)) +
         Escaped(title);
}

}  // namespace acadsim
