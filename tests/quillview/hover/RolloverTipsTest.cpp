// The host's rollover tips are off while hovering is enabled, and come back as the user had them.
#include <acedads.h>
#include <qvregistry.h>

#include <gtest/gtest.h>

#include "acadsim/SystemVariables.h"
#include "host/QuillviewApp.h"
#include "hover/RolloverTips.h"

namespace {

short RolloverTips() {
  resbuf value{};
  EXPECT_EQ(acedGetVar(u"ROLLOVERTIPS", &value), RTNORM);
  return value.resval.rint;
}

void SetRolloverTips(short on) {
  resbuf value{};
  value.restype = RTSHORT;
  value.resval.rint = on;
  ASSERT_EQ(acedSetVar(u"ROLLOVERTIPS", &value), RTNORM);
}

class RolloverTipsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    win32sim::ResetRegistry();
    acadsim::resetSessionSystemVariables();
  }
  void TearDown() override {
    win32sim::ResetRegistry();
    acadsim::resetSessionSystemVariables();
  }
};

TEST_F(RolloverTipsTest, TipsOnAreOffWhileEnabledAndOnAgainAfterDisabling) {
  SetRolloverTips(1);
  CQuillviewApp app;
  app.SetEnabled(true);
  EXPECT_EQ(RolloverTips(), 0);
  app.SetEnabled(false);
  EXPECT_EQ(RolloverTips(), 1);
}

TEST_F(RolloverTipsTest, TipsOnAreOnAgainAfterTheModuleStops) {
  SetRolloverTips(1);
  CQuillviewApp app;
  app.SetEnabled(true);
  app.Stop();
  EXPECT_EQ(RolloverTips(), 1);
}

TEST_F(RolloverTipsTest, EnablingAgainWhileTheTipsAreOffStillOwesTheUserTheirReturn) {
  SetRolloverTips(1);
  CQuillviewApp app;
  app.SetEnabled(true);
  app.SetEnabled(true);
  EXPECT_TRUE(app.RolloverTipsTurnedOff());
  app.Stop();
  EXPECT_EQ(RolloverTips(), 1);
}

TEST_F(RolloverTipsTest, TipsOffAreNeverTouched) {
  SetRolloverTips(0);
  CQuillviewApp app;
  app.SetEnabled(true);
  EXPECT_FALSE(app.RolloverTipsTurnedOff());
  SetRolloverTips(0);
  app.SetEnabled(false);
  EXPECT_EQ(RolloverTips(), 0);
  app.Stop();
  EXPECT_EQ(RolloverTips(), 0);
}

TEST_F(RolloverTipsTest, DisablingWithoutHavingTurnedThemOffLeavesThem) {
  SetRolloverTips(0);
  bool turnedOff = false;
  RestoreRolloverTips(turnedOff);
  EXPECT_EQ(RolloverTips(), 0);
}

TEST_F(RolloverTipsTest, TheFlagStaysSetOnceTheTipsWereTurnedOff) {
  SetRolloverTips(1);
  bool turnedOff = false;
  TurnOffRolloverTips(turnedOff);
  TurnOffRolloverTips(turnedOff);
  EXPECT_TRUE(turnedOff);
  EXPECT_EQ(RolloverTips(), 0);
}

}  // namespace
