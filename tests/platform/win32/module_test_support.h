// Shared by the loader, resource and version tests: where the test modules are, what they reported.
#pragma once
#include <dlfcn.h>

#include <string>
#include <vector>

#include <windows.h>

std::vector<std::string>& ModuleEvents();
extern "C" void RecordModuleEvent(const char* event);
std::u16string TestModulePath(const char* fileName);
// True while the file is mapped into the process (dlopen with RTLD_NOLOAD finds it).
bool IsMapped(const std::u16string& path);
// True while /proc/self/maps lists a mapping of the file.
bool IsInMemoryMap(const std::u16string& path);

template <typename Fn>
Fn ProcAs(HMODULE module, const char* name) {
  return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}
