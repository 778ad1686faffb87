#include "hover/ScopeWindowClass.h"

namespace {

// Registered once at module load; every sender and the procedure use this one value.
const UINT g_hideScopeMessage = RegisterWindowMessageW(u"Tessaray/Quillview/HideScope");

// Unregisters the class at module unload, with the instance it was registered for.
class ScopeWindowClass {
 public:
  ScopeWindowClass() = default;
  ~ScopeWindowClass() {
    if (m_registered) UnregisterClassW(kScopeClassName, m_instance);
  }
  ScopeWindowClass(const ScopeWindowClass&) = delete;
  ScopeWindowClass& operator=(const ScopeWindowClass&) = delete;

  void Register(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (GetClassInfoExW(instance, kScopeClassName, &wc)) return;
    wc = WNDCLASSEXW{};
    wc.cbSize = sizeof wc;
    wc.style = CS_SAVEBITS;
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.hbrBackground = GetSysColorBrush(COLOR_INFOBK);
    wc.lpszClassName = kScopeClassName;
    if (RegisterClassExW(&wc) == 0) return;
    m_registered = true;
    m_instance = instance;
  }

 private:
  bool m_registered = false;
  HINSTANCE m_instance = nullptr;
};

ScopeWindowClass g_scopeClass;
ScopeMap g_scopes;

}  // namespace

UINT HideScopeMessage() { return g_hideScopeMessage; }

void RegisterScopeClass(HINSTANCE instance, WNDPROC procedure) { g_scopeClass.Register(instance, procedure); }

ScopeMap& Scopes() { return g_scopes; }

CScope* ScopeOfWindow(HWND window) {
  CScope* scope = nullptr;
  return g_scopes.Lookup(window, scope) ? scope : nullptr;
}
