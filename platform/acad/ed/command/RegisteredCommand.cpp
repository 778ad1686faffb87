#include "RegisteredCommand.h"

namespace acadsim::command {

RegisteredCommand::RegisteredCommand(std::u16string globalName, std::u16string localName, Adesk::Int32 flags,
                                     AcRxFunctionPtr function, AcEdUIContext* uiContext, int functionCode,
                                     HINSTANCE resourceHandle, void* app)
    : m_globalName(std::move(globalName)),
      m_localName(std::move(localName)),
      m_flags(flags),
      m_function(function),
      m_uiContext(uiContext),
      m_functionCode(functionCode),
      m_resourceHandle(resourceHandle),
      m_app(app) {}

void RegisteredCommand::commandUndef(bool undefIt) {
  if (undefIt) {
    m_flags |= ACRX_CMD_UNDEFINED;
  } else {
    m_flags &= ~ACRX_CMD_UNDEFINED;
  }
}

}  // namespace acadsim::command
