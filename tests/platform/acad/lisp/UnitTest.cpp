// rtos, angtos, distof and angtof: the host's unit formats, the drawing's variables, and round trips.
#include <cmath>
#include <string>

#include "LispTestSupport.h"

namespace {

using LispUnits = LispTest;

TEST_F(LispUnits, RtosInEachMode) {
  EXPECT_EQ(eval("(rtos 17.5 1 4)"), R"("1.7500E+01")");
  EXPECT_EQ(eval("(rtos 17.5 2 2)"), R"("17.50")");
  EXPECT_EQ(eval("(rtos 17.5 3 2)"), R"("1'-5.50\"")");
  EXPECT_EQ(eval("(rtos 17.5 4 2)"), R"("1'-5 1/2\"")");
  EXPECT_EQ(eval("(rtos 17.5 5 2)"), R"("17 1/2")");
  EXPECT_EQ(eval("(rtos 17)"), R"("17.0000")");
}

TEST_F(LispUnits, RtosFollowsLunitsAndLuprec) {
  eval(R"((setvar "LUNITS" 4) (setvar "LUPREC" 3))");
  EXPECT_EQ(eval("(rtos 17.5)"), R"("1'-5 1/2\"")");
  EXPECT_EQ(eval("(rtos 17.5 2)"), R"("17.500")");
}

TEST_F(LispUnits, RtosArguments) {
  EXPECT_EQ(eval("(rtos 1.0 6 2)"), "; error: bad argument value: 6");
  EXPECT_EQ(eval("(rtos 1.0 2 9)"), "; error: bad argument value: 9");
  EXPECT_EQ(eval("(rtos \"1\")"), R"(; error: bad argument type: numberp: "1")");
  EXPECT_EQ(eval("(rtos 1.0 2.0)"), "; error: bad argument type: fixnump: 2.0");
  EXPECT_EQ(eval("(rtos 1e300 4 8)"), "; error: bad argument value: 1.0e+300");
}

TEST_F(LispUnits, AngtosInEachMode) {
  EXPECT_EQ(eval("(angtos (/ pi 4) 0 4)"), R"("45.0000")");
  EXPECT_EQ(eval("(angtos (/ pi 4) 1 4)"), R"("45d0'0\"")");
  EXPECT_EQ(eval("(angtos (/ pi 4) 2 4)"), R"("50.0000g")");
  EXPECT_EQ(eval("(angtos (/ pi 4) 3 4)"), R"("0.7854r")");
  EXPECT_EQ(eval("(angtos (/ pi 4) 4 4)"), R"("N 45d0'0\" E")");
  EXPECT_EQ(eval("(angtos pi)"), R"("180")");
  EXPECT_EQ(eval("(angtos 1.0 5)"), "; error: bad argument value: 5");
}

TEST_F(LispUnits, DistofReadsWhatRtosWrites) {
  EXPECT_EQ(eval(R"((distof "1.7500E+01" 1))"), "17.5");
  EXPECT_EQ(eval(R"((distof "17.50" 2))"), "17.5");
  EXPECT_EQ(eval(R"((distof "1'-5.50\"" 3))"), "17.5");
  EXPECT_EQ(eval(R"((distof "1'-5 1/2\"" 4))"), "17.5");
  EXPECT_EQ(eval(R"((distof "17 1/2" 5))"), "17.5");
  EXPECT_EQ(eval(R"((distof "1'5-1/2\"" 4))"), "17.5");
  EXPECT_EQ(eval(R"((distof "-1'-5 1/2\"" 4))"), "-17.5");
}

TEST_F(LispUnits, DistofKeyboardForms) {
  EXPECT_EQ(eval(R"((distof "1'" 4))"), "12.0");
  EXPECT_EQ(eval(R"((distof "5\"" 3))"), "5.0");
  EXPECT_EQ(eval(R"((distof "17.5" 4))"), "17.5");
  EXPECT_EQ(eval(R"((distof "1'-5.5\"" 4))"), "17.5");
  EXPECT_EQ(eval(R"((distof "1'-5 1/2\"" 3))"), "17.5");
  EXPECT_EQ(eval(R"((distof "3/4" 5))"), "0.75");
  EXPECT_EQ(eval(R"((distof "17-1/2" 5))"), "17.5");
  EXPECT_EQ(eval(R"((distof "  2.5  " 2))"), "2.5");
  EXPECT_EQ(eval(R"((distof "1.5e1" 2))"), "15.0");
}

TEST_F(LispUnits, DistofRefusesWhatItCannotRead) {
  EXPECT_EQ(eval(R"((distof "abc" 2))"), "nil");
  EXPECT_EQ(eval(R"((distof "" 2))"), "nil");
  EXPECT_EQ(eval(R"((distof "1/2" 2))"), "nil");
  EXPECT_EQ(eval(R"((distof "1'" 2))"), "nil");
  EXPECT_EQ(eval(R"((distof "1/0" 5))"), "nil");
  EXPECT_EQ(eval(R"((distof "1'-" 4))"), "nil");
  EXPECT_EQ(eval(R"((distof "12 apples" 2))"), "nil");
  EXPECT_EQ(eval(R"((distof "1" 6))"), "; error: bad argument value: 6");
  EXPECT_EQ(eval("(distof 1 2)"), "; error: bad argument type: stringp 1");
}

TEST_F(LispUnits, DistofDefaultsToLunits) {
  EXPECT_EQ(eval(R"((distof "1'"))"), "nil");
  eval(R"((setvar "LUNITS" 4))");
  EXPECT_EQ(eval(R"((distof "1'"))"), "12.0");
}

// Every mode and precision: the text rtos writes reads back within the precision it was written to.
TEST_F(LispUnits, RtosDistofRoundTrip) {
  for (int unitMode : {0, 1}) {
    eval("(setvar \"UNITMODE\" " + std::to_string(unitMode) + ")");
    for (int mode = 1; mode <= 5; ++mode) {
      for (int precision = 0; precision <= 8; ++precision) {
        for (double value : {0.0, 17.5, -3.25, 1234.5678, 0.015625, 100.0}) {
          const std::string number = std::to_string(value);
          const std::string text = "(rtos " + number + " " + std::to_string(mode) + " " + std::to_string(precision) + ")";
          const std::string back = "(distof " + text + " " + std::to_string(mode) + ")";
          ASSERT_NE(eval(back), "nil") << eval(text);
          const double step = mode >= 4 ? std::ldexp(1.0, -precision) : std::pow(10.0, -precision);
          const double tolerance = mode == 1 ? std::fabs(value) * step + 1e-12 : step;
          EXPECT_LE(std::fabs(std::stod(eval("(- " + back + " " + number + ")"))), tolerance) << eval(text);
        }
      }
    }
  }
}

TEST_F(LispUnits, AngtofReadsWhatAngtosWrites) {
  EXPECT_EQ(eval(R"((angtof "45.0000" 0))"), "0.785398");
  EXPECT_EQ(eval(R"((angtof "45d0'0\"" 1))"), "0.785398");
  EXPECT_EQ(eval(R"((angtof "50.0000g" 2))"), "0.785398");
  EXPECT_EQ(eval(R"((angtof "0.7854r" 3))"), "0.7854");
  EXPECT_EQ(eval(R"((angtof "N 45d0'0\" E" 4))"), "0.785398");
}

TEST_F(LispUnits, AngtofForms) {
  EXPECT_EQ(eval(R"((angtof "45d30'" 1))"), "0.794125");
  EXPECT_EQ(eval(R"((angtof "45d30'36\"" 1))"), "0.794299");
  EXPECT_EQ(eval(R"((angtof "180" 0))"), "3.14159");
  EXPECT_EQ(eval(R"((angtof "N" 4))"), "1.5708");
  EXPECT_EQ(eval(R"((angtof "W" 4))"), "3.14159");
  EXPECT_EQ(eval(R"((angtof "S45dW" 4))"), "3.92699");
  EXPECT_EQ(eval(R"((angtof "N 30d E" 4))"), "1.0472");
  EXPECT_EQ(eval(R"((angtof "S 10d0'0\" E" 4))"), "4.88692");
  EXPECT_EQ(eval(R"((angtof "N 95d E" 4))"), "nil");
  EXPECT_EQ(eval(R"((angtof "45x" 0))"), "nil");
  EXPECT_EQ(eval(R"((angtof "1" 5))"), "; error: bad argument value: 5");
}

TEST_F(LispUnits, AngtosAngtofRoundTrip) {
  for (int mode = 0; mode <= 4; ++mode) {
    for (double radians : {0.1, 0.785398, 2.0, 3.5, 5.9}) {
      const std::string number = std::to_string(radians);
      const std::string text = "(angtos " + number + " " + std::to_string(mode) + " 8)";
      const std::string back = "(angtof " + text + " " + std::to_string(mode) + ")";
      ASSERT_NE(eval(back), "nil") << eval(text);
      EXPECT_LE(std::fabs(std::stod(eval("(- " + back + " " + number + ")"))), 1e-7) << eval(text);
    }
  }
}

}  // namespace
