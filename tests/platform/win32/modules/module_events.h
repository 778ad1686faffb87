// How the test modules report what happens to them: the test executable exports this function.
#pragma once
#include <windows.h>

typedef void (*RecordModuleEventFn)(const char* event);

inline void RecordModuleEvent(const char* event) {
  // Through void(*)(), as the compiler accepts any function pointer cast from that type.
  auto record = reinterpret_cast<RecordModuleEventFn>(reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(nullptr), "RecordModuleEvent")));
  if (record) record(event);
}
