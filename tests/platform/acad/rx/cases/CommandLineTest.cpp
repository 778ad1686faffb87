#include <gtest/gtest.h>
#include <acedads.h>
#include <acutads.h>
#include "CommandLineCapture.h"

TEST(AcutPrintf, FormatsWideTextOntoTheCommandLine) {
  CommandLineCapture commandLine;
  EXPECT_EQ(acutPrintf(u"\n%s: %d of %.2f%%", u"层", 3, 12.5), 15);
  EXPECT_EQ(commandLine.text(), u"\n层: 3 of 12.50%");
  EXPECT_EQ(acutPrintf(nullptr), 0);
}

TEST(AcutPrintf, TheDefaultSinkWritesUtf8ToStandardOutput) {
  testing::internal::CaptureStdout();
  acutPrintf(u"图层 %s\n", u"0");
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "图层 0\n");
}

TEST(AcedPostCommandPrompt, ShowsTheCommandPromptOnALineOfItsOwnOnce) {
  CommandLineCapture commandLine;
  acedPostCommandPrompt();
  EXPECT_EQ(commandLine.text(), u"Command: ");
  acedPostCommandPrompt();
  EXPECT_EQ(commandLine.text(), u"Command: ");
  acutPrintf(u"done");
  acedPostCommandPrompt();
  EXPECT_EQ(commandLine.text(), u"Command: done\nCommand: ");
}

TEST(CommandLineSink, ReplacingHandsBackThePreviousAndEmptyRestoresTheDefault) {
  std::u16string first, second;
  acadsim::CommandLineSink original = acadsim::SetCommandLineSink([&](std::u16string_view t) { first += t; });
  acadsim::SetCommandLineSink([&](std::u16string_view t) { second += t; });
  acadsim::WriteCommandLine(u"b");
  acadsim::CommandLineSink previous = acadsim::SetCommandLineSink(nullptr);
  previous(u"!");
  testing::internal::CaptureStdout();
  acadsim::WriteCommandLine(u"c");
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "c");
  acadsim::SetCommandLineSink(std::move(original));
  EXPECT_EQ(first, u"");
  EXPECT_EQ(second, u"b!");
}
