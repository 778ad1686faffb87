// A fresh AutoLISP session per test, with the command line's output captured.
#pragma once
#include <acadsim/CommandLine.h>
#include <acadsim/Lisp.h>
#include <acadsim/SystemVariables.h>
#include <gtest/gtest.h>
#include <qvwide.h>

#include <string>

class LispTest : public ::testing::Test {
 protected:
  void SetUp() override { acadsim::resetSessionSystemVariables(); }
  void TearDown() override { acadsim::resetSessionSystemVariables(); }

  // The value as the command line echoes it, or "; error: " and the message.
  std::string eval(const std::string& source) {
    const acadsim::lisp::Interpreter::Evaluation result = lisp.evaluate(Utf8ToWide(source));
    EXPECT_EQ(result.ok, result.error.empty());
    return WideToUtf8(result.ok ? result.printed : u"; error: " + result.error);
  }
  std::string output() const { return WideToUtf8(written); }

  acadsim::LispFunctionTable document;
  acadsim::lisp::Interpreter lisp{&document};
  std::u16string written;
  acadsim::ScopedCommandLineSink sink{[this](std::u16string_view text) { written += text; }};
};
