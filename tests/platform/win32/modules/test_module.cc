// A module with a DllMain, a static object and resources, loaded by the loader tests.
#include <windows.h>

#include "module_events.h"

namespace {

HINSTANCE ownInstance = nullptr;

struct StaticWitness {
  StaticWitness() { RecordModuleEvent("constructed"); }
  ~StaticWitness() { RecordModuleEvent("destroyed"); }
};
StaticWitness witness;

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    ownInstance = instance;
    RecordModuleEvent(instance == GetModuleHandleW(u"qvtestmod") ? "attach own-handle" : "attach wrong-handle");
  } else if (reason == DLL_PROCESS_DETACH) {
    RecordModuleEvent("detach");
  }
  return TRUE;
}

extern "C" HINSTANCE TestModuleInstance() { return ownInstance; }

extern "C" int TestModuleLoadString(UINT id, WCHAR* buffer, int size) { return LoadStringW(ownInstance, id, buffer, size); }
