// The scope window as a person meets it: whole host sessions with the real module, the person's mouse, keys
// and waiting given as SIM lines, and the scope window's state read back with SIM SCOPE.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "SessionMachine.h"

namespace acadsim::testing {
namespace {

const std::string kDrawing = QV_PROJECT_SAMPLES "/hover-demo.dxf";
const std::string kLoad = "(arxload \"quillview.arx\")\n";

struct Scope {
  bool visible = false;
  long x = 0, y = 0, width = 0, height = 0;
  std::string title;
};

struct Point {
  long x = 0, y = 0;
};

// Every SIM SCOPE answer of a transcript, in order.
std::vector<Scope> Scopes(const std::string& transcript) {
  std::vector<Scope> scopes;
  static const std::regex kLine(R"(^(?:visible (-?\d+) (-?\d+) (\d+) (\d+) (.*)|hidden)$)");
  size_t start = 0;
  while (start < transcript.size()) {
    size_t end = transcript.find('\n', start);
    if (end == std::string::npos) end = transcript.size();
    const std::string line = transcript.substr(start, end - start);
    std::smatch match;
    if (std::regex_match(line, match, kLine)) {
      Scope scope;
      if (match[1].matched) {
        scope = {true, std::stol(match[1]), std::stol(match[2]), std::stol(match[3]), std::stol(match[4]), match[5]};
      }
      scopes.push_back(scope);
    }
    start = end + 1;
  }
  return scopes;
}

// Every "cursor X,Y" a transcript shows, in order.
std::vector<Point> Cursors(const std::string& transcript) {
  std::vector<Point> cursors;
  static const std::regex kLine(R"(cursor (-?\d+),(-?\d+)\n)");
  for (std::sregex_iterator it(transcript.begin(), transcript.end(), kLine), end; it != end; ++it) {
    cursors.push_back({std::stol((*it)[1]), std::stol((*it)[2])});
  }
  return cursors;
}

class HoverSessionTest : public ::testing::Test {
 protected:
  // Runs the lines after loading the module on the demo drawing.
  SessionResult Session(const std::string& lines, std::vector<std::string> flags = {}) {
    flags.insert(flags.begin(), {"--drawing", kDrawing});
    SessionResult result = machine.Run(kLoad + lines, flags);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    return result;
  }

  SessionMachine machine;
};

// A corner of the desk at 4,9 (its top), the column at 19,4, the wall at x 14.
const std::string kOnDesk = "SIM CURSORW 5.2,9.0\n";
const std::string kOnColumn = "SIM CURSORW 19.6,4\n";
const std::string kOnWall = "SIM CURSORW 14,5\n";

TEST_F(HoverSessionTest, TheScopeShowsAfterTheRestFivePixelsRightOfAndBelowTheCursor) {
  const SessionResult s = Session(kOnColumn + "SIM WAIT 499\nSIM SCOPE\nSIM WAIT 1\nSIM SCOPE\n");
  const std::vector<Scope> scopes = Scopes(s.out);
  const std::vector<Point> cursors = Cursors(s.out);
  ASSERT_EQ(scopes.size(), 2u) << s.out;
  ASSERT_EQ(cursors.size(), 1u) << s.out;
  EXPECT_FALSE(scopes[0].visible) << s.out;
  ASSERT_TRUE(scopes[1].visible) << s.out;
  EXPECT_EQ(scopes[1].x, cursors[0].x + 5);
  EXPECT_EQ(scopes[1].y, cursors[0].y + 5);
  EXPECT_GT(scopes[1].width, 20);
  EXPECT_GT(scopes[1].height, 20);
  EXPECT_NE(scopes[1].title.find("<h4>"), std::string::npos) << scopes[1].title;
  EXPECT_NE(scopes[1].title.find("COLUMNS"), std::string::npos) << scopes[1].title;
  EXPECT_NE(scopes[1].title.find("\\n"), std::string::npos) << "line feeds are written as \\n";
}

TEST_F(HoverSessionTest, NothingShowsOverEmptySpaceTheCommandLineOrAFrozenEntity) {
  // 8,6.5 is a circle on a frozen layer; 11,12 holds nothing.
  const SessionResult s = Session("SIM CURSORW 11,12\nSIM WAIT 600\nSIM SCOPE\nSIM CURSORW 8.5,6.5\nSIM WAIT 600\n"
                                  "SIM SCOPE\nSIM CURSOR 600,970\nSIM WAIT 600\nSIM SCOPE\n");
  const std::vector<Scope> scopes = Scopes(s.out);
  ASSERT_EQ(scopes.size(), 3u) << s.out;
  for (const Scope& scope : scopes) EXPECT_FALSE(scope.visible) << s.out;
}

TEST_F(HoverSessionTest, ACursorThatStaysKeepsTheScopeUp) {
  const SessionResult s = Session(kOnColumn + "SIM WAIT 500\nSIM CURSORW 19.6,4\nSIM SCOPE\n"
                                              "SIM WAIT 500\nSIM SCOPE\n");
  ASSERT_EQ(Scopes(s.out).size(), 2u) << s.out;
  const std::vector<Point> cursors = Cursors(s.out);
  ASSERT_EQ(cursors.size(), 2u);
  EXPECT_EQ(cursors[0].x, cursors[1].x);
  EXPECT_TRUE(Scopes(s.out)[0].visible) << "no movement: still shown";
  EXPECT_TRUE(Scopes(s.out)[1].visible);
}

TEST_F(HoverSessionTest, SmallMovesKeepTheScopeAndLargerOnesHideIt) {
  const SessionResult s = Session(kOnColumn);
  ASSERT_EQ(Cursors(s.out).size(), 1u) << s.out;
  const Point at = Cursors(s.out).at(0);
  const std::string near = "SIM CURSOR " + std::to_string(at.x + 4) + "," + std::to_string(at.y) + "\n";
  // One pixel further, but five from where the timer was last restarted: the drift has added up.
  const std::string far = "SIM CURSOR " + std::to_string(at.x + 5) + "," + std::to_string(at.y) + "\n";
  const SessionResult moved = Session(kOnColumn + "SIM WAIT 500\n" + near + "SIM SCOPE\n" + far + "SIM SCOPE\n");
  const std::vector<Scope> scopes = Scopes(moved.out);
  ASSERT_EQ(scopes.size(), 2u) << moved.out;
  EXPECT_TRUE(scopes[0].visible) << "4 pixels is within the double-click width";
  EXPECT_FALSE(scopes[1].visible) << "5 pixels from where the timer was restarted hides it";
}

TEST_F(HoverSessionTest, ClicksCommandsAndDeactivationHideTheScope) {
  const std::string rest = "SIM WAIT 500\n";
  const SessionResult s = Session(kOnColumn + rest + "SIM CLICK LEFT\nSIM SCOPE\n" + rest + "SIM SCOPE\n" +
                                  "REDRAW\nSIM SCOPE\n" + rest + "SIM SCOPE\n" + "SIM ACTIVATE OTHER\nSIM SCOPE\n" +
                                  rest + "SIM SCOPE\nSIM ACTIVATE HOST\n" + rest + "SIM SCOPE\n");
  const std::vector<Scope> scopes = Scopes(s.out);
  ASSERT_EQ(scopes.size(), 7u) << s.out;
  EXPECT_FALSE(scopes[0].visible) << "a click hides";
  EXPECT_TRUE(scopes[1].visible) << "and rearms";
  EXPECT_FALSE(scopes[2].visible) << "a command hides it when it starts, and its end rearms the timer";
  EXPECT_TRUE(scopes[3].visible) << "so the rest after it shows the description again";
  EXPECT_FALSE(scopes[4].visible) << "another application took the activation";
  EXPECT_FALSE(scopes[5].visible) << "and the rest does not show it meanwhile";
  EXPECT_TRUE(scopes[6].visible) << "back in the host, the rest shows it";
}

TEST_F(HoverSessionTest, TheClickOnAnEntitySelectsItWithGripsAndOnNothingClearsTheSet) {
  const SessionResult s = Session(kOnColumn + "SIM CLICK LEFT\n(sslength (cadr (ssgetfirst)))\n"
                                              "SIM CURSORW 11,12\nSIM CLICK LEFT\n(cadr (ssgetfirst))\n");
  EXPECT_NE(s.out.find("(sslength (cadr (ssgetfirst)))\n1\n"), std::string::npos) << s.out;
  EXPECT_NE(s.out.find("(cadr (ssgetfirst))\nnil\n"), std::string::npos) << s.out;
}

TEST_F(HoverSessionTest, CtrlPeeksTheNestedObjectAndMarksIt) {
  // The chair inside the desk at 4,9: its seat circle's right end.
  const std::string onChair = "SIM CURSORW 4.35,8\n";
  const SessionResult s = Session(onChair + "SIM WAIT 500\nSIM SCOPE\nSIM KEY CTRL DOWN\nSIM SCOPE\n"
                                            "SIM KEY CTRL REPEAT\nSIM SCOPE\nSIM KEY CTRL UP\nSIM SCOPE\n");
  const std::vector<Scope> scopes = Scopes(s.out);
  ASSERT_EQ(scopes.size(), 4u) << s.out;
  ASSERT_TRUE(scopes[0].visible);
  EXPECT_NE(scopes[0].title.front(), '*') << scopes[0].title;
  EXPECT_NE(scopes[0].title.find("DESK"), std::string::npos) << "the reference itself: " << scopes[0].title;
  ASSERT_TRUE(scopes[1].visible);
  EXPECT_EQ(scopes[1].title.front(), '*') << scopes[1].title;
  EXPECT_EQ(scopes[2].title, scopes[1].title) << "an auto-repeat does not peek again";
  ASSERT_TRUE(scopes[3].visible);
  EXPECT_EQ(scopes[3].title, scopes[0].title) << "the release peeks the top-level object again";
}

TEST_F(HoverSessionTest, ThePreviousSetSurvivesThePickOnlyWithInvasiveOff) {
  // A window round the two columns makes them the Previous set.
  const std::string lines = "(setq before (sslength (ssget \"_W\" '(18 3) '(20 11))))\n" + kOnWall +
                            "SIM WAIT 500\nSIM SCOPE\n(sslength (ssget \"_P\"))\n";
  const SessionResult invasive = Session(lines);
  ASSERT_TRUE(Scopes(invasive.out).at(0).visible) << invasive.out;
  EXPECT_NE(invasive.out.find("(sslength (ssget \"_P\"))\n1\n"), std::string::npos)
      << "Invasive on: the pick's own set is the Previous set\n" << invasive.out;

  const SessionResult guarded = Session("(quillview nil nil 1)\n" + lines);
  ASSERT_TRUE(Scopes(guarded.out).at(0).visible) << guarded.out;
  EXPECT_NE(guarded.out.find("(sslength (ssget \"_P\"))\n2\n"), std::string::npos)
      << "Invasive off: the two columns are the Previous set again\n" << guarded.out;
}

TEST_F(HoverSessionTest, PickstyleIsZeroForThePickAndRestoredAfterwards) {
  const SessionResult s = Session("(setvar \"PICKSTYLE\" 1)\n" + kOnWall + "SIM WAIT 500\nSIM SCOPE\n"
                                  "(getvar \"PICKSTYLE\")\n");
  ASSERT_TRUE(Scopes(s.out).at(0).visible) << s.out;
  EXPECT_NE(s.out.find("(getvar \"PICKSTYLE\")\n1\n"), std::string::npos) << s.out;
}

TEST_F(HoverSessionTest, WithTimerIntervalZeroOnlyPeekShowsTheScope) {
  const SessionResult s = Session("(quillview 0)\n" + kOnColumn + "SIM WAIT 5000\nSIM SCOPE\nPEEK\nSIM SCOPE\n");
  const std::vector<Scope> scopes = Scopes(s.out);
  ASSERT_EQ(scopes.size(), 2u) << s.out;
  EXPECT_FALSE(scopes[0].visible);
  EXPECT_TRUE(scopes[1].visible) << "PEEK shows it and its end leaves it up";
}

TEST_F(HoverSessionTest, PeekShowsTheDescriptionInsideACommand) {
  // -QUILLVIEW waits at its keyword prompt while the transparent 'PEEK runs.
  const SessionResult s = Session(kOnColumn + "-QUILLVIEW\nSIM WAIT 500\nSIM SCOPE\n'PEEK\nSIM SCOPE\n^C\n");
  const std::vector<Scope> scopes = Scopes(s.out);
  ASSERT_EQ(scopes.size(), 2u) << s.out;
  EXPECT_FALSE(scopes[0].visible) << "the rest shows nothing while a command runs";
  EXPECT_TRUE(scopes[1].visible) << s.out;
}

TEST_F(HoverSessionTest, AnEntityOnALockedLayerIsDescribedAsTheHostSelectsIt) {
  // ssget picks entities on locked layers unless told ":L"; the line at y 1.5 is on the locked layer.
  const SessionResult s = Session("SIM CURSORW 6,1.5\nSIM WAIT 500\nSIM SCOPE\n");
  ASSERT_TRUE(Scopes(s.out).at(0).visible) << s.out;
  EXPECT_NE(Scopes(s.out)[0].title.find("LOCKED"), std::string::npos) << Scopes(s.out)[0].title;
}

TEST_F(HoverSessionTest, AScreenWithoutWorkAreaShowsNothingAndEndsWell) {
  const SessionResult s = Session("SIM CURSOR 10,10\nSIM WAIT 500\nSIM SCOPE\nSIM CURSORW 5,5\nSIM WAIT 500\nSIM SCOPE\n",
                                  {"--monitors", "1280x40+0+0"});
  const std::vector<Scope> scopes = Scopes(s.out);
  ASSERT_EQ(scopes.size(), 2u) << s.out;
  EXPECT_FALSE(scopes[0].visible);
  EXPECT_FALSE(scopes[1].visible);
}

TEST_F(HoverSessionTest, DrawingWithoutEntitiesShowsNothing) {
  const SessionResult s = machine.Run(kLoad + "SIM CURSOR 640,400\nSIM WAIT 600\nSIM SCOPE\n");
  EXPECT_EQ(s.exitCode, 0) << s.err;
  ASSERT_EQ(Scopes(s.out).size(), 1u) << s.out;
  EXPECT_FALSE(Scopes(s.out)[0].visible);
}

TEST_F(HoverSessionTest, BadSimLinesAreReportedAndTheSessionGoesOn) {
  const SessionResult s = Session("SIM\nSIM JUMP\nSIM CURSOR 1.5,2\nSIM WAIT -1\nSIM KEY HYPER DOWN\n"
                                  "SIM CLICK SIDEWAYS\nSIM SCOPE\n");
  EXPECT_NE(s.out.find("SIM: an action is missing"), std::string::npos) << s.out;
  EXPECT_NE(s.out.find("SIM: unknown action \"JUMP\""), std::string::npos) << s.out;
  EXPECT_NE(s.out.find("SIM: CURSOR takes a screen point"), std::string::npos) << s.out;
  EXPECT_NE(s.out.find("SIM: WAIT takes whole milliseconds"), std::string::npos) << s.out;
  EXPECT_NE(s.out.find("SIM: unknown key \"HYPER\""), std::string::npos) << s.out;
  EXPECT_NE(s.out.find("SIM: CLICK takes LEFT, RIGHT or MIDDLE"), std::string::npos) << s.out;
  EXPECT_EQ(Scopes(s.out).size(), 1u) << s.out;
}

TEST_F(HoverSessionTest, SimLinesFireNoCommandReactorsAndKeepThePromptStanding) {
  const SessionResult s = Session("SIM WAIT 10\n(getvar \"CMDACTIVE\")\n");
  EXPECT_NE(s.out.find("Command: SIM WAIT 10\nCommand: (getvar \"CMDACTIVE\")\n0\n"), std::string::npos) << s.out;
}

TEST_F(HoverSessionTest, ShowPrintsTheScopeLineAndWritesTheScreenshot) {
  const std::string shot = (machine.Folder() / "shot.png").string();
  const SessionResult s = machine.Acadsim({"show", kDrawing, "--at-world", "19.6,4", "-o", shot});
  EXPECT_EQ(s.exitCode, 0) << s.err;
  ASSERT_EQ(Scopes(s.out).size(), 1u) << s.out;
  EXPECT_TRUE(Scopes(s.out)[0].visible);
  EXPECT_NE(Scopes(s.out)[0].title.find("COLUMNS"), std::string::npos);
  EXPECT_NE(s.err.find("cursor "), std::string::npos) << "the transcript goes to standard error";
  std::ifstream png(shot, std::ios::binary);
  char signature[8] = {};
  png.read(signature, 8);
  EXPECT_EQ(std::string(signature + 1, 3), "PNG");
}

TEST_F(HoverSessionTest, ShowWithCtrlDescribesTheNestedObject) {
  const SessionResult s = machine.Acadsim({"show", kDrawing, "--at-world", "4.35,8", "--ctrl"});
  EXPECT_EQ(s.exitCode, 0) << s.err;
  ASSERT_EQ(Scopes(s.out).size(), 1u) << s.out;
  EXPECT_EQ(Scopes(s.out)[0].title.substr(0, 5), "*<h4>") << s.out;
}

TEST_F(HoverSessionTest, ShowRefusesWhatItCannotDo) {
  EXPECT_EQ(machine.Acadsim({"show", kDrawing}).exitCode, 2) << "a place is required";
  EXPECT_EQ(machine.Acadsim({"show", kDrawing, "--at", "1,1", "--at-world", "1,1"}).exitCode, 2);
  EXPECT_EQ(machine.Acadsim({"show", kDrawing, "--at", "1,1", "--monitors", "0x0+0+0"}).exitCode, 2);
  const SessionResult noModule = machine.Acadsim({"show", kDrawing, "--at", "1,1", "--module", "/no/such.arx"});
  EXPECT_EQ(noModule.exitCode, 1);
  EXPECT_NE(noModule.err.find("cannot load the module /no/such.arx"), std::string::npos) << noModule.err;
  const SessionResult badPlace = machine.Acadsim({"show", kDrawing, "--at", "left"});
  EXPECT_EQ(badPlace.exitCode, 1);
  EXPECT_NE(badPlace.err.find("SIM: CURSOR takes a screen point"), std::string::npos) << badPlace.err;
  EXPECT_EQ(machine.Acadsim({"show", "/no/such.dxf", "--at", "1,1"}).exitCode, 1);
}

// A drawing of one filled square that, zoomed in, covers the whole view: every pixel of it is on the solid.
class CoveredViewTest : public HoverSessionTest {
 protected:
  CoveredViewTest() {
    std::ofstream(drawing) << "0\nSECTION\n2\nENTITIES\n0\nSOLID\n8\n0\n10\n0\n20\n0\n30\n0\n11\n100\n21\n0\n31\n0\n"
                              "12\n0\n22\n100\n32\n0\n13\n100\n23\n100\n33\n0\n0\nENDSEC\n0\nEOF\n";
  }
  SessionResult Covered(const std::string& lines, const std::vector<std::string>& monitors = {}) {
    std::vector<std::string> flags = {"--drawing", drawing.string()};
    flags.insert(flags.end(), monitors.begin(), monitors.end());
    SessionResult result = machine.Run(kLoad + "ZOOM 4X\n" + lines, flags);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    return result;
  }
  std::filesystem::path drawing = machine.Folder() / "solid.dxf";
};

// The default screen: one 1280x1024 monitor whose work area ends above a 40-pixel taskbar.
constexpr long kWorkRight = 1280, kWorkBottom = 984;

TEST_F(CoveredViewTest, NearTheRightEdgeTheScopeMovesLeftToEndAtTheWorkArea) {
  const SessionResult s = Covered("SIM CURSOR 1270,500\nSIM WAIT 500\nSIM SCOPE\n");
  const Scope scope = Scopes(s.out).at(0);
  ASSERT_TRUE(scope.visible) << s.out;
  EXPECT_EQ(scope.x + scope.width, kWorkRight);
  EXPECT_EQ(scope.y, 505);
}

// A 24-pixel font makes the scope taller than the command line under the view, so that near the view's
// bottom edge the scope moved up covers the cursor.
const std::string kLargeFont = "-QUILLVIEW\nF\nArial,-24\n";

TEST_F(CoveredViewTest, NearTheBottomTheScopeMovesUpAndMayCoverTheCursor) {
  const SessionResult s = Covered(kLargeFont + "SIM CURSOR 600,925\nSIM WAIT 500\nSIM SCOPE\n");
  const Scope scope = Scopes(s.out).at(0);
  ASSERT_TRUE(scope.visible) << s.out;
  EXPECT_EQ(scope.x, 605);
  EXPECT_EQ(scope.y + scope.height, kWorkBottom);
  EXPECT_LE(scope.y, 925) << "the scope covers the cursor";
}

TEST_F(CoveredViewTest, AClickOnTheScopeReachesTheDrawingUnderIt) {
  // Clamped at the bottom, the scope lies under the cursor; the click selects the solid beneath it.
  const SessionResult s = Covered(kLargeFont + "SIM CURSOR 600,925\nSIM WAIT 500\nSIM SCOPE\nSIM CLICK LEFT\nSIM SCOPE\n"
                                  "(sslength (cadr (ssgetfirst)))\n");
  const std::vector<Scope> scopes = Scopes(s.out);
  ASSERT_EQ(scopes.size(), 2u) << s.out;
  ASSERT_TRUE(scopes[0].visible);
  ASSERT_LE(scopes[0].y, 925) << "the cursor must be over the scope for this test";
  EXPECT_FALSE(scopes[1].visible) << "the click hides it";
  EXPECT_NE(s.out.find("(sslength (cadr (ssgetfirst)))\n1\n"), std::string::npos) << s.out;
}

TEST_F(CoveredViewTest, OnASecondMonitorLeftOfThePrimaryTheScopeStaysWithinThatMonitor) {
  // The frame spans both monitors; the secondary's work area is x -1024..0, y 0..728.
  const std::vector<std::string> twoMonitors = {"--monitors", "1280x1024+0+0;1024x768-1024+0"};
  const SessionResult s = Covered("SIM CURSOR -20,300\nSIM WAIT 500\nSIM SCOPE\nSIM CURSOR -1000,720\nSIM WAIT 500\n"
                                  "SIM SCOPE\n",
                                  twoMonitors);
  const std::vector<Scope> scopes = Scopes(s.out);
  ASSERT_EQ(scopes.size(), 2u) << s.out;
  ASSERT_TRUE(scopes[0].visible) << s.out;
  EXPECT_EQ(scopes[0].x + scopes[0].width, 0) << "its right edge meets the secondary monitor's, not the primary's";
  EXPECT_EQ(scopes[0].y, 305);
  ASSERT_TRUE(scopes[1].visible) << s.out;
  EXPECT_EQ(scopes[1].x, -995);
  EXPECT_EQ(scopes[1].y + scopes[1].height, 728);
}

TEST_F(HoverSessionTest, TheFontChooserTakesTheNextLineAndTheScopeUsesTheChosenFont) {
  const SessionResult small = Session(kOnColumn + "SIM WAIT 500\nSIM SCOPE\n");
  const SessionResult large = Session("-QUILLVIEW\nF\nArial,-24,700\n" + kOnColumn + "SIM WAIT 500\nSIM SCOPE\n");
  ASSERT_TRUE(Scopes(small.out).at(0).visible) << small.out;
  ASSERT_TRUE(Scopes(large.out).at(0).visible) << large.out;
  EXPECT_GT(Scopes(large.out)[0].height, Scopes(small.out)[0].height * 3 / 2);
  EXPECT_EQ(machine.ReadDWord(HKEY_CURRENT_USER, kQuillviewSettingsKey, u"FontHeight"), static_cast<DWORD>(-24));
  EXPECT_EQ(machine.ReadDWord(HKEY_CURRENT_USER, kQuillviewSettingsKey, u"FontWeight"), 700u);
  EXPECT_NE(large.out.find("字体(F)/计时器(T)/嵌入对象(N)/激活(E)/<禁用(D)>]: F\nArial,-24,700\nCommand: "), std::string::npos)
      << "the answer stands on its own line\n" << large.out;

  Session("-QUILLVIEW\nF\n*Cancel*\n");
  EXPECT_EQ(machine.ReadDWord(HKEY_CURRENT_USER, kQuillviewSettingsKey, u"FontHeight"), static_cast<DWORD>(-24))
      << "a cancelled chooser changes nothing";
}

TEST_F(CoveredViewTest, ACursorOffEveryMonitorShowsNothing) {
  const SessionResult s = Covered("SIM CURSOR 2000,2000\nSIM WAIT 500\nSIM SCOPE\n");
  ASSERT_EQ(Scopes(s.out).size(), 1u) << s.out;
  EXPECT_FALSE(Scopes(s.out)[0].visible) << s.out;
}

}  // namespace
}  // namespace acadsim::testing
