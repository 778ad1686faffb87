#include "host/QuillviewApp.h"

#include <AcExtensionModule.h>
#include <acedads.h>
#include <acutads.h>
#include <rxregsvc.h>

#include <iterator>
#include <vector>

#include "describe/ClassTable.h"
#include "describe/ExtenderRegistry.h"
#include "host/DemandLoad.h"
#include "host/HostKind.h"
#include "host/ModuleInstance.h"
#include "host/ModuleStrings.h"
#include "hover/CommandReactor.h"
#include "hover/RolloverTips.h"
#include "hover/Scope.h"

namespace {

constexpr const WCHAR* kServiceName = u"Tessaray.Quillview";

struct FileVersion {
  unsigned major = 0, minor = 0, build = 0, revision = 0;
};

// The module's own file version; all zero when it cannot be read.
FileVersion ReadModuleFileVersion() {
  FileVersion version;
  WCHAR path[MAX_PATH] = {};
  if (GetModuleFileNameW(ModuleInstance(), path, MAX_PATH) == 0) return version;
  char ansiPath[4 * MAX_PATH] = {};
  if (WideCharToMultiByte(CP_ACP, 0, path, -1, ansiPath, sizeof ansiPath, nullptr, nullptr) == 0) return version;
  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSizeA(ansiPath, &handle);
  if (size == 0) return version;
  std::vector<BYTE> block(size);
  if (!GetFileVersionInfoA(ansiPath, 0, size, block.data())) return version;
  VS_FIXEDFILEINFO* info = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(block.data(), "\\", reinterpret_cast<LPVOID*>(&info), &length) || info == nullptr ||
      length < sizeof(VS_FIXEDFILEINFO)) {
    return version;
  }
  version = {HIWORD(info->dwFileVersionMS), LOWORD(info->dwFileVersionMS), HIWORD(info->dwFileVersionLS),
             LOWORD(info->dwFileVersionLS)};
  return version;
}

void PrintBanner() {
  const FileVersion version = ReadModuleFileVersion();
  CString banner;
  if (banner.LoadString(IDS_LOAD_BANNER)) {
    acutPrintf(banner, static_cast<int>(version.major), static_cast<int>(version.minor),
               static_cast<int>(version.build), static_cast<int>(version.revision));
  }
}

std::u16string ModuleFilePath() {
  WCHAR path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(ModuleInstance(), path, MAX_PATH);
  return std::u16string(path, length);
}

DemandLoadTexts RegistrationTexts() {
  return {ModuleString(IDS_DESCRIPTION),     ModuleString(IDS_CMD_SETTINGS_GLOBAL), ModuleString(IDS_CMD_SETTINGS_LOCAL),
          ModuleString(IDS_CMD_PEEK_GLOBAL), ModuleString(IDS_CMD_PEEK_LOCAL),      ModuleString(IDS_CMD_START_GLOBAL),
          ModuleString(IDS_CMD_START_LOCAL)};
}

void RemoveService() {
  AcRxDictionary* services = AcRxDictionary::cast(acrxSysRegistry()->at(ACRX_SERVICE_DICTIONARY));
  if (services != nullptr) delete services->remove(kServiceName);
}

}  // namespace

CQuillviewApp::CQuillviewApp() {
  const WCHAR* productKey = acrxProductKey();
  const std::u16string path = std::u16string(productKey != nullptr ? productKey : u"") + u"\\Applications\\Quillview";
  lstrcpynW(m_acadAppKeyPath, path.c_str(), static_cast<int>(kAcadAppKeyPathChars));
}

CQuillviewApp::~CQuillviewApp() = default;

bool CQuillviewApp::Start() {
  {
    CAcModuleResourceOverride resources(ModuleInstance());
    PrintBanner();
  }
  acrxRegisterService(kServiceName);
  CreateClassTable();
  if (IsFullAutoCAD()) {
    CAcModuleResourceOverride resources(ModuleInstance());
    RegisterDemandLoad(m_acadAppKeyPath, ModuleFilePath().c_str(), RegistrationTexts());
  }
  Scope();
  LoadSettings();
  if (!InstallHooks()) return false;
  m_commandReactor = std::make_unique<CommandReactor>();
  return true;
}

void CQuillviewApp::Stop() {
  RemoveHooks();
  m_scope.reset();
  m_extenders.reset();
  DestroyClassTable();
  RemoveService();
  m_commandReactor.reset();
  RestoreRolloverTips(m_rolloverTipsTurnedOff);
}

bool CQuillviewApp::InstallHooks() {
  for (size_t i = 0; i < std::size(kThreadHooks); ++i) {
    m_hooks[i] = SetWindowsHookExW(kThreadHooks[i].type, kThreadHooks[i].procedure, nullptr, GetCurrentThreadId());
    if (m_hooks[i] == nullptr) return false;
  }
  return true;
}

void CQuillviewApp::RemoveHooks() {
  for (HHOOK& hook : m_hooks) {
    if (hook != nullptr) UnhookWindowsHookEx(hook);
    hook = nullptr;
  }
}

CScope& CQuillviewApp::Scope() {
  if (m_scope == nullptr) m_scope = std::make_unique<CScope>(adsw_acadMainWnd());
  return *m_scope;
}

ExtenderRegistry& CQuillviewApp::Extenders() {
  if (m_extenders == nullptr) m_extenders = std::make_unique<ExtenderRegistry>();
  return *m_extenders;
}
