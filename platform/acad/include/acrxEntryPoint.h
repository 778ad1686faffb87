// The ObjectARX application framework a module derives its application object from: it turns the host's
// messages into virtual calls and does the standard steps of loading and unloading (compiled into the module
// from the kit library arxkit).
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "accmd.h"
#include "rxdefs.h"

class AcRxDynPropManager;

class AcRxDbxApp {
 public:
  AcRxDbxApp();
  virtual ~AcRxDbxApp();
  AcRxDbxApp(const AcRxDbxApp&) = delete;
  AcRxDbxApp& operator=(const AcRxDbxApp&) = delete;

  // Unlocks and registers MDI awareness as the flags say, registers the server components, then
  // initialises the declared classes and, when there were any, builds the class hierarchy.
  virtual AcRx::AppRetCode On_kInitAppMsg(void* pkt);
  // Deletes the declared classes, the last declared first.
  virtual AcRx::AppRetCode On_kUnloadAppMsg(void* pkt);
  virtual AcRx::AppRetCode On_kLoadDwgMsg(void* pkt);
  virtual AcRx::AppRetCode On_kUnloadDwgMsg(void* pkt);
  virtual AcRx::AppRetCode On_kInvkSubrMsg(void* pkt);
  virtual AcRx::AppRetCode On_kCfgMsg(void* pkt);
  virtual AcRx::AppRetCode On_kEndMsg(void* pkt);
  virtual AcRx::AppRetCode On_kQuitMsg(void* pkt);
  virtual AcRx::AppRetCode On_kSaveMsg(void* pkt);
  virtual AcRx::AppRetCode On_kDependencyMsg(void* pkt);
  virtual AcRx::AppRetCode On_kNoDependencyMsg(void* pkt);
  virtual AcRx::AppRetCode On_kOleUnloadAppMsg(void* pkt);
  virtual AcRx::AppRetCode On_kPreQuitMsg(void* pkt);
  virtual AcRx::AppRetCode On_kInitDialogMsg(void* pkt);
  virtual AcRx::AppRetCode On_kEndDialogMsg(void* pkt);
  virtual AcRx::AppRetCode On_kSuspendMsg(void* pkt);
  virtual void RegisterServerComponents();

  // Calls the operation of msg; any other message answers kRetOK.
  AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void* pkt);
  HINSTANCE& GetModuleInstance() { return m_hdllInstance; }
  void SetModuleInstance(HINSTANCE instance) { m_hdllInstance = instance; }

 protected:
  // A run-time class of the module: rxInit creates it at kInitAppMsg, rxUninit deletes it at kUnloadAppMsg.
  void DeclareClass(void (*rxInit)(), void (*rxUninit)());

  HINSTANCE m_hdllInstance = nullptr;
  bool m_bUnlocked = true;
  bool m_bMDIAware = true;

 private:
  struct ClassEntry {
    void (*rxInit)();
    void (*rxUninit)();
  };
  std::vector<ClassEntry> m_classes;
};

class AcRxArxApp : public AcRxDbxApp {
 public:
  // The framework's steps, then the dynamic-property manager, then the declared commands.
  AcRx::AppRetCode On_kInitAppMsg(void* pkt) override;
  // Deletes the classes, the dynamic-property manager and removes the declared commands.
  AcRx::AppRetCode On_kUnloadAppMsg(void* pkt) override;

 protected:
  // A command registered at kInitAppMsg with the module's resources, removed (group, global name) at unload.
  void DeclareCommand(std::u16string group, std::u16string globalName, std::u16string localName,
                      Adesk::Int32 flags, AcRxFunctionPtr function);
  bool HasDeclaredCommands() const { return !m_commands.empty(); }

  AcRxDynPropManager* m_pDynPropManager = nullptr;

 private:
  struct CommandEntry {
    std::u16string group, globalName, localName;
    Adesk::Int32 flags;
    AcRxFunctionPtr function;
  };
  std::vector<CommandEntry> m_commands;
};

#define ACRX_EXPORT extern "C" __attribute__((visibility("default")))

// The module's application object and the two exports the host looks for; nothing the module throws
// crosses into the host.
#define IMPLEMENT_ARX_ENTRYPOINT(classname)                                      \
  classname classname##theApp;                                                   \
  ACRX_EXPORT AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void* pkt) { \
    try {                                                                        \
      return classname##theApp.acrxEntryPoint(msg, pkt);                         \
    } catch (...) {                                                              \
      return AcRx::kRetError;                                                    \
    }                                                                            \
  }                                                                              \
  ACRX_EXPORT int acrxGetApiVersion() { return 0x110000; }
