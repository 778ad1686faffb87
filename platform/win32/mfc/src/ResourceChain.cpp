#include <afxdllx.h>

#include <algorithm>
#include <vector>

namespace {

HINSTANCE g_resourceHandle = nullptr;
bool g_resourceHandleSet = false;

std::vector<CDynLinkLibrary*>& Chain() {
  static std::vector<CDynLinkLibrary*> chain;
  return chain;
}

bool HasString(HINSTANCE module, UINT id) {
  const WCHAR* text = nullptr;
  return module != nullptr && LoadStringW(module, id, reinterpret_cast<LPWSTR>(&text), 0) > 0;
}

}  // namespace

HINSTANCE AFXAPI AfxGetInstanceHandle() { return GetModuleHandleW(nullptr); }

HINSTANCE AFXAPI AfxGetResourceHandle() { return g_resourceHandleSet ? g_resourceHandle : AfxGetInstanceHandle(); }

void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource) {
  g_resourceHandle = hInstResource;
  g_resourceHandleSet = true;
}

HINSTANCE AFXAPI AfxFindStringResourceHandle(UINT nID) {
  if (HINSTANCE current = AfxGetResourceHandle(); HasString(current, nID)) return current;
  for (CDynLinkLibrary* library : Chain()) {
    if (HasString(library->m_hResource, nID)) return library->m_hResource;
  }
  return nullptr;
}

BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule) {
  if (state.bInitialized) return TRUE;
  state.hModule = hModule;
  state.hResource = hModule;
  state.bInitialized = TRUE;
  return TRUE;
}

void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL) {
  // The libraries of a module that goes away must not stay in the chain with dangling handles.
  std::vector<CDynLinkLibrary*> leaving;
  for (CDynLinkLibrary* library : Chain())
    if (library->m_hModule == state.hModule) leaving.push_back(library);
  for (CDynLinkLibrary* library : leaving) delete library;
  state.bInitialized = FALSE;
}

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state) : m_hModule(state.hModule), m_hResource(state.hResource) {
  Chain().push_back(this);
}

CDynLinkLibrary::~CDynLinkLibrary() { std::erase(Chain(), this); }
