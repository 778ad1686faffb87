// The program's own key under the current user; the settings live in its subkeys.
#pragma once
#include "host/registry/RegKeyCUW.h"

class RegAppCU : public RegKeyCUW {
 public:
  static constexpr const WCHAR* kPath = u"Software\\Tessaray\\Quillview\\3.0";

  RegAppCU(bool create, REGSAM access) : RegKeyCUW(kPath, create, access) {}
};
