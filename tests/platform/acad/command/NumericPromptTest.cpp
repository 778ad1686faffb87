#include <acedads.h>

#include "CommandLineFixture.h"

namespace {

struct IntReply {
  int status;
  int value;
  bool operator==(const IntReply&) const = default;
};

}  // namespace

using GetInt = CommandLineTest;

TEST_F(GetInt, RefusesWhatIsNotA16BitInteger) {
  IntReply reply{0, 0};
  addCommand(u"N", u"N", 0, [&] { reply.status = acedGetInt(u"\nN: ", &reply.value); });
  EXPECT_EQ(run(u"N 1.5 abc 32768 -32769 -32768"),
            u"Command: N\nN: 1.5\nRequires an integer value.\nN: abc\nRequires an integer value.\n"
            u"N: 32768\nRequires an integer value.\nN: -32769\nRequires an integer value.\nN: -32768\n");
  EXPECT_EQ(reply, (IntReply{RTNORM, -32768}));
}

TEST_F(GetInt, TakesTheLimitsOfTheRange) {
  std::vector<int> values;
  addCommand(u"N", u"N", 0, [&] {
    int value = 0;
    while (acedGetInt(u"N: ", &value) == RTNORM) values.push_back(value);
  });
  run(u"N 32767 +5 007 0");
  EXPECT_EQ(values, (std::vector<int>{32767, 5, 7, 0}));
}

TEST_F(GetInt, NoNegAndNoZeroAskAgain) {
  IntReply reply{0, 0};
  addCommand(u"N", u"N", 0, [&] {
    acedInitGet(RSG_NONEG | RSG_NOZERO, nullptr);
    reply.status = acedGetInt(u"\nN: ", &reply.value);
  });
  EXPECT_EQ(run(u"N -1 0 3"),
            u"Command: N\nN: -1\nValue must be positive.\nN: 0\nValue must be nonzero.\nN: 3\n");
  EXPECT_EQ(reply, (IntReply{RTNORM, 3}));
}

TEST_F(GetInt, EnterGivesNoneUnlessNoNull) {
  std::vector<int> statuses;
  addCommand(u"N", u"N", 0, [&] {
    int value = 0;
    statuses.push_back(acedGetInt(u"N: ", &value));
    acedInitGet(RSG_NONULL, nullptr);
    statuses.push_back(acedGetInt(u"N: ", &value));
  });
  run(u"N\n\n\n4");
  EXPECT_EQ(statuses, (std::vector<int>{RTNONE, RTNORM}));
}

TEST_F(GetInt, AKeywordAnswersWithKword) {
  ACHAR keyword[132] = u"";
  IntReply reply{0, 0};
  addCommand(u"N", u"N", 0, [&] {
    acedInitGet(0, u"Default");
    reply.status = acedGetInt(u"N [Default]: ", &reply.value);
    acedGetInput(keyword);
  });
  run(u"N d");
  EXPECT_EQ(reply.status, RTKWORD);
  EXPECT_EQ(std::u16string(keyword), u"Default");
}

TEST_F(GetInt, OtherAnswersAnyTextWithKword) {
  ACHAR text[132] = u"";
  int status = 0;
  addCommand(u"N", u"N", 0, [&] {
    int value = 0;
    acedInitGet(RSG_OTHER, nullptr);
    status = acedGetInt(u"N: ", &value);
    acedGetInput(text);
  });
  EXPECT_EQ(run(u"N 40000 many"), u"Command: N\nN: 40000\nRequires an integer value.\nN: many\n");
  EXPECT_EQ(status, RTKWORD);
  EXPECT_EQ(std::u16string(text), u"many");
}

TEST_F(GetInt, ALispValueIsTheAnswer) {
  IntReply reply{0, 0};
  lispValues = {{u"(+ 1 2)", u"3"}};
  addCommand(u"N", u"N", 0, [&] { reply.status = acedGetInt(u"N: ", &reply.value); });
  run(u"N (+ 1 2)");
  EXPECT_EQ(reply, (IntReply{RTNORM, 3}));
  EXPECT_EQ(events.events(),
            (std::vector<std::u16string>{u"willStart:N", u"lispWillStart:(+ 1 2)", u"lispEnded", u"ended:N"}));
}

TEST_F(GetInt, ALispErrorAsksAgain) {
  IntReply reply{0, 0};
  addCommand(u"N", u"N", 0, [&] { reply.status = acedGetInt(u"N: ", &reply.value); });
  EXPECT_EQ(run(u"N (bad) 2"), u"Command: N\nN: (bad)\n; error: no function definition: (bad)\nN: 2\n");
  EXPECT_EQ(reply, (IntReply{RTNORM, 2}));
  EXPECT_EQ(events.events(),
            (std::vector<std::u16string>{u"willStart:N", u"lispWillStart:(bad)", u"lispCancelled", u"ended:N"}));
}

using GetReal = CommandLineTest;

TEST_F(GetReal, TakesDecimalNumbersOnly) {
  std::vector<double> values;
  addCommand(u"R", u"R", 0, [&] {
    double value = 0;
    while (acedGetReal(u"\nR: ", &value) == RTNORM) values.push_back(value);
  });
  EXPECT_EQ(run(u"R 1.5 -.5 2e3 7 1e 1,5 inf"),
            u"Command: R\nR: 1.5\nR: -.5\nR: 2e3\nR: 7\nR: 1e\nRequires numeric value.\nR: 1,5\n"
            u"Requires numeric value.\nR: inf\nRequires numeric value.\nR: \n");
  EXPECT_EQ(values, (std::vector<double>{1.5, -0.5, 2000.0, 7.0}));
}

TEST_F(GetReal, NoZeroAndNoNegAskAgain) {
  double value = 0;
  addCommand(u"R", u"R", 0, [&] {
    acedInitGet(RSG_NOZERO | RSG_NONEG, nullptr);
    acedGetReal(u"R: ", &value);
  });
  EXPECT_EQ(run(u"R 0.0 -0.1 0.25"),
            u"Command: R\nR: 0.0\nValue must be nonzero.\nR: -0.1\nValue must be positive.\nR: 0.25\n");
  EXPECT_EQ(value, 0.25);
}

TEST(GetInputWithoutAKeyword, Fails) {
  ACHAR text[8];
  int value = 0;
  acedGetInt(u"N: ", &value);
  EXPECT_EQ(acedGetInput(text), RTERROR);
}
