// A framework application that declares one class and one command and counts the messages it is given.
#include <AcExtensionModule.h>
#include <acrxEntryPoint.h>
#include <rxregsvc.h>

#include <string>

namespace {

AcRxClass* g_class = nullptr;
std::u16string g_log;

void InitClass() { g_class = newAcRxClass(u"QvKitThing", u"AcRxObject"); }
void UninitClass() {
  deleteAcRxClass(g_class);
  g_class = nullptr;
}
void Hello() {}

class CKitApp : public AcRxArxApp {
 public:
  CKitApp() {
    DeclareClass(&InitClass, &UninitClass);
    DeclareCommand(u"QVKIT", u"KITHELLO", u"HALLO", ACRX_CMD_TRANSPARENT, &Hello);
  }
  AcRx::AppRetCode On_kInitAppMsg(void* pkt) override {
    g_log += u"init;";
    return AcRxArxApp::On_kInitAppMsg(pkt);
  }
  AcRx::AppRetCode On_kUnloadAppMsg(void* pkt) override {
    g_log += u"unload;";
    return AcRxArxApp::On_kUnloadAppMsg(pkt);
  }
  AcRx::AppRetCode On_kLoadDwgMsg(void*) override {
    g_log += u"dwg;";
    return AcRx::kRetOK;
  }
  AcRx::AppRetCode On_kSaveMsg(void*) override {
    g_log += u"save;";
    return AcRx::kRetOK;
  }
  void RegisterServerComponents() override { g_log += u"server;"; }
};

}  // namespace

IMPLEMENT_ARX_ENTRYPOINT(CKitApp)

ACRX_EXPORT BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) CKitApptheApp.SetModuleInstance(instance);
  return TRUE;
}

// What the module was told, in order.
ACRX_EXPORT const char16_t* KitLog() { return g_log.c_str(); }
ACRX_EXPORT HINSTANCE KitInstance() { return CKitApptheApp.GetModuleInstance(); }
