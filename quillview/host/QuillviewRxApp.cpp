#include "host/QuillviewRxApp.h"

#include <acedads.h>
#include <acui.h>
#include <acutads.h>
#include <afxdllx.h>

#include "describe/QuillviewPX.h"
#include "host/Commands.h"
#include "host/LispFunction.h"
#include "host/ModuleStrings.h"
#include "host/QuillviewApp.h"
#include "hover/Scope.h"
#include "quillview/QuillviewApi.h"

IMPLEMENT_ARX_ENTRYPOINT(CQuillviewRxApp)

namespace {

AFX_EXTENSION_MODULE g_extensionModule = {FALSE, nullptr, nullptr};

}  // namespace

CQuillviewRxApp& QuillviewRxApp() { return CQuillviewRxApptheApp; }

CQuillviewRxApp::CQuillviewRxApp() { DeclareClass(&QuillviewPX::rxInit, &QuillviewPX::rxUninit); }

// Refuses the load when the string table cannot be read: every text the module shows comes from it.
AcRx::AppRetCode CQuillviewRxApp::On_kInitAppMsg(void* pkt) {
  if (!LoadModuleStrings(m_hdllInstance)) return AcRx::kRetError;
  if (!HasDeclaredCommands()) {
    const std::u16string group = CommandGroupName();
    for (const ModuleCommand& command : BuildModuleCommands()) {
      DeclareCommand(group, command.globalName, command.localName, ACRX_CMD_TRANSPARENT, command.function);
    }
  }
  AcRxArxApp::On_kInitAppMsg(pkt);
  m_initialised = true;
  QuillviewApp().Start();
  return AcRx::kRetOK;
}

// The describers unbind through the QuillviewPX class, so the application stops before the class goes.
AcRx::AppRetCode CQuillviewRxApp::On_kUnloadAppMsg(void* pkt) {
  m_initialised = false;
  QuillviewApp().Stop();
  const AcRx::AppRetCode result = AcRxArxApp::On_kUnloadAppMsg(pkt);
  FreeModuleStrings();
  return result;
}

AcRx::AppRetCode CQuillviewRxApp::On_kLoadDwgMsg(void*) {
  DefineLispFunction();
  return AcRx::kRetOK;
}

AcRx::AppRetCode CQuillviewRxApp::On_kUnloadDwgMsg(void*) {
  UndefineLispFunction();
  if (QuillviewApp().HasScope()) QuillviewApp().Scope().HideAndArm(0);
  return AcRx::kRetOK;
}

AcRx::AppRetCode CQuillviewRxApp::On_kInvkSubrMsg(void*) {
  InvokeLispFunction(acedGetFunCode());
  return AcRx::kRetOK;
}

void CQuillviewRxApp::RegisterServerComponents() {
  if (FAILED(DllRegisterServer())) acutPrintf(u"Failed to register COM server.\n");
}

QUILLVIEW_EXPORT BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    QuillviewRxApp().SetModuleInstance(instance);
    if (!g_extensionModule.bInitialized) AfxInitExtensionModule(g_extensionModule, instance);
    new CDynLinkLibrary(g_extensionModule);
    InitAcUiDLL();
  } else if (reason == DLL_PROCESS_DETACH) {
    AfxTermExtensionModule(g_extensionModule);
  }
  return TRUE;
}
