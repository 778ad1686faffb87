// The module's demand-load registration with the host, its start-up flag, and its removal at uninstall.
#pragma once
#include <windef.h>

#include <string>

// The texts the registration writes, from the module's string table.
struct DemandLoadTexts {
  std::u16string description;          // string 3
  std::u16string dialogCommandGlobal;  // string 16
  std::u16string dialogCommandLocal;   // string 17
  std::u16string peekCommandGlobal;    // string 18
  std::u16string peekCommandLocal;     // string 19
  std::u16string startCommandGlobal;   // string 20
  std::u16string startCommandLocal;    // string 21
};

// "Install" of the sibling library HDQ.dll, of the C calling convention; the product key is passed as the
// pointer it is (32 bits wide on the original 32-bit build).
extern "C" typedef int (*HdqInstallFn)(int code, const WCHAR* productKey, int reserved1, int reserved2);

// Writes "Loader" (modulePath), "Description", "LoadCtrls" 14 unless one exists under HKCU or HKLM, and the
// subkey "Commands" under HKEY_CURRENT_USER\acadAppKeyPath. False when that key cannot be opened or created.
bool RegisterDemandLoad(const WCHAR* acadAppKeyPath, const WCHAR* modulePath, const DemandLoadTexts& texts);

// Sets (autoLoad) or clears the flag 0x2 of "LoadCtrls", read from HKCU, else HKLM, else 0, and written to
// HKCU. False when the HKCU key cannot be opened or created.
bool UpdateStartupFlag(const WCHAR* acadAppKeyPath, bool autoLoad);

// On full AutoCAD removes the registration (HKCU, and HKLM where the user may write) with the parents it
// leaves empty. On other hosts calls Install(9, productKey, 0, 0) of HDQ.dll in the folder of modulePath,
// when the library and its function exist.
void UnregisterDemandLoad(const WCHAR* acadAppKeyPath, bool fullAutoCAD, const WCHAR* modulePath,
                          const WCHAR* productKey);
