// The AutoLISP selection and entity-name functions through the interpreter.
#include <acadsim/Lisp.h>

#include "SelectionTestSupport.h"

namespace {

using seltest::drawingText;
using seltest::line;

class SelectionLisp : public seltest::SelectionTest {
 protected:
  std::u16string eval(const std::u16string& source) {
    acadsim::lisp::Interpreter::Evaluation result = lisp.evaluate(source);
    return result.ok ? result.printed : u"error: " + result.error;
  }
  acadsim::lisp::Interpreter lisp{nullptr};
};

TEST_F(SelectionLisp, SsgetAllPrintsAsASelectionSet) {
  open(drawingText(line(0, 0, 1, 0) + line(0, 5, 1, 5)));
  std::u16string printed = eval(u"(setq ss (ssget \"_X\"))");
  EXPECT_EQ(printed.rfind(u"<Selection set: ", 0), 0u) << WideToUtf8(printed);
  EXPECT_EQ(eval(u"(sslength ss)"), u"2");
  EXPECT_EQ(eval(u"(type ss)"), u"PICKSET");
  EXPECT_EQ(eval(u"(type (ssname ss 0))"), u"ENAME");
  EXPECT_EQ(eval(u"(ssname ss 2)"), u"nil");
}

TEST_F(SelectionLisp, SsgetWithAFilterList) {
  open(drawingText(line(0, 0, 1, 0, "A") + line(0, 5, 1, 5, "B")));
  EXPECT_EQ(eval(u"(sslength (ssget \"X\" '((0 . \"LINE\") (8 . \"B\"))))"), u"1");
  EXPECT_EQ(eval(u"(ssget \"X\" '((0 . \"CIRCLE\")))"), u"nil");
}

TEST_F(SelectionLisp, SsgetAtAPointAndNested) {
  open(drawingText(line(0, 0, 100, 0)));
  EXPECT_EQ(eval(u"(sslength (ssget '(50 1)))"), u"1");
  EXPECT_EQ(eval(u"(sslength (ssget \"_:N\" '(50 1 0)))"), u"1");
  EXPECT_EQ(eval(u"(ssget '(50 50))"), u"nil");
}

TEST_F(SelectionLisp, SsgetWithoutAnyoneToAskIsNil) {
  open(drawingText(line(0, 0, 100, 0)));
  EXPECT_EQ(eval(u"(ssget)"), u"nil");
}

TEST_F(SelectionLisp, SsgetPreviousAndImplied) {
  open(drawingText(line(0, 0, 100, 0)));
  EXPECT_EQ(eval(u"(ssget \"_P\")"), u"nil");
  eval(u"(ssget '(50 0))");
  EXPECT_EQ(eval(u"(sslength (ssget \"_P\"))"), u"1");
  EXPECT_EQ(eval(u"(ssget \"_I\")"), u"nil");
  eval(u"(sssetfirst nil (ssget \"_X\"))");
  EXPECT_EQ(eval(u"(sslength (ssget \"_I\"))"), u"1");
}

TEST_F(SelectionLisp, SsaddSsdelSsmemb) {
  open(drawingText(line(0, 0, 1, 0) + line(0, 5, 1, 5)));
  eval(u"(setq e1 (entnext) e2 (entnext e1) ss (ssadd))");
  EXPECT_EQ(eval(u"(sslength ss)"), u"0");
  EXPECT_EQ(eval(u"(eq (ssadd e1 ss) ss)"), u"T");
  eval(u"(ssadd e2 ss)");
  EXPECT_EQ(eval(u"(sslength ss)"), u"2");
  EXPECT_EQ(eval(u"(eq (ssmemb e1 ss) e1)"), u"T");
  EXPECT_EQ(eval(u"(eq (ssdel e1 ss) ss)"), u"T");
  EXPECT_EQ(eval(u"(ssmemb e1 ss)"), u"nil");
  EXPECT_EQ(eval(u"(ssdel e1 ss)"), u"nil");
}

TEST_F(SelectionLisp, BadArgumentsSayWhatWasWanted) {
  open(drawingText(line(0, 0, 1, 0)));
  EXPECT_EQ(eval(u"(sslength nil)"), u"error: bad argument type: lselsetp nil");
  EXPECT_EQ(eval(u"(ssadd 1)"), u"error: bad argument type: lentityp 1");
  EXPECT_EQ(eval(u"(entdel \"x\")"), u"error: bad argument type: lentityp \"x\"");
}

TEST_F(SelectionLisp, SsnamexDescribesAPick) {
  open(drawingText(line(0, 0, 100, 0)));
  eval(u"(setq ss (ssget '(50 1)))");
  EXPECT_EQ(eval(u"(car (car (ssnamex ss 0)))"), u"1");
  EXPECT_EQ(eval(u"(eq (cadr (car (ssnamex ss 0))) (ssname ss 0))"), u"T");
  EXPECT_EQ(eval(u"(nth 3 (car (ssnamex ss 0)))"), u"(0 (50.0 1.0 0.0))");
  EXPECT_EQ(eval(u"(length (ssnamex ss))"), u"1");
  EXPECT_EQ(eval(u"(ssnamex ss 1)"), u"nil");
}

TEST_F(SelectionLisp, EntmakeEntlastEntgetEntdel) {
  open(drawingText(""));
  EXPECT_EQ(eval(u"(entlast)"), u"nil");
  EXPECT_EQ(eval(u"(entmake '((0 . \"LINE\") (8 . \"0\") (10 1.0 2.0 0.0) (11 3.0 4.0 0.0)))"),
            u"((0 . \"LINE\") (8 . \"0\") (10 1.0 2.0 0.0) (11 3.0 4.0 0.0))");
  EXPECT_EQ(eval(u"(cdr (assoc 0 (entget (entlast))))"), u"\"LINE\"");
  EXPECT_EQ(eval(u"(cdr (assoc 11 (entget (entlast))))"), u"(3.0 4.0 0.0)");
  EXPECT_EQ(eval(u"(entmake '((0 . \"LINE\")))"), u"nil");
  eval(u"(setq e (entlast))");
  EXPECT_EQ(eval(u"(eq (entdel e) e)"), u"T");
  EXPECT_EQ(eval(u"(entlast)"), u"nil");
  EXPECT_EQ(eval(u"(entget e)"), u"nil");
  eval(u"(entdel e)");
  EXPECT_EQ(eval(u"(eq (entlast) e)"), u"T");
}

TEST_F(SelectionLisp, HandentNamesTheEntityOfAHandle) {
  open(drawingText(seltest::handledLine("2A", 0, 0, 1, 0)));
  EXPECT_EQ(eval(u"(cdr (assoc 5 (entget (handent \"2A\"))))"), u"\"2A\"");
  EXPECT_EQ(eval(u"(handent \"FFFFF\")"), u"nil");
}

TEST_F(SelectionLisp, SsgetfirstAndSssetfirst) {
  open(drawingText(line(0, 0, 1, 0)));
  EXPECT_EQ(eval(u"(ssgetfirst)"), u"(nil nil)");
  eval(u"(setq ss (ssget \"X\"))");
  EXPECT_EQ(eval(u"(eq (cadr (sssetfirst nil ss)) ss)"), u"T");
  EXPECT_EQ(eval(u"(car (ssgetfirst))"), u"nil");
  EXPECT_EQ(eval(u"(sslength (cadr (ssgetfirst)))"), u"1");
  eval(u"(sssetfirst nil)");
  EXPECT_EQ(eval(u"(ssgetfirst)"), u"(nil nil)");
}

}  // namespace
