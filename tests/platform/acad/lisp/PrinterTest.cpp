// Values as the command line echoes them (prin1), as princ writes them, and as prompts take them.
#include "LispTestSupport.h"

namespace {

using LispPrinter = LispTest;

TEST_F(LispPrinter, RealsShowSixSignificantDigitsAndAPoint) {
  EXPECT_EQ(eval("2.0"), "2.0");
  EXPECT_EQ(eval("(/ 1.0 3)"), "0.333333");
  EXPECT_EQ(eval("3.14159265"), "3.14159");
  EXPECT_EQ(eval("100000.0"), "100000.0");
  EXPECT_EQ(eval("123456.7"), "123457.0");
  EXPECT_EQ(eval("1234567.0"), "1.23457e+006");
  EXPECT_EQ(eval("1e20"), "1.0e+020");
  EXPECT_EQ(eval("0.0001"), "0.0001");
  EXPECT_EQ(eval("0.00001"), "1.0e-005");
  EXPECT_EQ(eval("-1.5e-7"), "-1.5e-007");
  EXPECT_EQ(eval("1e300"), "1.0e+300");
  EXPECT_EQ(eval("(- (* 1e300 1e300))"), "-1.#INF");
}

TEST_F(LispPrinter, StringsAreQuotedWithEscapes) {
  EXPECT_EQ(eval(R"("say \"hi\"")"), R"("say \"hi\"")");
  EXPECT_EQ(eval(R"("C:\\temp")"), R"("C:\\temp")");
  EXPECT_EQ(eval(R"("")"), R"("")");
}

TEST_F(LispPrinter, Lists) {
  EXPECT_EQ(eval("(list 700 1 0)"), "(700 1 0)");
  EXPECT_EQ(eval("(cons 1 2)"), "(1 . 2)");
  EXPECT_EQ(eval("(list nil t 'a \"s\" 1.5)"), R"((nil T A "s" 1.5))");
  EXPECT_EQ(eval("(list (list 1 (cons 2 3)) nil)"), "((1 (2 . 3)) nil)");
  EXPECT_EQ(eval("(list (list))"), "(nil)");
}

TEST_F(LispPrinter, Functions) {
  EXPECT_EQ(eval("car").substr(0, 8), "#<SUBR @");
  EXPECT_EQ(eval("car").substr(eval("car").size() - 5), " CAR>");
  eval("(defun foo () 1)");
  EXPECT_EQ(eval("foo").substr(0, 9), "#<USUBR @");
  EXPECT_EQ(eval("foo").substr(eval("foo").size() - 5), " FOO>");
  EXPECT_EQ(eval("(lambda (x) x)").substr(eval("(lambda (x) x)").size() - 10), " -lambda->");
}

TEST_F(LispPrinter, FunctionsPrintTheSameInEverySession) {
  acadsim::lisp::Interpreter other(nullptr);
  EXPECT_EQ(WideToUtf8(other.evaluate(u"setq").printed), eval("setq"));
}

TEST_F(LispPrinter, PrincWithoutArgumentPrintsNothing) {
  EXPECT_EQ(eval("(princ)"), "");
  EXPECT_EQ(eval("(defun quiet () (princ \"x\") (princ)) (quiet)"), "");
  EXPECT_EQ(output(), "x");
}

TEST_F(LispPrinter, OutputFunctions) {
  EXPECT_EQ(eval(R"((princ "a\"b"))"), R"("a\"b")");
  EXPECT_EQ(eval(R"((prin1 "a\"b"))"), R"("a\"b")");
  EXPECT_EQ(eval(R"((print 'x))"), "X");
  EXPECT_EQ(eval("(terpri)"), "nil");
  EXPECT_EQ(output(), "a\"b\"a\\\"b\"\nX \n");
}

TEST_F(LispPrinter, PrincWritesListsWithRawStrings) {
  eval(R"((princ '("a" 1)))");
  EXPECT_EQ(output(), "(a 1)");
}

TEST_F(LispPrinter, OutputToAFileIsRefused) {
  EXPECT_EQ(eval("(princ 1 2)"), "; error: bad argument type: streamp 2");
  EXPECT_EQ(eval("(princ 1 nil)"), "1");
  EXPECT_EQ(eval("(terpri 1)"), "; error: too many arguments");
}

TEST_F(LispPrinter, DeeplyNestedListsPrint) {
  EXPECT_EQ(eval("(setq x nil) (repeat 100000 (setq x (list x))) (length x)"), "1");
  const std::string printed = eval("x");
  EXPECT_EQ(printed.size(), 200003u);
  EXPECT_EQ(printed.substr(0, 4), "((((");
  EXPECT_EQ(printed.substr(printed.size() / 2 - 2, 4), "(nil");
}

}  // namespace

// What a prompt receives when its reply is AutoLISP: nothing of the value lost to the six-digit echo.
TEST_F(LispPrinter, AnswersKeepStringsRawAndRealsWhole) {
  const auto answer = [this](const char* source) { return WideToUtf8(lisp.evaluate(Utf8ToWide(source)).answer); };
  EXPECT_EQ(answer("(/ 1.0 3)"), "0.3333333333333333");
  EXPECT_EQ(answer("2.0"), "2.0");
  EXPECT_EQ(answer("1e20"), "1e+20");
  EXPECT_EQ(answer("7"), "7");
  EXPECT_EQ(answer("(list 1.5 2 (/ 2.0 3))"), "(1.5 2 0.6666666666666666)");
  EXPECT_EQ(answer(R"("say \"hi\"\n")"), "say \"hi\"\n");
  EXPECT_EQ(answer("(* 1e300 1e300)"), "1.#INF");
  EXPECT_EQ(answer("(car 1)"), "");
}
