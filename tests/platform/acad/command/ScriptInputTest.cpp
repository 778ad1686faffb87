#include <acedads.h>

#include "../../../../platform/acad/ed/command/InputReader.h"
#include "CommandLineFixture.h"

using acadsim::command::Input;
using acadsim::command::InputReader;
using Mode = InputReader::Mode;

namespace {

// Every input of text read in mode, with "^" for a cancel, up to the end.
std::vector<std::u16string> Inputs(std::u16string text, Mode mode = Mode::Word) {
  acadsim::StringInputSource source(std::move(text));
  InputReader reader(source, BalancedLispInput());
  std::vector<std::u16string> inputs;
  for (Input input = reader.next(mode); input.kind != Input::Kind::End; input = reader.next(mode)) {
    inputs.push_back(input.kind == Input::Kind::Cancel ? u"^" : input.text);
  }
  return inputs;
}

using Inputs_ = std::vector<std::u16string>;

}  // namespace

TEST(ScriptInput, SpacesAndLineEndsActAsEnter) {
  EXPECT_EQ(Inputs(u"-QUILLVIEW T 700"), (Inputs_{u"-QUILLVIEW", u"T", u"700"}));
  EXPECT_EQ(Inputs(u"a  b"), (Inputs_{u"a", u"", u"b"}));
  EXPECT_EQ(Inputs(u"a \nb"), (Inputs_{u"a", u"", u"b"}));
  EXPECT_EQ(Inputs(u"\n\n"), (Inputs_{u"", u""}));
  EXPECT_EQ(Inputs(u""), Inputs_{});
}

TEST(ScriptInput, LineEndsMayBeCrLfAndALastLineNeedsNone) {
  EXPECT_EQ(Inputs(u"a\r\nb\r\n\r\nc"), (Inputs_{u"a", u"b", u"", u"c"}));
}

TEST(ScriptInput, LispInputRunsUntilItsExpressionIsComplete) {
  EXPECT_EQ(Inputs(u"(setq a \"x y\") LINE"), (Inputs_{u"(setq a \"x y\")", u"LINE"}));
  EXPECT_EQ(Inputs(u"(defun f ()\n  (+ 1 2)\n)\nF"), (Inputs_{u"(defun f ()\n  (+ 1 2)\n)", u"F"}));
  EXPECT_EQ(Inputs(u"(+ 1"), (Inputs_{u"(+ 1"}));
}

TEST(ScriptInput, ALineOfCaretCCancels) {
  EXPECT_EQ(Inputs(u"LINE\n^C\nx ^C"), (Inputs_{u"LINE", u"^", u"x", u"^C"}));
  EXPECT_EQ(Inputs(u"(+ 1\n^C\n2"), (Inputs_{u"^", u"2"}));
}

TEST(ScriptInput, LiteralWordsAndLinesTakeParenthesesAsText) {
  EXPECT_EQ(Inputs(u"(a b)", Mode::LiteralWord), (Inputs_{u"(a", u"b)"}));
  EXPECT_EQ(Inputs(u"one two\n three ", Mode::Line), (Inputs_{u"one two", u" three "}));
}

TEST(ScriptInput, EndedReadsAheadWithoutLosingTheLine) {
  acadsim::StringInputSource source(u"^C\nx");
  InputReader reader(source, BalancedLispInput());
  EXPECT_FALSE(reader.ended());
  EXPECT_EQ(reader.next(Mode::Word).kind, Input::Kind::Cancel);
  EXPECT_FALSE(reader.ended());
  EXPECT_EQ(reader.next(Mode::Word).text, u"x");
  EXPECT_TRUE(reader.ended());
  EXPECT_EQ(reader.next(Mode::Word).kind, Input::Kind::End);
}

TEST(ScriptInputSource, SkipsTheByteOrderMarkAndDecodesUtf8) {
  acadsim::ScriptInputSource source("\xEF\xBB\xBF计时器 T\r\n\xFF");
  EXPECT_EQ(source.readLine(), u"计时器 T");
  EXPECT_EQ(source.readLine(), u"\uFFFD");
  EXPECT_EQ(source.readLine(), std::nullopt);
}

using GetString = CommandLineTest;

TEST_F(GetString, CrOnlyReadsToTheLineEnd) {
  std::vector<std::u16string> texts;
  addCommand(u"TEXT", u"TEXT", 0, [&] {
    ACHAR text[133];
    acedGetString(1, u"\nText: ", text);
    texts.push_back(text);
    acedGetString(0, u"\nWord: ", text);
    texts.push_back(text);
    acedGetString(1, u"\nText: ", text);
    texts.push_back(text);
  });
  EXPECT_EQ(run(u"TEXT\nhello big world\n(not lisp) more"),
            u"Command: TEXT\nText: hello big world\nWord: (not\nText: lisp) more\n");
  EXPECT_EQ(texts, (std::vector<std::u16string>{u"hello big world", u"(not", u"lisp) more"}));
  EXPECT_TRUE(lispSources.empty());
}

TEST_F(GetString, EnterIsAnEmptyStringAndLongTextIsCutWithNotice) {
  std::vector<int> statuses;
  ACHAR text[133];
  addCommand(u"TEXT", u"TEXT", 0, [&] {
    statuses.push_back(acedGetString(0, u"Word: ", text));
    statuses.push_back(acedGetString(0, u"Word: ", text));
  });
  run(u"TEXT\n\n" + std::u16string(200, u'w'));
  EXPECT_EQ(statuses, (std::vector<int>{RTNORM, RTINPUTTRUNCATED}));
  EXPECT_EQ(std::u16string(text), std::u16string(132, u'w'));
}
