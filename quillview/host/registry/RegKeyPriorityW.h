// The same relative path under two roots: reads look in the primary first, then in the secondary;
// writes go to the primary only.
#pragma once
#include "host/registry/RegKeyW.h"

class RegKeyPriorityW : public RegKeyW {
 public:
  // The primary is opened or created as asked; the secondary is only opened, for reading alone when
  // the access asked for is refused there (a standard user may read HKEY_LOCAL_MACHINE, not write).
  RegKeyPriorityW(const WCHAR* path, HKEY primaryRoot, HKEY secondaryRoot, bool create, REGSAM access);
  ~RegKeyPriorityW() override;

  const WCHAR* GetString(const WCHAR* name) override;
  LONG GetDWord(const WCHAR* name) override;
  const BYTE* GetBinary(const WCHAR* name, DWORD* size) override;
  // The primary's value when it could be deleted there, else the secondary's.
  bool DeleteValue(const WCHAR* name) override;
  DWORD QueryValue(const WCHAR* name, DWORD* size) override;
  DWORD QueryType(const WCHAR* name) override;

  RegKeyW& Secondary() { return m_secondary; }

 private:
  RegKeyW m_secondary;
};
