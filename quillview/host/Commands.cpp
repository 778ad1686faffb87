#include "host/Commands.h"

#include <AcExtensionModule.h>
#include <acutads.h>

#include "host/ModuleInstance.h"
#include "host/ModuleStrings.h"
#include "hover/InputHooks.h"

namespace {

// The command-line form of a command takes the dialog command's names with this in front.
constexpr char16_t kCommandLineMark = u'-';

int g_commandsRunning = 0;

// Counts a command of the module for as long as it runs.
class RunningCommand {
 public:
  RunningCommand() { ++g_commandsRunning; }
  ~RunningCommand() { --g_commandsRunning; }
  RunningCommand(const RunningCommand&) = delete;
  RunningCommand& operator=(const RunningCommand&) = delete;
};

// The features these commands open come with the host's windows and automation.
void SayNotAvailable(StringId name) {
  RunningCommand running;
  CAcModuleResourceOverride resources(ModuleInstance());
  acutPrintf(ModuleString(IDS_FMT_NOT_AVAILABLE).c_str(), ModuleString(name).c_str());
}

void SettingsDialogCommand() { SayNotAvailable(IDS_CMD_SETTINGS_LOCAL); }

void PeekCommand() {
  RunningCommand running;
  CAcModuleResourceOverride resources(ModuleInstance());
  Peek();
}
void StartCommand() { SayNotAvailable(IDS_CMD_START_LOCAL); }

void SettingsCommandLineWithResources() {
  RunningCommand running;
  CAcModuleResourceOverride resources(ModuleInstance());
  SettingsCommandLine();
}

}  // namespace

int ModuleCommandsRunning() { return g_commandsRunning; }

std::u16string CommandGroupName() { return ModuleString(IDS_CMD_SETTINGS_GLOBAL); }

std::vector<ModuleCommand> BuildModuleCommands() {
  const std::u16string& dialogGlobal = ModuleString(IDS_CMD_SETTINGS_GLOBAL);
  const std::u16string& dialogLocal = ModuleString(IDS_CMD_SETTINGS_LOCAL);
  return {
      {dialogGlobal, dialogLocal, &SettingsDialogCommand},
      {kCommandLineMark + dialogGlobal, kCommandLineMark + dialogLocal, &SettingsCommandLineWithResources},
      {ModuleString(IDS_CMD_PEEK_GLOBAL), ModuleString(IDS_CMD_PEEK_LOCAL), &PeekCommand},
      {ModuleString(IDS_CMD_START_GLOBAL), ModuleString(IDS_CMD_START_LOCAL), &StartCommand},
      {ModuleString(IDS_CMD_UNINSTALL_GLOBAL), ModuleString(IDS_CMD_UNINSTALL_LOCAL), &UninstallCommand},
  };
}
