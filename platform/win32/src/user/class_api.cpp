// RegisterClassExW, RegisterClassW, UnregisterClassW, GetClassInfoExW, GetClassNameW.
#include <algorithm>

#include "user/atom_table.h"
#include "user/user_state.h"
#include "winbase.h"

using namespace win32::user;

namespace win32::user {

// A class for a window of an instance: the instance's own, then a global one.
std::shared_ptr<WindowClass> FindClass(const std::u16string& name, HINSTANCE instance, bool anyInstance) {
  std::shared_ptr<WindowClass> global;
  for (auto& cls : S().classes) {
    if (!SameName(cls->name, name)) continue;
    if (cls->info.hInstance == instance || anyInstance) return cls;
    if (cls->info.style & CS_GLOBALCLASS) global = cls;
  }
  return global;
}

}  // namespace win32::user

extern "C" ATOM WINAPI RegisterClassExW(const WNDCLASSEXW* wc) {
  if (!wc || wc->cbSize != sizeof(WNDCLASSEXW) || !wc->lpfnWndProc || !wc->lpszClassName || wc->cbClsExtra < 0 ||
      wc->cbWndExtra < 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  std::u16string name = NameOf(wc->lpszClassName);
  if (name.empty()) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  for (auto& cls : S().classes) {
    bool clash = cls->info.hInstance == wc->hInstance || ((cls->info.style | wc->style) & CS_GLOBALCLASS);
    if (SameName(cls->name, name) && clash) {
      SetLastError(ERROR_CLASS_ALREADY_EXISTS);
      return 0;
    }
  }
  auto cls = std::make_shared<WindowClass>();
  cls->atom = AddAtom(name);
  cls->name = name;
  cls->info = *wc;
  if (wc->lpszMenuName && !IS_INTRESOURCE(wc->lpszMenuName)) {
    cls->menuName = wc->lpszMenuName;
    cls->info.lpszMenuName = cls->menuName.c_str();
  }
  cls->info.lpszClassName = nullptr;
  S().classes.push_back(cls);
  return cls->atom;
}

extern "C" ATOM WINAPI RegisterClassW(const WNDCLASSW* wc) {
  if (!wc) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  WNDCLASSEXW ex{sizeof ex,         wc->style,        wc->lpfnWndProc,   wc->cbClsExtra,
                 wc->cbWndExtra,    wc->hInstance,    wc->hIcon,         wc->hCursor,
                 wc->hbrBackground, wc->lpszMenuName, wc->lpszClassName, nullptr};
  return RegisterClassExW(&ex);
}

extern "C" BOOL WINAPI UnregisterClassW(LPCWSTR className, HINSTANCE hInstance) {
  std::u16string name = NameOf(className);
  auto& classes = S().classes;
  auto it = std::find_if(classes.begin(), classes.end(), [&](auto& cls) {
    return SameName(cls->name, name) && cls->info.hInstance == hInstance;
  });
  if (it == classes.end()) {
    SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
    return FALSE;
  }
  if ((*it)->windowCount > 0) {
    SetLastError(ERROR_CLASS_HAS_WINDOWS);
    return FALSE;
  }
  classes.erase(it);
  return TRUE;
}

// A null instance finds a class of any instance, as the system classes are found.
extern "C" BOOL WINAPI GetClassInfoExW(HINSTANCE hInstance, LPCWSTR className, LPWNDCLASSEXW wc) {
  auto cls = FindClass(NameOf(className), hInstance, hInstance == nullptr);
  if (!cls || !wc) {
    SetLastError(cls ? ERROR_INVALID_PARAMETER : ERROR_CLASS_DOES_NOT_EXIST);
    return FALSE;
  }
  *wc = cls->info;
  wc->cbSize = sizeof(WNDCLASSEXW);
  wc->lpszClassName = className;
  return cls->atom;
}

extern "C" int WINAPI GetClassNameW(HWND hWnd, LPWSTR className, int maxCount) {
  Window* w = FindOrFail(hWnd);
  if (!w) return 0;
  if (!className || maxCount <= 0) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  int n = std::min<int>(maxCount - 1, static_cast<int>(w->cls->name.size()));
  std::copy_n(w->cls->name.begin(), n, className);
  className[n] = 0;
  return n;
}
