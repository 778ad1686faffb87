#include <gtest/gtest.h>

#include "../../../../platform/acad/ed/command/ReplyValues.h"

using acadsim::command::LispValueAsAnswer;

TEST(LispValueAsAnswer, AStringLosesItsQuotesAndEscapes) {
  EXPECT_EQ(LispValueAsAnswer(u"\"a b\""), u"a b");
  EXPECT_EQ(LispValueAsAnswer(u"\"say \\\"hi\\\"\\n\""), u"say \"hi\"\n");
  EXPECT_EQ(LispValueAsAnswer(u"\"\\101\\0612\""), u"A12");
  EXPECT_EQ(LispValueAsAnswer(u"\"\\\\\""), u"\\");
  EXPECT_EQ(LispValueAsAnswer(u"\"\""), u"");
}

TEST(LispValueAsAnswer, OtherValuesStayAsPrinted) {
  EXPECT_EQ(LispValueAsAnswer(u"3"), u"3");
  EXPECT_EQ(LispValueAsAnswer(u"(1.0 2.0)"), u"(1.0 2.0)");
  EXPECT_EQ(LispValueAsAnswer(u"\""), u"\"");
  EXPECT_EQ(LispValueAsAnswer(u"nil"), u"nil");
}
