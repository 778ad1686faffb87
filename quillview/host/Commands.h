// The module's five commands: their names from the string table and their functions.
#pragma once
#include <accmd.h>

#include <string>
#include <vector>

struct ModuleCommand {
  std::u16string globalName;
  std::u16string localName;
  AcRxFunctionPtr function;
};

// The command group, string 16.
std::u16string CommandGroupName();
// The dialog command, its command-line form ("-" in front), Peek, QuillviewStart and QuillviewUninstall.
std::vector<ModuleCommand> BuildModuleCommands();

// "-Quillview": the settings at the command line.
void SettingsCommandLine();
// "QuillviewUninstall": removes the demand-load registration and unloads the module from inside itself.
extern "C" void UninstallCommand();
// How many of the module's other commands are running now (a transparent command runs inside another).
int ModuleCommandsRunning();
