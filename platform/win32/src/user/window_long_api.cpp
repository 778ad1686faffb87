// GetWindowLongW, SetWindowLongW, GetWindowLongPtrW, SetWindowLongPtrW, SetWindowTextW, GetWindowTextW,
// GetWindowTextLengthW.
#include <cstring>

#include "user/user_state.h"
#include "winbase.h"

using namespace win32::user;

namespace {

bool ExtraRange(const Window& w, int index, size_t size) {
  if (index >= 0 && static_cast<size_t>(index) + size <= w.extra.size()) return true;
  SetLastError(ERROR_INVALID_INDEX);
  return false;
}

std::optional<LONG_PTR> Read(HWND hwnd, int index, size_t size) {
  Window* w = FindOrFail(hwnd);
  if (!w) return std::nullopt;
  switch (index) {
    case GWL_STYLE:
      return static_cast<LONG>(w->style);
    case GWL_EXSTYLE:
      return static_cast<LONG>(w->exStyle);
    case GWLP_WNDPROC:
      return reinterpret_cast<LONG_PTR>(w->proc);
    case GWLP_HINSTANCE:
      return reinterpret_cast<LONG_PTR>(w->instance);
    case GWLP_HWNDPARENT:
      return reinterpret_cast<LONG_PTR>(IsTopLevel(*w) ? w->owner : w->parent);
    case GWLP_ID:
      return w->id;
    case GWLP_USERDATA:
      return w->userData;
    default: {
      if (!ExtraRange(*w, index, size)) return std::nullopt;
      LONG_PTR value = 0;
      if (size == sizeof(LONG)) {
        LONG narrow;
        std::memcpy(&narrow, w->extra.data() + index, size);
        value = narrow;
      } else {
        std::memcpy(&value, w->extra.data() + index, size);
      }
      return value;
    }
  }
}

// WS_EX_TOPMOST changes only through SetWindowPos, as on Windows: the bit written here is ignored.
std::optional<LONG_PTR> Write(HWND hwnd, int index, LONG_PTR value, size_t size) {
  std::optional<LONG_PTR> old = Read(hwnd, index, size);
  if (!old) return std::nullopt;
  Window* w = Find(hwnd);
  switch (index) {
    case GWL_STYLE:
      w->style = static_cast<DWORD>(value);
      break;
    case GWL_EXSTYLE:
      w->exStyle = (static_cast<DWORD>(value) & ~WS_EX_TOPMOST) | (w->exStyle & WS_EX_TOPMOST);
      break;
    case GWLP_WNDPROC:
      if (!value) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return std::nullopt;
      }
      w->proc = reinterpret_cast<WNDPROC>(value);
      break;
    case GWLP_HINSTANCE:
      w->instance = reinterpret_cast<HINSTANCE>(value);
      break;
    case GWLP_HWNDPARENT:
      if (IsTopLevel(*w)) w->owner = RootOf(reinterpret_cast<HWND>(value));
      break;
    case GWLP_ID:
      w->id = value;
      break;
    case GWLP_USERDATA:
      w->userData = value;
      break;
    default:
      if (size == sizeof(LONG)) {
        LONG narrow = static_cast<LONG>(value);
        std::memcpy(w->extra.data() + index, &narrow, size);
      } else {
        std::memcpy(w->extra.data() + index, &value, size);
      }
  }
  return old;
}

}  // namespace

extern "C" LONG WINAPI GetWindowLongW(HWND hWnd, int index) {
  return static_cast<LONG>(Read(hWnd, index, sizeof(LONG)).value_or(0));
}

// The previous value; 0 is also a success when GetLastError stays 0, as Windows documents.
extern "C" LONG WINAPI SetWindowLongW(HWND hWnd, int index, LONG value) {
  SetLastError(0);
  return static_cast<LONG>(Write(hWnd, index, value, sizeof(LONG)).value_or(0));
}

extern "C" LONG_PTR WINAPI GetWindowLongPtrW(HWND hWnd, int index) {
  return Read(hWnd, index, sizeof(LONG_PTR)).value_or(0);
}

extern "C" LONG_PTR WINAPI SetWindowLongPtrW(HWND hWnd, int index, LONG_PTR value) {
  SetLastError(0);
  return Write(hWnd, index, value, sizeof(LONG_PTR)).value_or(0);
}

extern "C" BOOL WINAPI SetWindowTextW(HWND hWnd, LPCWSTR text) {
  if (!FindOrFail(hWnd)) return FALSE;
  return Send(hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) ? TRUE : FALSE;
}

extern "C" int WINAPI GetWindowTextW(HWND hWnd, LPWSTR text, int maxCount) {
  if (!FindOrFail(hWnd) || !text || maxCount <= 0) return 0;
  return static_cast<int>(Send(hWnd, WM_GETTEXT, maxCount, reinterpret_cast<LPARAM>(text)));
}

extern "C" int WINAPI GetWindowTextLengthW(HWND hWnd) {
  if (!FindOrFail(hWnd)) return 0;
  return static_cast<int>(Send(hWnd, WM_GETTEXTLENGTH, 0, 0));
}
