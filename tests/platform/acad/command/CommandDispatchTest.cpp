#include <acedads.h>
#include <acutads.h>

#include <stdexcept>

#include "CommandLineFixture.h"

using Events = std::vector<std::u16string>;
using CommandLookup = CommandLineTest;

TEST_F(CommandLookup, LocalNameFirstThenGlobalIgnoringCase) {
  std::u16string ran;
  addCommand(u"LINE", u"LINIE", 0, [&] { ran += u"line "; });
  addCommand(u"LINIE", u"STRICH", 0, [&] { ran += u"linie "; });
  run(u"linie Line _LINIE _linie strich");
  EXPECT_EQ(ran, u"line line linie linie linie ");
  EXPECT_EQ(events.events(), (Events{u"willStart:LINE", u"ended:LINE", u"willStart:LINE", u"ended:LINE",
                                     u"willStart:LINIE", u"ended:LINIE", u"willStart:LINIE", u"ended:LINIE",
                                     u"willStart:LINIE", u"ended:LINIE"}));
}

TEST_F(CommandLookup, UnderscoreLooksUpGlobalNamesOnly) {
  int ran = 0;
  addCommand(u"ERASE", u"LOESCHEN", 0, [&] { ++ran; });
  EXPECT_EQ(run(u"_LOESCHEN"), u"Command: _LOESCHEN\nUnknown command \"LOESCHEN\".  Press F1 for help.\n");
  EXPECT_EQ(ran, 0);
  EXPECT_EQ(events.events(), (Events{u"unknown:LOESCHEN"}));
}

TEST_F(CommandLookup, ALeadingDashBelongsToTheName) {
  std::u16string ran;
  addCommand(u"Quillview", u"Quillview", 0, [&] { ran += u"dialog "; });
  addCommand(u"-Quillview", u"-Quillview", 0, [&] { ran += u"prompt "; });
  run(u"-quillview quillview _-Quillview");
  EXPECT_EQ(ran, u"prompt dialog prompt ");
}

TEST_F(CommandLookup, NewestGroupWinsUntilAnOlderIsPoppedToTheTop) {
  std::u16string ran;
  addCommand(u"SAME", u"SAME", 0, [&] { ran += u"old "; }, u"COMMAND_LINE_TESTS_OLD");
  addCommand(u"SAME", u"SAME", 0, [&] { ran += u"new "; });
  run(u"SAME");
  EXPECT_EQ(acedRegCmds->popGroupToTop(u"COMMAND_LINE_TESTS_OLD"), Acad::eOk);
  run(u"SAME");
  acedRegCmds->removeGroup(u"COMMAND_LINE_TESTS_OLD");
  EXPECT_EQ(ran, u"new old ");
}

TEST_F(CommandLookup, EnterRepeatsThePreviousCommand) {
  int ran = 0;
  addCommand(u"AGAIN", u"AGAIN", 0, [&] { ++ran; });
  EXPECT_EQ(run(u"AGAIN\n\n\n"), u"Command: AGAIN\nCommand: \nCommand: \n");
  EXPECT_EQ(ran, 3);
}

TEST_F(CommandLookup, AnUndefinedCommandRunsOnlyWithADot) {
  int ran = 0;
  addCommand(u"HIDDEN", u"HIDDEN", 0, [&] { ++ran; });
  acedRegCmds->lookupGlobalCmd(u"HIDDEN")->commandUndef(true);
  run(u"HIDDEN .HIDDEN ._HIDDEN");
  EXPECT_EQ(ran, 2);
  acedRegCmds->lookupGlobalCmd(u"HIDDEN")->commandUndef(false);
  run(u"HIDDEN");
  EXPECT_EQ(ran, 3);
}

using UnknownCommand = CommandLineTest;

TEST_F(UnknownCommand, AsksDemandLoadingFirst) {
  int ran = 0;
  onDemandLoad = [&](std::u16string_view name) {
    return name == u"late" && addCommand(u"LATE", u"LATE", 0, [&] { ++ran; }) == Acad::eOk;
  };
  EXPECT_EQ(run(u"late nothing"),
            u"Command: late\nCommand: nothing\nUnknown command \"NOTHING\".  Press F1 for help.\n");
  EXPECT_EQ(ran, 1);
  EXPECT_EQ(demandLoadRequests, (std::vector<std::u16string>{u"late", u"nothing"}));
  EXPECT_EQ(events.events(), (Events{u"willStart:LATE", u"ended:LATE", u"unknown:NOTHING"}));
}

TEST_F(UnknownCommand, DemandLoadingThatDefinesNothingIsUnknown) {
  onDemandLoad = [](std::u16string_view) { return true; };
  EXPECT_EQ(run(u"GHOST"), u"Command: GHOST\nUnknown command \"GHOST\".  Press F1 for help.\n");
}

TEST_F(UnknownCommand, AnAutoLispCommandFunctionRunsAfterRegisteredCommandsAndBeforeDemandLoading) {
  int ran = 0;
  addCommand(u"TWICE", u"TWICE", 0, [&] { ++ran; });
  lispCommands = {u"TWICE", u"hello", u"HELLO"};
  lispValues = {{u"(C:HELLO)", u"nil"}};
  EXPECT_EQ(run(u"TWICE hello\n\n"), u"Command: TWICE\nCommand: hello\nnil\nCommand: \nnil\n");
  EXPECT_EQ(ran, 1);
  EXPECT_EQ(lispSources, (std::vector<std::u16string>{u"(C:HELLO)", u"(C:HELLO)"}));
  EXPECT_TRUE(demandLoadRequests.empty());
  EXPECT_EQ(events.events(), (Events{u"willStart:TWICE", u"ended:TWICE", u"lispWillStart:(C:HELLO)", u"lispEnded",
                                     u"lispWillStart:(C:HELLO)", u"lispEnded"}));
}

TEST_F(UnknownCommand, AnAutoLispCommandFunctionDoesNotRunTransparently) {
  int value = 0;
  addCommand(u"ASK", u"ASK", 0, [&] { acedGetInt(u"\nNumber: ", &value); });
  lispCommands = {u"HELLO"};
  run(u"ASK 'HELLO 4\n");
  EXPECT_EQ(value, 4);
  EXPECT_TRUE(lispSources.empty());
}

using TransparentCommand = CommandLineTest;

TEST_F(TransparentCommand, RunsInsideAPromptThenThePromptIsAskedAgain) {
  int value = 0;
  addCommand(u"OUTER", u"OUTER", 0, [&] { acedGetInt(u"\nNumber: ", &value); });
  addCommand(u"INNER", u"INNER", ACRX_CMD_TRANSPARENT, [&] {
    ACHAR text[133];
    acedGetString(0, u"\nName: ", text);
  });
  EXPECT_EQ(run(u"OUTER 'INNER x 5"),
            u"Command: OUTER\nNumber: 'INNER\n>>Name: x\nResuming OUTER command.\nNumber: 5\n");
  EXPECT_EQ(value, 5);
  EXPECT_EQ(events.events(),
            (Events{u"willStart:OUTER", u"willStart:INNER", u"ended:INNER", u"ended:OUTER"}));
}

TEST_F(TransparentCommand, AModalCommandIsRefusedInsideAPrompt) {
  int inner = 0;
  addCommand(u"OUTER", u"OUTER", 0, [&] {
    int value = 0;
    acedGetInt(u"Number: ", &value);
  });
  addCommand(u"MODAL", u"MODAL", 0, [&] { ++inner; });
  EXPECT_EQ(run(u"OUTER 'MODAL 1"),
            u"Command: OUTER\nNumber: 'MODAL\n** That command may not be invoked transparently **\nNumber: 1\n");
  EXPECT_EQ(inner, 0);
}

TEST_F(TransparentCommand, OnlyOneRunsAtATime) {
  int inner = 0;
  addCommand(u"OUTER", u"OUTER", ACRX_CMD_TRANSPARENT, [&] {
    int value = 0;
    acedGetInt(u"Number: ", &value);
  });
  addCommand(u"INNER", u"INNER", ACRX_CMD_TRANSPARENT, [&] { ++inner; });
  EXPECT_EQ(run(u"OUTER 'OUTER 'INNER 1 2"),
            u"Command: OUTER\nNumber: 'OUTER\n>>Number: 'INNER\n** That command may not be invoked transparently **\n"
            u">>Number: 1\nResuming OUTER command.\nNumber: 2\n");
  EXPECT_EQ(inner, 0);
}

TEST_F(TransparentCommand, AnUnknownNameInsideAPromptAsksAgain) {
  addCommand(u"OUTER", u"OUTER", 0, [&] {
    int value = 0;
    acedGetInt(u"Number: ", &value);
  });
  EXPECT_EQ(run(u"OUTER 'NONE 1"),
            u"Command: OUTER\nNumber: 'NONE\nUnknown command \"NONE\".  Press F1 for help.\nNumber: 1\n");
}

TEST_F(TransparentCommand, AQuoteAtTheCommandPromptJustRunsTheCommand) {
  int ran = 0;
  addCommand(u"MODAL", u"MODAL", 0, [&] { ++ran; });
  run(u"'MODAL");
  EXPECT_EQ(ran, 1);
}

using CommandOutcome = CommandLineTest;

TEST_F(CommandOutcome, ACancelledPromptCancelsTheCommand) {
  int status = 0;
  addCommand(u"ASK", u"ASK", 0, [&] {
    int value = 0;
    status = acedGetInt(u"\nNumber: ", &value);
  });
  EXPECT_EQ(run(u"ASK\n^C\nASK\n3"), u"Command: ASK\nNumber: *Cancel*\nCommand: ASK\nNumber: 3\n");
  EXPECT_EQ(status, RTNORM);
  EXPECT_EQ(events.events(), (Events{u"willStart:ASK", u"cancelled:ASK", u"willStart:ASK", u"ended:ASK"}));
}

TEST_F(CommandOutcome, InputRunningOutFailsTheCommandAndEveryLaterPrompt) {
  std::vector<int> statuses;
  addCommand(u"ASK", u"ASK", 0, [&] {
    int value = 0;
    statuses.push_back(acedGetInt(u"\nNumber: ", &value));
    statuses.push_back(acedGetInt(u"\nAgain: ", &value));
  });
  EXPECT_EQ(run(u"ASK"), u"Command: ASK\nNumber: \n");
  EXPECT_EQ(statuses, (std::vector<int>{RTERROR, RTERROR}));
  EXPECT_EQ(events.events(), (Events{u"willStart:ASK", u"failed:ASK"}));
}

TEST_F(CommandOutcome, CancelAtTheCommandPromptCancelsNothing) {
  EXPECT_EQ(run(u"^C"), u"Command: *Cancel*\n");
  EXPECT_TRUE(events.events().empty());
}

TEST_F(CommandOutcome, AnEscapingExceptionFailsTheCommandAndTheHostGoesOn) {
  int after = 0;
  addCommand(u"THROWS", u"THROWS", 0, [] { throw std::runtime_error("broken"); });
  addCommand(u"AFTER", u"AFTER", 0, [&] { ++after; });
  EXPECT_EQ(run(u"THROWS AFTER"),
            u"Command: THROWS\nUnhandled exception in command THROWS: broken\nCommand: AFTER\n");
  EXPECT_EQ(after, 1);
  EXPECT_EQ(events.events(), (Events{u"willStart:THROWS", u"failed:THROWS", u"willStart:AFTER", u"ended:AFTER"}));
}

TEST_F(CommandOutcome, ACommandMayRemoveItselfWhileItRuns) {
  int ran = 0;
  addCommand(u"ONCE", u"ONCE", 0, [&] {
    ++ran;
    EXPECT_EQ(acedRegCmds->removeCmd(kTestGroup, u"ONCE"), Acad::eOk);
    acutPrintf(u"\ngone");
  });
  EXPECT_EQ(run(u"ONCE\n\nONCE"),
            u"Command: ONCE\ngone\nCommand: \nCommand: ONCE\nUnknown command \"ONCE\".  Press F1 for help.\n");
  EXPECT_EQ(ran, 1);
  EXPECT_EQ(events.events(), (Events{u"willStart:ONCE", u"ended:ONCE", u"unknown:ONCE"}));
}

TEST_F(CommandOutcome, AReactorRemovedByAnotherIsNotToldAgain) {
  struct Remover : AcEditorReactor {
    AcEditorReactor* victim = nullptr;
    void commandWillStart(const ACHAR*) override { acedEditor->removeReactor(victim); }
  } remover;
  EventRecorder late;
  acedEditor->removeReactor(&events);
  remover.victim = &late;
  acedEditor->addReactor(&remover);
  acedEditor->addReactor(&late);
  acedEditor->addReactor(&late);
  addCommand(u"X", u"X", 0, [] {});
  run(u"X");
  acedEditor->removeReactor(&remover);
  EXPECT_TRUE(late.events().empty());
}

TEST_F(CommandOutcome, LispAtTheCommandPromptIsBracketedByLispEvents) {
  lispValues = {{u"(+ 1\n2)", u"3"}};
  EXPECT_EQ(run(u"(+ 1\n2)"), u"Command: (+ 1\n2)\n3\n");
  EXPECT_EQ(events.events(), (Events{u"lispWillStart:(+ 1", u"lispEnded"}));
}

TEST_F(CommandOutcome, InputRunningOutInsideATransparentCommandFailsBoth) {
  addCommand(u"OUTER", u"OUTER", 0, [&] {
    int value = 0;
    acedGetInt(u"Number: ", &value);
  });
  addCommand(u"INNER", u"INNER", ACRX_CMD_TRANSPARENT, [&] {
    int value = 0;
    acedGetInt(u"Inner: ", &value);
  });
  EXPECT_EQ(run(u"OUTER 'INNER"), u"Command: OUTER\nNumber: 'INNER\n>>Inner: \n");
  EXPECT_EQ(events.events(),
            (Events{u"willStart:OUTER", u"willStart:INNER", u"failed:INNER", u"failed:OUTER"}));
}
