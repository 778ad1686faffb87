// When a module is unmapped, nothing the host keeps may still point into its code.
#include <aced.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "../../rx/DynamicLinker.h"
#include "ModuleFunctions.h"

namespace acadsim {
namespace {

void ModuleUnmapped(void* appId) {
  ForgetModuleLispFunctions(appId);
  ForgetModuleCommands(appId);
}

[[maybe_unused]] const bool gListening = (rx::DynamicLinker::setUnmapListener(&ModuleUnmapped), true);

}  // namespace

void ForgetModuleCommands(void* appId) {
  AcEdCommandStack* commands = acedRegCmds;
  if (commands == nullptr) return;
  std::vector<std::pair<std::u16string, std::u16string>> left;
  std::unique_ptr<AcEdCommandIterator> it(commands->iterator());
  for (; !it->done(); it->next()) {
    if (it->command()->commandApp() == appId) left.emplace_back(it->commandGroup(), it->command()->globalName());
  }
  for (const auto& [group, name] : left) commands->removeCmd(group.c_str(), name.c_str());
}

}  // namespace acadsim
