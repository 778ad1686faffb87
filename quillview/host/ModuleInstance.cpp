#include "host/ModuleInstance.h"

#include <windows.h>

#include "quillview/QuillviewApi.h"

namespace {

HINSTANCE g_instance = nullptr;

}  // namespace

HINSTANCE ModuleInstance() { return g_instance; }

QUILLVIEW_EXPORT BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  if (reason == DLL_PROCESS_ATTACH) g_instance = instance;
  if (reason == DLL_PROCESS_DETACH) g_instance = nullptr;
  return TRUE;
}
