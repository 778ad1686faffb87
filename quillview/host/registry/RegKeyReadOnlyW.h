// A registry key that refuses every write, whatever access it was opened with.
#pragma once
#include "host/registry/RegKeyW.h"

class RegKeyReadOnlyW : public RegKeyW {
 public:
  using RegKeyW::RegKeyW;

  bool IsWritable() const override;
  bool SetBinary(const WCHAR* name, const BYTE* data, DWORD size) override;
  bool SetDWord(const WCHAR* name, DWORD value) override;
  bool SetString(const WCHAR* name, const WCHAR* text) override;
  bool DeleteValue(const WCHAR* name) override;
};
