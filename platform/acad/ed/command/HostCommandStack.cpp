#include "HostCommandStack.h"

#include <acadsim/Modules.h>

#include <algorithm>
#include <string_view>

#include "../../rx/SystemRegistry.h"
#include "NameCompare.h"

namespace acadsim::command {
namespace {

bool IsName(const ACHAR* name) { return name != nullptr && *name != 0; }

// Walks the groups as they stand at each step, so commands removed meanwhile end the walk instead of
// leaving it on freed memory.
class HostCommandIterator : public AcEdCommandIterator {
 public:
  explicit HostCommandIterator(const HostCommandStack& stack) : m_stack(stack) {}

  bool done() const override {
    skipEmptyGroups();
    return m_group >= m_stack.groups().size();
  }
  bool next() override {
    if (done()) return false;
    ++m_command;
    return !done();
  }
  const AcEdCommand* command() const override {
    return done() ? nullptr : m_stack.groups()[m_group].commands[m_command].get();
  }
  const ACHAR* commandGroup() const override { return done() ? nullptr : m_stack.groups()[m_group].name.c_str(); }

 private:
  // Every access moves past positions that removals emptied, so it never indexes beyond a group's end.
  void skipEmptyGroups() const {
    while (m_group < m_stack.groups().size() && m_command >= m_stack.groups()[m_group].commands.size()) {
      ++m_group;
      m_command = 0;
    }
  }

  const HostCommandStack& m_stack;
  mutable size_t m_group = 0;
  mutable size_t m_command = 0;
};

template <typename NameOf>
AcEdCommand* Lookup(const std::vector<HostCommandStack::Group>& groups, const ACHAR* name, NameOf nameOf) {
  if (!IsName(name)) return nullptr;
  for (const HostCommandStack::Group& group : groups) {
    for (const auto& command : group.commands) {
      if (EqualNoCase(nameOf(*command), name)) return command.get();
    }
  }
  return nullptr;
}

}  // namespace

std::vector<HostCommandStack::Group>::iterator HostCommandStack::findGroup(const ACHAR* name) {
  return std::find_if(m_groups.begin(), m_groups.end(),
                      [&](const Group& group) { return IsName(name) && EqualNoCase(group.name, name); });
}

Acad::ErrorStatus HostCommandStack::addCommand(const ACHAR* cmdGroupName, const ACHAR* cmdGlobalName,
                                               const ACHAR* cmdLocalName, Adesk::Int32 commandFlags,
                                               AcRxFunctionPtr functionAddr, AcEdUIContext* UIContext, int fcode,
                                               HINSTANCE hResourceHandle, AcEdCommand** cmdPtrRet) {
  if (!IsName(cmdGroupName) || !IsName(cmdGlobalName) || !IsName(cmdLocalName) || functionAddr == nullptr) {
    return Acad::eInvalidInput;
  }
  auto group = findGroup(cmdGroupName);
  if (group != m_groups.end()) {
    for (const auto& command : group->commands) {
      if (EqualNoCase(command->globalName(), cmdGlobalName) || EqualNoCase(command->localName(), cmdLocalName)) {
        return Acad::eDuplicateKey;
      }
    }
  } else {
    group = m_groups.insert(m_groups.begin(), Group{cmdGroupName, {}});
  }
  group->commands.push_back(std::make_unique<RegisteredCommand>(cmdGlobalName, cmdLocalName, commandFlags,
                                                                functionAddr, UIContext, fcode, hResourceHandle,
                                                                CurrentModuleAppId()));
  if (cmdPtrRet != nullptr) *cmdPtrRet = group->commands.back().get();
  return Acad::eOk;
}

AcEdCommandIterator* HostCommandStack::iterator() { return new HostCommandIterator(*this); }

AcEdCommand* HostCommandStack::lookupGlobalCmd(const ACHAR* cmdName) {
  return Lookup(m_groups, cmdName, [](const AcEdCommand& command) { return command.globalName(); });
}

AcEdCommand* HostCommandStack::lookupLocalCmd(const ACHAR* cmdName) {
  return Lookup(m_groups, cmdName, [](const AcEdCommand& command) { return command.localName(); });
}

AcEdCommand* HostCommandStack::lookupCmd(const ACHAR* cmdName, bool globalFlag) {
  return globalFlag ? lookupGlobalCmd(cmdName) : lookupLocalCmd(cmdName);
}

Acad::ErrorStatus HostCommandStack::popGroupToTop(const ACHAR* cmdGroupName) {
  auto group = findGroup(cmdGroupName);
  if (group == m_groups.end()) return Acad::eKeyNotFound;
  std::rotate(m_groups.begin(), group, group + 1);
  return Acad::eOk;
}

Acad::ErrorStatus HostCommandStack::removeCmd(const ACHAR* cmdGroupName, const ACHAR* cmdGlobalName) {
  auto group = findGroup(cmdGroupName);
  if (group == m_groups.end() || !IsName(cmdGlobalName)) return Acad::eKeyNotFound;
  auto& commands = group->commands;
  auto command = std::find_if(commands.begin(), commands.end(),
                              [&](const auto& held) { return EqualNoCase(held->globalName(), cmdGlobalName); });
  if (command == commands.end()) return Acad::eKeyNotFound;
  commands.erase(command);
  return Acad::eOk;
}

Acad::ErrorStatus HostCommandStack::removeGroup(const ACHAR* groupName) {
  auto group = findGroup(groupName);
  if (group == m_groups.end()) return Acad::eKeyNotFound;
  m_groups.erase(group);
  return Acad::eOk;
}

}  // namespace acadsim::command

AcRxObject* acadsim::rx::NewHostCommandStack() { return new acadsim::command::HostCommandStack(); }
