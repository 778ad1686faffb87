#include <aced.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

void Nothing() {}

constexpr const ACHAR* kGroup = u"STACK_TESTS";
constexpr const ACHAR* kOtherGroup = u"STACK_TESTS_OTHER";

class AcEdCommandStackTest : public ::testing::Test {
 protected:
  void TearDown() override {
    acedRegCmds->removeGroup(kGroup);
    acedRegCmds->removeGroup(kOtherGroup);
  }

  // The commands of our groups as "group/global/local", in iteration order.
  static std::vector<std::u16string> Listed() {
    std::vector<std::u16string> listed;
    std::unique_ptr<AcEdCommandIterator> it(acedRegCmds->iterator());
    for (; !it->done(); it->next()) {
      const std::u16string group = it->commandGroup();
      if (group != kGroup && group != kOtherGroup) continue;
      listed.push_back(group + u"/" + it->command()->globalName() + u"/" + it->command()->localName());
    }
    return listed;
  }
};

}  // namespace

TEST(SystemRegistry, HoldsTheCommandStackAndTheEditor) {
  EXPECT_NE(acedRegCmds, nullptr);
  EXPECT_NE(acedEditor, nullptr);
  EXPECT_TRUE(acrxSysRegistry()->at(ACRX_COMMAND_DOCK)->isKindOf(AcEdCommandStack::desc()));
  EXPECT_TRUE(acrxSysRegistry()->at(ACED_EDITOR_OBJ)->isKindOf(AcRxEvent::desc()));
  EXPECT_TRUE(AcEditorReactor::desc()->isDerivedFrom(AcRxEventReactor::desc()));
}

TEST_F(AcEdCommandStackTest, AddCommandKeepsWhatItWasGiven) {
  AcEdCommand* made = nullptr;
  EXPECT_EQ(acedRegCmds->addCommand(kGroup, u"Peek", u"Spähen", ACRX_CMD_TRANSPARENT, Nothing, nullptr, 7,
                                    nullptr, &made),
            Acad::eOk);
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(std::u16string(made->globalName()), u"Peek");
  EXPECT_EQ(std::u16string(made->localName()), u"Spähen");
  EXPECT_EQ(made->commandFlags(), ACRX_CMD_TRANSPARENT);
  EXPECT_EQ(made->functionAddr(), &Nothing);
  EXPECT_EQ(made->functionCode(), 7);
  EXPECT_EQ(made->UIContext(), nullptr);
  EXPECT_EQ(made->resourceHandle(), nullptr);
  EXPECT_EQ(made->commandApp(), nullptr);
  EXPECT_TRUE(made->isKindOf(AcEdCommand::desc()));
}

TEST_F(AcEdCommandStackTest, AddCommandRefusesBadNamesAndDuplicatesInAGroup) {
  EXPECT_EQ(acedRegCmds->addCommand(nullptr, u"A", u"A", 0, Nothing), Acad::eInvalidInput);
  EXPECT_EQ(acedRegCmds->addCommand(u"", u"A", u"A", 0, Nothing), Acad::eInvalidInput);
  EXPECT_EQ(acedRegCmds->addCommand(kGroup, u"", u"A", 0, Nothing), Acad::eInvalidInput);
  EXPECT_EQ(acedRegCmds->addCommand(kGroup, u"A", nullptr, 0, Nothing), Acad::eInvalidInput);
  EXPECT_EQ(acedRegCmds->addCommand(kGroup, u"A", u"A", 0, nullptr), Acad::eInvalidInput);
  EXPECT_EQ(acedRegCmds->addCommand(kGroup, u"A", u"B", 0, Nothing), Acad::eOk);
  EXPECT_EQ(acedRegCmds->addCommand(kGroup, u"a", u"C", 0, Nothing), Acad::eDuplicateKey);
  EXPECT_EQ(acedRegCmds->addCommand(kGroup, u"C", u"b", 0, Nothing), Acad::eDuplicateKey);
  EXPECT_EQ(acedRegCmds->addCommand(kOtherGroup, u"A", u"B", 0, Nothing), Acad::eOk);
}

TEST_F(AcEdCommandStackTest, LookupsIgnoreCaseAndSearchTheNewestGroupFirst) {
  acedRegCmds->addCommand(kGroup, u"Line", u"Linie", 0, Nothing);
  acedRegCmds->addCommand(kOtherGroup, u"LINE", u"Strich", 0, Nothing);
  EXPECT_EQ(std::u16string(acedRegCmds->lookupGlobalCmd(u"line")->localName()), u"Strich");
  EXPECT_EQ(std::u16string(acedRegCmds->lookupLocalCmd(u"LINIE")->globalName()), u"Line");
  EXPECT_EQ(acedRegCmds->lookupLocalCmd(u"Line"), nullptr);
  EXPECT_EQ(acedRegCmds->lookupCmd(u"strich", false), acedRegCmds->lookupGlobalCmd(u"LINE"));
  EXPECT_EQ(acedRegCmds->lookupCmd(u"strich", true), nullptr);
  EXPECT_EQ(acedRegCmds->lookupGlobalCmd(nullptr), nullptr);
  EXPECT_EQ(acedRegCmds->lookupGlobalCmd(u""), nullptr);
}

TEST_F(AcEdCommandStackTest, PopGroupToTopChangesTheSearchOrder) {
  acedRegCmds->addCommand(kGroup, u"Line", u"Old", 0, Nothing);
  acedRegCmds->addCommand(kOtherGroup, u"Line", u"New", 0, Nothing);
  EXPECT_EQ(acedRegCmds->popGroupToTop(kGroup), Acad::eOk);
  EXPECT_EQ(std::u16string(acedRegCmds->lookupGlobalCmd(u"LINE")->localName()), u"Old");
  EXPECT_EQ(acedRegCmds->popGroupToTop(u"NO_SUCH_GROUP"), Acad::eKeyNotFound);
}

TEST_F(AcEdCommandStackTest, IteratorWalksGroupsNewestFirstAndCommandsInOrder) {
  acedRegCmds->addCommand(kGroup, u"A", u"a", 0, Nothing);
  acedRegCmds->addCommand(kOtherGroup, u"C", u"c", 0, Nothing);
  acedRegCmds->addCommand(kGroup, u"B", u"b", 0, Nothing);
  EXPECT_EQ(Listed(), (std::vector<std::u16string>{u"STACK_TESTS_OTHER/C/c", u"STACK_TESTS/A/a",
                                                   u"STACK_TESTS/B/b"}));
}

TEST_F(AcEdCommandStackTest, IteratorStopsSafelyWhenCommandsGoAway) {
  acedRegCmds->addCommand(kGroup, u"A", u"a", 0, Nothing);
  std::unique_ptr<AcEdCommandIterator> it(acedRegCmds->iterator());
  acedRegCmds->removeGroup(kGroup);
  for (int steps = 0; !it->done() && steps < 1000; ++steps) it->next();
  EXPECT_TRUE(it->done());
  EXPECT_EQ(it->command(), nullptr);
  EXPECT_EQ(it->commandGroup(), nullptr);
  EXPECT_FALSE(it->next());
}

TEST_F(AcEdCommandStackTest, IteratorMovesOnWhenTheCommandItStandsOnIsRemoved) {
  acedRegCmds->addCommand(kOtherGroup, u"C", u"c", 0, Nothing);
  acedRegCmds->addCommand(kGroup, u"A", u"a", 0, Nothing);
  acedRegCmds->addCommand(kGroup, u"B", u"b", 0, Nothing);
  std::unique_ptr<AcEdCommandIterator> it(acedRegCmds->iterator());
  while (!it->done() && std::u16string(it->command()->globalName()) != u"B") it->next();
  ASSERT_FALSE(it->done());
  acedRegCmds->removeCmd(kGroup, u"B");
  ASSERT_FALSE(it->done());
  EXPECT_EQ(std::u16string(it->command()->globalName()), u"C");
  EXPECT_EQ(std::u16string(it->commandGroup()), kOtherGroup);
  acedRegCmds->removeGroup(kOtherGroup);
  EXPECT_TRUE(it->done());
  EXPECT_EQ(it->command(), nullptr);
}

TEST_F(AcEdCommandStackTest, RemoveCmdAndRemoveGroup) {
  acedRegCmds->addCommand(kGroup, u"A", u"a", 0, Nothing);
  acedRegCmds->addCommand(kGroup, u"B", u"b", 0, Nothing);
  EXPECT_EQ(acedRegCmds->removeCmd(kGroup, u"a"), Acad::eOk);
  EXPECT_EQ(acedRegCmds->lookupGlobalCmd(u"A"), nullptr);
  EXPECT_EQ(acedRegCmds->removeCmd(kGroup, u"A"), Acad::eKeyNotFound);
  EXPECT_EQ(acedRegCmds->removeCmd(u"NO_SUCH_GROUP", u"B"), Acad::eKeyNotFound);
  EXPECT_EQ(acedRegCmds->removeGroup(kGroup), Acad::eOk);
  EXPECT_EQ(acedRegCmds->lookupGlobalCmd(u"B"), nullptr);
  EXPECT_EQ(acedRegCmds->removeGroup(kGroup), Acad::eKeyNotFound);
}

TEST_F(AcEdCommandStackTest, CommandUndefSetsAndClearsTheUndefinedFlag) {
  AcEdCommand* made = nullptr;
  acedRegCmds->addCommand(kGroup, u"A", u"a", ACRX_CMD_TRANSPARENT, Nothing, nullptr, -1, nullptr, &made);
  made->commandUndef(true);
  EXPECT_EQ(made->commandFlags(), ACRX_CMD_TRANSPARENT | ACRX_CMD_UNDEFINED);
  made->commandUndef(false);
  EXPECT_EQ(made->commandFlags(), ACRX_CMD_TRANSPARENT);
}
