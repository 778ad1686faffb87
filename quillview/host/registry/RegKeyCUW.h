// A registry key under HKEY_CURRENT_USER.
#pragma once
#include "host/registry/RegKeyW.h"

class RegKeyCUW : public RegKeyW {
 public:
  RegKeyCUW(const WCHAR* path, bool create, REGSAM access) : RegKeyW(path, HKEY_CURRENT_USER, create, access) {}
};
