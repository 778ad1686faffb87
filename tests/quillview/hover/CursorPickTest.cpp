// The cursor pick and its guard: what is described, and the user's selection sets and variables kept.
#include "hover/CursorPick.h"

#include <AcExtensionModule.h>
#include <acedads.h>
#include <acutads.h>
#include <qvuser.h>

#include "HoverTestSupport.h"
#include "acadsim/HostWindows.h"
#include "acadsim/Selection.h"
#include "host/QuillviewApp.h"
#include "hover/PickVariables.h"
#include "hover/PreviousSetGuard.h"

namespace {

short Variable(const ACHAR* name) {
  resbuf value{};
  EXPECT_EQ(acedGetVar(name, &value), RTNORM);
  return value.resval.rint;
}

void SetShort(const ACHAR* name, short v) {
  resbuf value{};
  value.restype = RTSHORT;
  value.resval.rint = v;
  ASSERT_EQ(acedSetVar(name, &value), RTNORM);
}

Adesk::Int32 PreviousSetLength() {
  ads_name previous = {0, 0};
  if (acedSSGet(u"_P", nullptr, nullptr, nullptr, previous) != RTNORM) return 0;
  Adesk::Int32 length = 0;
  acedSSLength(previous, &length);
  acedSSFree(previous);
  return length;
}

class CursorPickTest : public HoverTest {
 protected:
  void SetUp() override {
    HoverTest::SetUp();
    AddLineThroughViewCentre();
    ads_point from = {0, 10, 0}, to = {1, 10, 0};
    resbuf* other = acutBuildList(RTDXF0, u"LINE", 10, from, 11, to, 0);
    ASSERT_EQ(acdbEntMake(other), RTNORM);
    acutRelRb(other);
    win32sim::MoveCursor(ViewCentre());
  }
  // Makes both lines the Previous set.
  void SelectEverything() {
    ads_name all = {0, 0};
    ads_point corner = {-1, -1, 0}, opposite = {11, 11, 0};
    ASSERT_EQ(acedSSGet(u"_W", corner, opposite, nullptr, all), RTNORM);
    acedSSFree(all);
    ASSERT_EQ(PreviousSetLength(), 2);
  }
};

TEST_F(CursorPickTest, DescribesTheObjectUnderTheCursor) {
  CString text;
  EXPECT_TRUE(DescribeUnderCursor(text));
  EXPECT_NE(std::u16string(text.GetString()).find(u"LINE"), std::u16string::npos);
}

TEST_F(CursorPickTest, NothingIsDescribedOverEmptySpace) {
  POINT corner{};
  ClientToScreen(adsw_acadDocWnd(), &corner);
  win32sim::MoveCursor(POINT{corner.x + 2, corner.y + 2});
  CString text;
  EXPECT_FALSE(DescribeUnderCursor(text));
  EXPECT_TRUE(text.IsEmpty());
}

TEST_F(CursorPickTest, NothingIsDescribedOverTheCommandLine) {
  RECT commandLine{};
  ASSERT_TRUE(GetWindowRect(acadsim::CommandLineWindow(), &commandLine));
  win32sim::MoveCursor(POINT{(commandLine.left + commandLine.right) / 2, (commandLine.top + commandLine.bottom) / 2});
  CString text;
  EXPECT_FALSE(DescribeUnderCursor(text));
}

TEST_F(CursorPickTest, WithTheGuardOnThePreviousSetStaysAsItWas) {
  QuillviewApp().SetInvasive(false);
  SelectEverything();
  CString text;
  ASSERT_TRUE(DescribeUnderCursor(text));
  EXPECT_EQ(PreviousSetLength(), 2);
}

TEST_F(CursorPickTest, InvasiveLeavesThePickAsThePreviousSet) {
  QuillviewApp().SetInvasive(true);
  SelectEverything();
  CString text;
  ASSERT_TRUE(DescribeUnderCursor(text));
  EXPECT_EQ(PreviousSetLength(), 1);
}

TEST_F(CursorPickTest, APeekKeepsNoPreviousSet) {
  QuillviewApp().SetInvasive(false);
  SelectEverything();
  QuillviewApp().SetPeekInProgress(true);
  CString text;
  EXPECT_TRUE(DescribeUnderCursor(text));
  QuillviewApp().SetPeekInProgress(false);
  EXPECT_EQ(PreviousSetLength(), 1);
}

TEST_F(CursorPickTest, TheGuardPutsBackThePickFirstSet) {
  QuillviewApp().SetInvasive(false);
  SelectEverything();
  acadsim::clickSelect(doc, AcGePoint3d(0.5, 10, 0));
  ASSERT_EQ(acadsim::pickFirstEntities(doc).size(), 1u);
  CString text;
  ASSERT_TRUE(DescribeUnderCursor(text));
  EXPECT_EQ(acadsim::pickFirstEntities(doc).size(), 1u);
  EXPECT_EQ(PreviousSetLength(), 2);
}

TEST_F(CursorPickTest, TheVariablesThePickAndTheGuardChangeAreAsTheyWereAfterwards) {
  QuillviewApp().SetInvasive(false);
  SelectEverything();
  SetShort(u"PICKSTYLE", 1);
  SetShort(u"PICKFIRST", 0);
  SetShort(u"HIGHLIGHT", 1);
  SetShort(u"GRIPS", 2);
  CString text;
  ASSERT_TRUE(DescribeUnderCursor(text));
  EXPECT_EQ(Variable(u"PICKSTYLE"), 1);
  EXPECT_EQ(Variable(u"PICKFIRST"), 0);
  EXPECT_EQ(Variable(u"HIGHLIGHT"), 1);
  EXPECT_EQ(Variable(u"GRIPS"), 2);
}

TEST_F(CursorPickTest, TheVariableNamesComeFromTheModulesStringTable) {
  CAcModuleResourceOverride resources(module);
  EXPECT_EQ(std::u16string(PickVariableName(PickVariable::kGrips).GetString()), u"GRIPS");
  EXPECT_EQ(std::u16string(PickVariableName(PickVariable::kHighlight).GetString()), u"HIGHLIGHT");
  EXPECT_EQ(std::u16string(PickVariableName(PickVariable::kExtmin).GetString()), u"EXTMIN");
  EXPECT_EQ(std::u16string(PickVariableName(PickVariable::kPickStyle).GetString()), u"PICKSTYLE");
  EXPECT_EQ(std::u16string(PickVariableName(PickVariable::kPickFirst).GetString()), u"PICKFIRST");
}

TEST(TemporaryShortVariable, SetsTheValueForAWhileAndPutsBackTheValueRead) {
  resbuf value{};
  value.restype = RTSHORT;
  value.resval.rint = 1;
  ASSERT_EQ(acedSetVar(u"HIGHLIGHT", &value), RTNORM);
  {
    TemporaryShortVariable highlight(u"HIGHLIGHT", 0);
    EXPECT_EQ(Variable(u"HIGHLIGHT"), 0);
  }
  EXPECT_EQ(Variable(u"HIGHLIGHT"), 1);
}

TEST(TemporaryShortVariable, AVariableAlreadyAtTheValueIsNotWritten) {
  SetShort(u"HIGHLIGHT", 0);
  TemporaryShortVariable highlight(u"HIGHLIGHT", 0);
  SetShort(u"HIGHLIGHT", 1);
  highlight.PutBack();
  EXPECT_EQ(Variable(u"HIGHLIGHT"), 1);
}

// A variable that cannot be read is neither set for the while nor given a made-up value afterwards.
TEST(TemporaryShortVariable, AVariableThatCannotBeReadIsLeftAlone) {
  SetShort(u"HIGHLIGHT", 1);
  {
    TemporaryShortVariable unknown(u"NOSUCHVARIABLE", 0);
    TemporaryShortVariable notAShort(u"CLAYER", 0);
  }
  resbuf layer{};
  ASSERT_EQ(acedGetVar(u"CLAYER", &layer), RTNORM);
  EXPECT_EQ(std::u16string(layer.resval.rstring), u"0");
  acutDelString(layer.resval.rstring);
  EXPECT_EQ(Variable(u"HIGHLIGHT"), 1);
}

TEST(CPreviousSetGuard, IsUnarmedUntilSavedAndAfterRelease) {
  CPreviousSetGuard guard;
  EXPECT_FALSE(guard.IsArmed());
  guard.Save();
  EXPECT_TRUE(guard.IsArmed());
  guard.Release();
  EXPECT_FALSE(guard.IsArmed());
}

}  // namespace
