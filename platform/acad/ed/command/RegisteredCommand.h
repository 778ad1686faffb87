// One command of the command stack, as addCommand made it.
#pragma once
#include <accmd.h>

#include <string>

namespace acadsim::command {

class RegisteredCommand : public AcEdCommand {
 public:
  RegisteredCommand(std::u16string globalName, std::u16string localName, Adesk::Int32 flags,
                    AcRxFunctionPtr function, AcEdUIContext* uiContext, int functionCode, HINSTANCE resourceHandle,
                    void* app);

  // Undefining sets ACRX_CMD_UNDEFINED: the command line then runs it only when "." is typed in front.
  void commandUndef(bool undefIt) override;
  Adesk::Int32 commandFlags() const override { return m_flags; }
  AcRxFunctionPtr functionAddr() const override { return m_function; }
  void functionAddr(AcRxFunctionPtr fhdl) override { m_function = fhdl; }
  void* commandApp() const override { return m_app; }
  AcEdUIContext* UIContext() const override { return m_uiContext; }
  int functionCode() const override { return m_functionCode; }
  void functionCode(int fcode) override { m_functionCode = fcode; }
  const ACHAR* globalName() const override { return m_globalName.c_str(); }
  const ACHAR* localName() const override { return m_localName.c_str(); }
  HINSTANCE resourceHandle() const override { return m_resourceHandle; }

 private:
  std::u16string m_globalName;
  std::u16string m_localName;
  Adesk::Int32 m_flags;
  AcRxFunctionPtr m_function;
  AcEdUIContext* m_uiContext;
  int m_functionCode;
  HINSTANCE m_resourceHandle;
  void* m_app;
};

}  // namespace acadsim::command
