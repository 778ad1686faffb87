// A module whose DllMain refuses the attach.
#include <windows.h>

#include "module_events.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
  RecordModuleEvent(reason == DLL_PROCESS_ATTACH ? "fail attach" : reason == DLL_PROCESS_DETACH ? "fail detach" : "fail other");
  return FALSE;
}
