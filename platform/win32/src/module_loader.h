// Symbols of one module, for the resource and procedure functions.
#pragma once
#include "windef.h"

namespace win32 {

// NULL means the executable, as for every module function.
const void* ModuleBase(HMODULE module);
// A symbol the module itself defines (not one of its dependencies), or nullptr.
void* ModuleOwnSymbol(HMODULE module, const char* name);

}  // namespace win32
