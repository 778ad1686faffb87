// The command stack of the system registry: command groups, newest first, each with its commands in the
// order they were added.
#pragma once
#include <accmd.h>

#include <memory>
#include <string>
#include <vector>

#include "RegisteredCommand.h"

namespace acadsim::command {

class HostCommandStack : public AcEdCommandStack {
 public:
  struct Group {
    std::u16string name;
    std::vector<std::unique_ptr<RegisteredCommand>> commands;
  };

  // The command remembers the module that is running (CurrentModuleAppId) as its commandApp. A null function
  // is refused with eInvalidInput: the command line could only crash on it.
  Acad::ErrorStatus addCommand(const ACHAR* cmdGroupName, const ACHAR* cmdGlobalName, const ACHAR* cmdLocalName,
                               Adesk::Int32 commandFlags, AcRxFunctionPtr functionAddr, AcEdUIContext* UIContext,
                               int fcode, HINSTANCE hResourceHandle, AcEdCommand** cmdPtrRet) override;
  AcEdCommandIterator* iterator() override;
  AcEdCommand* lookupGlobalCmd(const ACHAR* cmdName) override;
  AcEdCommand* lookupLocalCmd(const ACHAR* cmdName) override;
  AcEdCommand* lookupCmd(const ACHAR* cmdName, bool globalFlag) override;
  Acad::ErrorStatus popGroupToTop(const ACHAR* cmdGroupName) override;
  Acad::ErrorStatus removeCmd(const ACHAR* cmdGroupName, const ACHAR* cmdGlobalName) override;
  // Removing a group deletes its commands; eKeyNotFound when there is no such group.
  Acad::ErrorStatus removeGroup(const ACHAR* groupName) override;

  const std::vector<Group>& groups() const { return m_groups; }

 private:
  std::vector<Group>::iterator findGroup(const ACHAR* name);

  std::vector<Group> m_groups;
};

}  // namespace acadsim::command
