// A registry key under HKEY_CURRENT_USER that falls back to the same path under HKEY_LOCAL_MACHINE for reading.
#pragma once
#include "host/registry/RegKeyPriorityW.h"

class RegKeyCULMW : public RegKeyPriorityW {
 public:
  RegKeyCULMW(const WCHAR* path, bool create, REGSAM access)
      : RegKeyPriorityW(path, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, create, access) {}
};
