#include <gtest/gtest.h>
#include <acedads.h>
#include <acutads.h>
#include <string>
#include <utility>
#include <vector>

namespace {

// Sets integer system variables for one test and puts the previous values back.
class SystemVariables {
 public:
  SystemVariables(std::initializer_list<std::pair<const ACHAR*, short>> values) {
    for (const auto& [name, value] : values) {
      resbuf previous{};
      EXPECT_EQ(acedGetVar(name, &previous), RTNORM);
      m_previous.emplace_back(name, previous.resval.rint);
      set(name, value);
    }
  }
  ~SystemVariables() {
    for (auto it = m_previous.rbegin(); it != m_previous.rend(); ++it) set(it->first, it->second);
  }

 private:
  static void set(const ACHAR* name, short value) {
    resbuf rb{};
    rb.restype = RTSHORT;
    rb.resval.rint = value;
    EXPECT_EQ(acedSetVar(name, &rb), RTNORM);
  }
  std::vector<std::pair<const ACHAR*, short>> m_previous;
};

}  // namespace

TEST(AcdbRToS, MinusOneTakesTheDrawingsUnitsAndPrecision) {
  SystemVariables variables{{u"LUNITS", 4}, {u"LUPREC", 2}, {u"UNITMODE", 0}, {u"DIMZIN", 0}};
  ACHAR text[256] = u"0";
  EXPECT_EQ(acdbRToS(17.5, -1, -1, text), RTNORM);
  EXPECT_EQ(std::u16string(text), u"1'-5 1/2\"");
  EXPECT_EQ(acdbRToS(17.5, 2, -1, text, 256), RTNORM);
  EXPECT_EQ(std::u16string(text), u"17.50");
  EXPECT_EQ(acdbRToS(17.5, -1, 0, text, 256), RTNORM);
  EXPECT_EQ(std::u16string(text), u"1'-6\"");
}

TEST(AcdbRToS, FollowsUnitmodeAndDimzin) {
  SystemVariables variables{{u"UNITMODE", 1}, {u"DIMZIN", 8}};
  ACHAR text[256] = u"0";
  EXPECT_EQ(acdbRToS(17.5, 4, 2, text, 256), RTNORM);
  EXPECT_EQ(std::u16string(text), u"1'5-1/2\"");
  EXPECT_EQ(acdbRToS(17.5, 2, 4, text, 256), RTNORM);
  EXPECT_EQ(std::u16string(text), u"17.5");
}

TEST(AcdbRToS, FailuresLeaveTheBufferAsItWas) {
  ACHAR text[8] = u"0";
  EXPECT_EQ(acdbRToS(17.5, 0, 2, text, 8), RTERROR);
  EXPECT_EQ(acdbRToS(17.5, 6, 2, text, 8), RTERROR);
  EXPECT_EQ(acdbRToS(17.5, 2, 9, text, 8), RTERROR);
  EXPECT_EQ(acdbRToS(17.5, 2, -2, text, 8), RTERROR);
  EXPECT_EQ(acdbRToS(17.5, 2, 2, nullptr, 8), RTERROR);
  EXPECT_EQ(acdbRToS(17.5, 2, 2, text, 5), RTINPUTTRUNCATED);
  EXPECT_EQ(acdbRToS(17.5, 2, 2, text, 0), RTINPUTTRUNCATED);
  EXPECT_EQ(std::u16string(text), u"0");
  EXPECT_EQ(acdbRToS(17.5, 2, 2, text, 6), RTNORM);
  EXPECT_EQ(std::u16string(text), u"17.50");
}

TEST(AcdbAngToS, MinusOneTakesTheDrawingsUnitsAndPrecision) {
  SystemVariables variables{{u"AUNITS", 4}, {u"AUPREC", 0}, {u"UNITMODE", 0}};
  ACHAR text[256] = u"0";
  EXPECT_EQ(acdbAngToS(-0.785398, -1, -1, text), RTNORM);
  EXPECT_EQ(std::u16string(text), u"S 45d E");
  EXPECT_EQ(acdbAngToS(0.785398, 0, 4, text, 256), RTNORM);
  EXPECT_EQ(std::u16string(text), u"45.0000");
}

TEST(AcdbAngToS, FailuresLeaveTheBufferAsItWas) {
  ACHAR text[8] = u"0";
  EXPECT_EQ(acdbAngToS(1, 5, 2, text, 8), RTERROR);
  EXPECT_EQ(acdbAngToS(1, 0, 9, text, 8), RTERROR);
  EXPECT_EQ(acdbAngToS(1, 0, 2, nullptr, 8), RTERROR);
  EXPECT_EQ(acdbAngToS(0.785398, 0, 4, text, 7), RTINPUTTRUNCATED);
  EXPECT_EQ(std::u16string(text), u"0");
  EXPECT_EQ(acdbAngToS(0.785398, 0, 4, text, 8), RTNORM);
  EXPECT_EQ(std::u16string(text), u"45.0000");
}
