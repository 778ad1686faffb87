#include <acrxEntryPoint.h>
#include <dynpropmgr.h>
#include <rxregsvc.h>

AcRx::AppRetCode AcRxArxApp::On_kInitAppMsg(void* pkt) {
  const AcRx::AppRetCode result = AcRxDbxApp::On_kInitAppMsg(pkt);
  delete m_pDynPropManager;
  m_pDynPropManager = new AcRxDynPropManager();
  if (AcEdCommandStack* stack = acedRegCmds) {
    for (const CommandEntry& command : m_commands) {
      stack->addCommand(command.group.c_str(), command.globalName.c_str(), command.localName.c_str(), command.flags,
                        command.function, nullptr, -1, m_hdllInstance);
    }
  }
  return result;
}

AcRx::AppRetCode AcRxArxApp::On_kUnloadAppMsg(void* pkt) {
  const AcRx::AppRetCode result = AcRxDbxApp::On_kUnloadAppMsg(pkt);
  delete m_pDynPropManager;
  m_pDynPropManager = nullptr;
  if (AcEdCommandStack* stack = acedRegCmds) {
    for (const CommandEntry& command : m_commands) stack->removeCmd(command.group.c_str(), command.globalName.c_str());
  }
  return result;
}

void AcRxArxApp::DeclareCommand(std::u16string group, std::u16string globalName, std::u16string localName,
                                Adesk::Int32 flags, AcRxFunctionPtr function) {
  m_commands.push_back({std::move(group), std::move(globalName), std::move(localName), flags, function});
}
