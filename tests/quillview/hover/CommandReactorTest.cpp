// The command reactor: commands starting hide the scope, commands ending re-arm it, except Peek's own end.
#include "hover/CommandReactor.h"

#include "HoverTestSupport.h"

namespace {

constexpr HideRequest kRestart{1, 500};
constexpr HideRequest kHide{0, 0};

class CommandReactorTest : public HoverTest {
 protected:
  CommandReactor reactor;
};

TEST_F(CommandReactorTest, EveryCommandStartingHides) {
  reactor.commandWillStart(u"LINE");
  reactor.commandWillStart(u"PEEK");
  EXPECT_EQ(recorder->requests, (std::vector<HideRequest>{kHide, kHide}));
}

TEST_F(CommandReactorTest, ACommandEndingRestarts) {
  reactor.commandEnded(u"LINE");
  EXPECT_EQ(recorder->requests, std::vector<HideRequest>{kRestart});
}

TEST_F(CommandReactorTest, PeekEndingLeavesItsDescriptionUp) {
  reactor.commandEnded(u"PEEK");
  EXPECT_TRUE(recorder->requests.empty());
}

TEST_F(CommandReactorTest, OnlyTheUpperCaseNameIsPeeksOwn) {
  reactor.commandEnded(u"Peek");
  EXPECT_EQ(recorder->requests, std::vector<HideRequest>{kRestart});
}

TEST_F(CommandReactorTest, CancelledAndFailedCommandsRestart) {
  reactor.commandCancelled(u"PEEK");
  reactor.commandFailed(u"PEEK");
  EXPECT_EQ(recorder->requests, (std::vector<HideRequest>{kRestart, kRestart}));
}

}  // namespace
