// getvar and setvar through the host's system variables.
#include "LispTestSupport.h"

namespace {

using LispSystemVariables = LispTest;

TEST_F(LispSystemVariables, GetvarGivesEachTypeAsAutoLISPDoes) {
  EXPECT_EQ(eval(R"((getvar "LUNITS"))"), "2");
  EXPECT_EQ(eval(R"((getvar "lunits"))"), "2");
  EXPECT_EQ(eval(R"((getvar "LTSCALE"))"), "1.0");
  EXPECT_EQ(eval(R"((getvar "LIMMAX"))"), "(12.0 9.0)");
  EXPECT_EQ(eval(R"((getvar "INSBASE"))"), "(0.0 0.0 0.0)");
  EXPECT_EQ(eval(R"((type (getvar "PRODUCT")))"), "STR");
}

TEST_F(LispSystemVariables, GetvarOfAnUnknownNameIsNil) {
  EXPECT_EQ(eval(R"((getvar "NOSUCHVAR"))"), "nil");
  EXPECT_EQ(eval("(getvar 1)"), "; error: bad argument type: stringp 1");
}

TEST_F(LispSystemVariables, SetvarSetsAndGivesTheValue) {
  EXPECT_EQ(eval(R"((setvar "LUPREC" 2))"), "2");
  EXPECT_EQ(eval(R"((getvar "LUPREC"))"), "2");
  EXPECT_EQ(eval(R"((setvar "FILLETRAD" 0.5))"), "0.5");
  EXPECT_EQ(eval(R"((setvar "FILLETRAD" 2))"), "2");
  EXPECT_EQ(eval(R"((getvar "FILLETRAD"))"), "2.0");
  EXPECT_EQ(eval(R"((setvar "INSBASE" '(1 2 3)))"), "(1 2 3)");
  EXPECT_EQ(eval(R"((getvar "INSBASE"))"), "(1.0 2.0 3.0)");
  EXPECT_EQ(eval(R"((setvar "LIMMAX" '(40.0 30.0)))"), "(40.0 30.0)");
  EXPECT_EQ(eval(R"((getvar "LIMMAX"))"), "(40.0 30.0)");
}

TEST_F(LispSystemVariables, SetvarRejectsUnknownReadOnlyAndIllFittingValues) {
  EXPECT_EQ(eval(R"((setvar "NOSUCHVAR" 1))"), R"(; error: AutoCAD variable setting rejected: "NOSUCHVAR" 1)");
  EXPECT_EQ(eval(R"((setvar "DWGNAME" "x.dwg"))"), R"(; error: AutoCAD variable setting rejected: "DWGNAME" "x.dwg")");
  EXPECT_EQ(eval(R"((setvar "LUNITS" "2"))"), R"(; error: AutoCAD variable setting rejected: "LUNITS" "2")");
  EXPECT_EQ(eval(R"((setvar "LUNITS" 9))"), R"(; error: AutoCAD variable setting rejected: "LUNITS" 9)");
  EXPECT_EQ(eval(R"((setvar "OSMODE" 40000))"), R"(; error: AutoCAD variable setting rejected: "OSMODE" 40000)");
  EXPECT_EQ(eval(R"((setvar "LUNITS" 2.0))"), R"(; error: AutoCAD variable setting rejected: "LUNITS" 2.0)");
  EXPECT_EQ(eval(R"((setvar "INSBASE" '(1 "a")))"), R"(; error: AutoCAD variable setting rejected: "INSBASE" (1 "a"))");
  EXPECT_EQ(eval(R"((setvar "INSBASE" '(1 2 3 4)))"),
            R"(; error: AutoCAD variable setting rejected: "INSBASE" (1 2 3 4))");
  EXPECT_EQ(eval(R"((getvar "LUNITS"))"), "2");
  EXPECT_EQ(eval(R"((setvar "LUNITS"))"), "; error: too few arguments");
}

}  // namespace
