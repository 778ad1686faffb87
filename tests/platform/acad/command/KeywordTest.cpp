#include <acedads.h>

#include "../../../../platform/acad/ed/command/KeywordList.h"
#include "CommandLineFixture.h"

using acadsim::command::KeywordList;
using acadsim::command::KeywordMatches;

TEST(KeywordMatches, CapitalsAreTheRequiredAbbreviation) {
  EXPECT_TRUE(KeywordMatches(u"OFf", u"OF"));
  EXPECT_TRUE(KeywordMatches(u"OFf", u"OFF"));
  EXPECT_TRUE(KeywordMatches(u"OFf", u"of"));
  EXPECT_FALSE(KeywordMatches(u"OFf", u"O"));
  EXPECT_FALSE(KeywordMatches(u"OFf", u"OFFX"));
  EXPECT_TRUE(KeywordMatches(u"Icon", u"I"));
  EXPECT_TRUE(KeywordMatches(u"Icon", u"ic"));
  EXPECT_TRUE(KeywordMatches(u"Icon", u"ICON"));
  EXPECT_FALSE(KeywordMatches(u"Icon", u"Icons"));
  EXPECT_FALSE(KeywordMatches(u"Icon", u"Ix"));
  EXPECT_TRUE(KeywordMatches(u"ON", u"on"));
  EXPECT_FALSE(KeywordMatches(u"ON", u"O"));
}

TEST(KeywordMatches, CapitalsInsideAKeywordCountWhereverTheyStand) {
  EXPECT_TRUE(KeywordMatches(u"字体(F)", u"F"));
  EXPECT_TRUE(KeywordMatches(u"字体(F)", u"f"));
  EXPECT_TRUE(KeywordMatches(u"字体(F)", u"字体(F)"));
  EXPECT_TRUE(KeywordMatches(u"字体(F)", u"字体(f)"));
  EXPECT_FALSE(KeywordMatches(u"字体(F)", u"字体"));
  EXPECT_FALSE(KeywordMatches(u"字体(F)", u"(F)"));
  EXPECT_TRUE(KeywordMatches(u"eXit", u"x"));
  EXPECT_TRUE(KeywordMatches(u"eXit", u"xit"));
  EXPECT_FALSE(KeywordMatches(u"eXit", u"ex"));
}

TEST(KeywordMatches, AKeywordWithoutCapitalsMatchesOnlyWhole) {
  EXPECT_TRUE(KeywordMatches(u"是", u"是"));
  EXPECT_FALSE(KeywordMatches(u"是否", u"是"));
  EXPECT_TRUE(KeywordMatches(u"yes", u"YES"));
  EXPECT_FALSE(KeywordMatches(u"yes", u"y"));
  EXPECT_FALSE(KeywordMatches(u"是", u""));
}

TEST(KeywordList, GivesTheFirstMatchAsListed) {
  const KeywordList list(u"ON OFf  Icon 字体(F)");
  EXPECT_EQ(list.match(u"on"), u"ON");
  EXPECT_EQ(list.match(u"off"), u"OFf");
  EXPECT_EQ(list.match(u"i"), u"Icon");
  EXPECT_EQ(list.match(u"F"), u"字体(F)");
  EXPECT_EQ(list.match(u"x"), std::nullopt);
  EXPECT_EQ(list.match(u"_ON"), u"ON");
  EXPECT_TRUE(KeywordList(u"").empty());
}

TEST(KeywordList, LocalKeywordsChooseTheirGlobalOnes) {
  const KeywordList list(u"Ja Nein _ Yes No");
  EXPECT_EQ(list.match(u"J"), u"Yes");
  EXPECT_EQ(list.match(u"nein"), u"No");
  EXPECT_EQ(list.match(u"_Y"), u"Yes");
  EXPECT_EQ(list.match(u"_n"), u"No");
  EXPECT_EQ(list.match(u"Y"), std::nullopt);
  EXPECT_EQ(list.match(u"_J"), std::nullopt);
}

TEST(KeywordList, ALocalKeywordWithoutAGlobalOneStandsForItself) {
  const KeywordList list(u"Ja Nein Vielleicht _ Yes No");
  EXPECT_EQ(list.match(u"V"), u"Vielleicht");
}

using GetKword = CommandLineTest;

TEST_F(GetKword, ReturnsTheKeywordAsListed) {
  std::vector<std::pair<int, std::u16string>> replies;
  addCommand(u"ASK", u"ASK", 0, [&] {
    for (int i = 0; i < 4; ++i) {
      ACHAR reply[512] = u"?";
      acedInitGet(0, u"ON OFf 字体(F)");
      const int status = acedGetKword(u"Option: ", reply);
      replies.emplace_back(status, reply);
    }
  });
  run(u"ASK of f\n\n");
  EXPECT_EQ(replies, (std::vector<std::pair<int, std::u16string>>{
                         {RTNORM, u"OFf"}, {RTNORM, u"字体(F)"}, {RTNONE, u""}, {RTERROR, u""}}));
}

TEST_F(GetKword, AsksAgainAfterAnInvalidKeywordAndRefusesEnterUnderNoNull) {
  std::u16string chosen;
  addCommand(u"ASK", u"ASK", 0, [&] {
    ACHAR reply[512];
    acedInitGet(RSG_NONULL, u"Left Right");
    EXPECT_EQ(acedGetKword(u"\nSide [Left/Right]: ", reply), RTNORM);
    chosen = reply;
  });
  EXPECT_EQ(run(u"ASK up  r"),
            u"Command: ASK\nSide [Left/Right]: up\nInvalid option keyword.\nSide [Left/Right]: "
            u"\nSide [Left/Right]: r\n");
  EXPECT_EQ(chosen, u"Right");
}

TEST_F(GetKword, OtherTakesAnyText) {
  std::u16string chosen;
  ACHAR input[132] = u"";
  addCommand(u"ASK", u"ASK", 0, [&] {
    ACHAR reply[512];
    acedInitGet(RSG_OTHER, u"Left Right");
    EXPECT_EQ(acedGetKword(u"Side: ", reply), RTNORM);
    chosen = reply;
    EXPECT_EQ(acedGetInput(input), RTNORM);
  });
  run(u"ASK middle");
  EXPECT_EQ(chosen, u"middle");
  EXPECT_EQ(std::u16string(input), u"middle");
}

TEST_F(GetKword, InitGetHoldsForTheNextPromptOnly) {
  std::vector<int> statuses;
  addCommand(u"ASK", u"ASK", 0, [&] {
    ACHAR reply[512];
    acedInitGet(0, u"Left");
    statuses.push_back(acedGetKword(u"First: ", reply));
    statuses.push_back(acedGetKword(u"Second: ", reply));
  });
  EXPECT_EQ(run(u"ASK L L"), u"Command: ASK\nFirst: L\nSecond: L\nInvalid option keyword.\nSecond: \n");
  EXPECT_EQ(statuses, (std::vector<int>{RTNORM, RTERROR}));
}

TEST_F(GetKword, ASmallBufferIsNeverOverrun) {
  ACHAR reply[4] = {u'x', u'x', u'x', u'!'};
  int status = 0;
  addCommand(u"ASK", u"ASK", 0, [&] {
    acedInitGet(0, u"Longword");
    status = acedGetKword(u"Word: ", reply, 3);
  });
  run(u"ASK L");
  EXPECT_EQ(status, RTINPUTTRUNCATED);
  EXPECT_EQ(std::u16string(reply), u"Lo");
  EXPECT_EQ(reply[3], u'!');
}

TEST(GetKwordOutsideACommandLine, FailsAtOnce) {
  ACHAR reply[512];
  acedInitGet(0, u"Yes");
  EXPECT_EQ(acedGetKword(u"Yes? ", reply), RTERROR);
  EXPECT_EQ(acedGetKword(u"Yes? ", nullptr), RTERROR);
}

TEST_F(GetKword, AnAutoLispStringIsTheReplyWithoutItsQuotes) {
  std::u16string chosen;
  lispValues = {{u"(car choices)", u"\"right\""}};
  lispAnswers = {{u"(car choices)", u"right"}};
  addCommand(u"ASK", u"ASK", 0, [&] {
    ACHAR reply[512];
    acedInitGet(0, u"Left Right");
    acedGetKword(u"Side: ", reply);
    chosen = reply;
  });
  run(u"ASK (car choices)");
  EXPECT_EQ(chosen, u"Right");
}
