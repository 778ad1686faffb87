// The module's demand-load key of the host, always created under the current user with full access.
#pragma once
#include "host/registry/RegKeyCULMW.h"

class RegAcadApp : public RegKeyCULMW {
 public:
  // acadAppKeyPath: the host's product key followed by "\Applications\Quillview".
  explicit RegAcadApp(const WCHAR* acadAppKeyPath) : RegKeyCULMW(acadAppKeyPath, true, KEY_ALL_ACCESS) {}
};
