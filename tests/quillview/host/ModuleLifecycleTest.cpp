// The real quillview.arx loaded, unloaded and loaded again in one host process, with a drawing open.
#include <accmd.h>
#include <rxdlinkr.h>
#include <rxregsvc.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "QuillviewTestSupport.h"
#include "acadsim/Documents.h"

namespace {

std::vector<std::u16string> CommandsOfGroup(const std::u16string& group) {
  std::vector<std::u16string> names;
  std::unique_ptr<AcEdCommandIterator> it(acedRegCmds->iterator());
  for (; !it->done(); it->next()) {
    if (group == it->commandGroup()) names.push_back(it->command()->globalName());
  }
  return names;
}

TEST(ModuleLifecycleTest, ReloadingLeavesTheServiceTheCommandsAndTheLispFunctionExactlyOnce) {
  AcApDocument* doc = acadsim::NewDocument();
  ASSERT_NE(doc, nullptr);
  const std::u16string module = ModulePath("quillview.arx");
  const std::vector<std::u16string> commands = {u"Quillview", u"-Quillview", u"Peek", u"QuillviewStart",
                                                u"QuillviewUninstall"};
  for (int round = 0; round < 2; ++round) {
    ASSERT_TRUE(acrxDynamicLinker->loadModule(module.c_str(), false));
    EXPECT_TRUE(acrxServiceIsRegistered(u"Tessaray.Quillview"));
    std::vector<std::u16string> registered = CommandsOfGroup(u"Quillview");
    std::sort(registered.begin(), registered.end());
    std::vector<std::u16string> expected = commands;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(registered, expected);
    EXPECT_NE(acadsim::DocumentLispFunctions(doc)->find(u"quillview"), nullptr);
    EXPECT_EQ(acedRegCmds->lookupGlobalCmd(u"-QUILLVIEW")->commandFlags(), ACRX_CMD_TRANSPARENT);

    ASSERT_TRUE(acrxDynamicLinker->unloadModule(module.c_str()));
    EXPECT_FALSE(acrxServiceIsRegistered(u"Tessaray.Quillview"));
    EXPECT_TRUE(CommandsOfGroup(u"Quillview").empty());
    EXPECT_EQ(acadsim::DocumentLispFunctions(doc)->find(u"quillview"), nullptr);
  }
  EXPECT_TRUE(acadsim::CloseDocument(doc));
}

TEST(ModuleLifecycleTest, TheFunctionIsDefinedInEveryDrawingOpenedWhileTheModuleIsLoaded) {
  const std::u16string module = ModulePath("quillview.arx");
  ASSERT_TRUE(acrxDynamicLinker->loadModule(module.c_str(), false));
  AcApDocument* first = acadsim::NewDocument();
  AcApDocument* second = acadsim::NewDocument();
  EXPECT_NE(acadsim::DocumentLispFunctions(first)->find(u"quillview"), nullptr);
  EXPECT_NE(acadsim::DocumentLispFunctions(second)->find(u"QUILLVIEW"), nullptr);
  ASSERT_TRUE(acrxDynamicLinker->unloadModule(module.c_str()));
  EXPECT_EQ(acadsim::DocumentLispFunctions(first)->find(u"quillview"), nullptr);
  EXPECT_EQ(acadsim::DocumentLispFunctions(second)->find(u"quillview"), nullptr);
  acadsim::CloseAllDocuments();
}

}  // namespace
