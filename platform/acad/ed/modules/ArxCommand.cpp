#include "ArxCommand.h"

#include <acadsim/CommandProcessor.h>
#include <aced.h>
#include <acutads.h>
#include <rxdlinkr.h>
#include <rxregsvc.h>

#include <memory>
#include <string>
#include <vector>

#include "ArxNames.h"

namespace acadsim {
namespace {

constexpr size_t kReplySize = 512;

std::u16string FileNameOf(const std::u16string& path) {
  const size_t slash = path.find_last_of(u"/\\");
  return slash == std::u16string::npos ? path : path.substr(slash + 1);
}

void ListApplications() {
  std::unique_ptr<resbuf, int (*)(resbuf*)> loaded(acedArxLoaded(), &acutRelRb);
  for (const resbuf* app = loaded.get(); app != nullptr; app = app->rbnext) acutPrintf(u"\n%s", app->resval.rstring);
}

// AutoCAD asks with its file dialog unless FILEDIA is 0; the host has no dialogs, so it always asks here.
void LoadApplication() {
  ACHAR reply[kReplySize] = {};
  if (acedGetString(1, u"Runtime extension file: ", reply, kReplySize) != RTNORM || reply[0] == 0) return;
  const std::u16string name = reply;
  if (!LoadedModuleNamed(name).empty()) {
    acutPrintf(u"\n%s is already loaded.", name.c_str());
    return;
  }
  if (acrxDynamicLinker->loadModule(WithArxExtension(name).c_str(), true, true)) {
    acutPrintf(u"\n%s successfully loaded.", FileNameOf(WithArxExtension(name)).c_str());
  }
}

void UnloadApplication() {
  ACHAR reply[kReplySize] = {};
  if (acedGetString(1, u"Unload Runtime extension file: ", reply, kReplySize) != RTNORM || reply[0] == 0) return;
  const std::u16string loaded = LoadedModuleNamed(reply);
  if (loaded.empty()) {
    acutPrintf(u"\n%s is not loaded.", reply);
    return;
  }
  if (acrxDynamicLinker->unloadModule(loaded.c_str(), true)) {
    acutPrintf(u"\n%s successfully unloaded.", FileNameOf(loaded).c_str());
  }
}

// Each group once, newest first, with the global names of its commands under it.
void ListCommands() {
  std::unique_ptr<AcEdCommandIterator> it(acedRegCmds->iterator());
  std::u16string group;
  for (; !it->done(); it->next()) {
    if (group != it->commandGroup()) {
      group = it->commandGroup();
      acutPrintf(u"\n%s:", group.c_str());
    }
    acutPrintf(u"\n  %s", it->command()->globalName());
  }
}

void PrintClassTree(const AcRxClass* parent, const std::u16string& indent) {
  std::unique_ptr<AcRxDictionaryIterator> it(acrxClassDictionary->newIterator(AcRx::kDictSorted));
  for (; !it->done(); it->next()) {
    const AcRxClass* cls = AcRxClass::cast(it->object());
    if (cls != nullptr && cls->myParent() == parent) {
      acutPrintf(u"\n%s%s", indent.c_str(), cls->name());
      PrintClassTree(cls, indent + u"  ");
    }
  }
}

void ListServices() {
  std::unique_ptr<AcRxDictionaryIterator> it(acrxServiceDictionary->newIterator(AcRx::kDictSorted));
  for (; !it->done(); it->next()) acutPrintf(u"\n%s", it->key());
}

void MoveGroupToTop() {
  ACHAR reply[kReplySize] = {};
  if (acedGetString(0, u"Command Group Name: ", reply, kReplySize) != RTNORM || reply[0] == 0) return;
  if (acedRegCmds->popGroupToTop(reply) != Acad::eOk) acutPrintf(u"\nCommand group \"%s\" not found.", reply);
}

void DeveloperOptions() {
  if (acedInitGet(0, u"Group CLasses Services") != RTNORM) return;
  ACHAR reply[kReplySize] = {};
  if (acedGetKword(u"Enter an option [Group/CLasses/Services]: ", reply, kReplySize) != RTNORM) return;
  const std::u16string option = reply;
  if (option == u"Group") MoveGroupToTop();
  else if (option == u"CLasses") PrintClassTree(nullptr, u"");
  else if (option == u"Services") ListServices();
}

void ArxCommand() {
  if (acedInitGet(0, u"? Load Unload Commands Options") != RTNORM) return;
  ACHAR reply[kReplySize] = {};
  if (acedGetKword(u"Enter an option [?/Load/Unload/Commands/Options]: ", reply, kReplySize) != RTNORM) return;
  const std::u16string option = reply;
  if (option == u"?") ListApplications();
  else if (option == u"Load") LoadApplication();
  else if (option == u"Unload") UnloadApplication();
  else if (option == u"Commands") ListCommands();
  else if (option == u"Options") DeveloperOptions();
}

}  // namespace

void RegisterArxCommand() {
  const std::u16string group(kHostCommandGroup);
  acedRegCmds->addCommand(group.c_str(), u"ARX", u"ARX", ACRX_CMD_MODAL, &ArxCommand);
}

}  // namespace acadsim
