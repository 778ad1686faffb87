#include "host/DemandLoad.h"

#include <winbase.h>

#include <memory>
#include <string>
#include <type_traits>

#include "host/registry/RegAcadApp.h"

namespace {

constexpr DWORD kLoadOnStartup = 0x2;
// Load at start-up (0x2), on command (0x4) and on request (0x8).
constexpr DWORD kFirstLoadCtrls = 0xE;
constexpr int kHdqUninstall = 9;

// A null or empty path would name the root itself.
bool IsKeyPath(const WCHAR* path) { return path != nullptr && path[0] != 0; }

// The flags as registered, 0 when none are (or when they are not a number).
DWORD ReadLoadCtrls(RegKeyW& key) {
  return key.QueryType(u"LoadCtrls") == REG_DWORD ? static_cast<DWORD>(key.GetDWord(u"LoadCtrls")) : 0;
}

struct LibraryRelease {
  void operator()(HMODULE library) const { FreeLibrary(library); }
};

void CallHdqInstall(const WCHAR* modulePath, const WCHAR* productKey) {
  std::u16string library(modulePath != nullptr ? modulePath : u"");
  size_t separator = library.find_last_of(u"\\/");
  // Only beside the module: a bare name would let the library search path choose the library.
  if (separator == std::u16string::npos) return;
  library.resize(separator + 1);
  library += u"HDQ.dll";
  std::unique_ptr<std::remove_pointer_t<HMODULE>, LibraryRelease> hdq(LoadLibraryW(library.c_str()));
  if (hdq == nullptr) return;
  if (FARPROC found = GetProcAddress(hdq.get(), "Install")) {
    auto install = reinterpret_cast<HdqInstallFn>(reinterpret_cast<void (*)()>(found));
    install(kHdqUninstall, productKey, 0, 0);
  }
}

}  // namespace

bool RegisterDemandLoad(const WCHAR* acadAppKeyPath, const WCHAR* modulePath, const DemandLoadTexts& texts) {
  if (!IsKeyPath(acadAppKeyPath)) return false;
  RegAcadApp key(acadAppKeyPath);
  if (!key.IsOpen()) return false;
  key.SetString(u"Loader", modulePath);
  key.SetString(u"Description", texts.description.c_str());
  if (key.QueryType(u"LoadCtrls") == REG_NONE) key.SetDWord(u"LoadCtrls", kFirstLoadCtrls);
  RegKeyW commands(u"Commands", key.Handle(), true, KEY_ALL_ACCESS);
  const std::u16string names[] = {texts.dialogCommandGlobal,        texts.dialogCommandLocal,
                                  u"-" + texts.dialogCommandGlobal, u"-" + texts.dialogCommandLocal,
                                  texts.peekCommandGlobal,          texts.peekCommandLocal,
                                  texts.startCommandGlobal,         texts.startCommandLocal};
  for (const std::u16string& name : names) commands.SetString(name.c_str(), name.c_str());
  return true;
}

bool UpdateStartupFlag(const WCHAR* acadAppKeyPath, bool autoLoad) {
  if (!IsKeyPath(acadAppKeyPath)) return false;
  RegAcadApp key(acadAppKeyPath);
  if (!key.IsOpen()) return false;
  DWORD flags = ReadLoadCtrls(key);
  flags = autoLoad ? flags | kLoadOnStartup : flags & ~kLoadOnStartup;
  return key.SetDWord(u"LoadCtrls", flags);
}

void UnregisterDemandLoad(const WCHAR* acadAppKeyPath, bool fullAutoCAD, const WCHAR* modulePath,
                          const WCHAR* productKey) {
  if (!fullAutoCAD) {
    CallHdqInstall(modulePath, productKey);
    return;
  }
  if (!IsKeyPath(acadAppKeyPath)) return;
  RegAcadApp key(acadAppKeyPath);
  key.DeleteTree(true);
  // Refused unless the user may write under HKEY_LOCAL_MACHINE; nothing more to do then.
  key.Secondary().DeleteTree(true);
}
