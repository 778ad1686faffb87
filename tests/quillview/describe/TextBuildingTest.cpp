#include "describe/TextBuilding.h"

#include <gtest/gtest.h>

#include "describe/ScopeText.h"

namespace {

std::u16string N(char16_t c, size_t count) { return std::u16string(count, c); }

struct AppendCase {
  std::u16string part, piece, expected;
};

void ExpectAppends(std::initializer_list<AppendCase> cases) {
  for (const AppendCase& c : cases) {
    std::u16string part = c.part;
    EXPECT_EQ(Append(part, c.piece), c.expected) << "part of " << c.part.size() << ", piece of " << c.piece.size();
  }
}

TEST(VisibleText, BreakTagsBecomeLineFeedsAndCompleteTagsVanish) {
  EXPECT_EQ(VisibleText(u"a<br>b<br>"), u"a\nb\n");
  EXPECT_EQ(VisibleText(u"<BR>a<br"), u"a<br");
  EXPECT_EQ(VisibleText(u"x>y<z>w"), u"x>yw");
  EXPECT_EQ(VisibleText(u"<<a>b>"), u"b>");
  EXPECT_EQ(VisibleText(u"a<b>c<d"), u"ac<d");
}

TEST(Append, RemovesLeadingWhiteSpaceOnlyWhereAVisibleLineStarts) {
  ExpectAppends({
      {u"", u" \t abc", u"abc"},
      {u"abc", u"  def", u"abc  def"},
      {u"line\n", u"  ghi", u"line\nghi"},
      {u"line<br>", u"  ghi", u"line<br>ghi"},
      {u"<h4>", u"  ghi", u"<h4>ghi"},
      // Measured after the trim: 70 characters stay on the line.
      {u"", u"  " + N('a', 70), N('a', 70)},
      {u"", u"a < b & c", u"a < b & c"},
  });
}

TEST(Append, WrapsBeforeAPieceThatWouldPassNinetyVisibleCharacters) {
  ExpectAppends({
      {N('a', 50), N('b', 40), N('a', 50) + N('b', 40)},
      {N('a', 50), u"  " + N('b', 39), N('a', 50) + u"\n  " + N('b', 39)},
      {u"x\n<h4>" + N('a', 50) + u"</h4>", u"<i>" + N('b', 40) + u"</i>",
       u"x\n<h4>" + N('a', 50) + u"</h4><i>" + N('b', 40) + u"</i>"},
      {N('a', 80), u"bcdefghij\n" + N('z', 85), N('a', 80) + u"bcdefghij\n" + N('z', 85)},
      {N('a', 91), u"<b></b>", N('a', 91) + u"<b></b>"},
  });
}

TEST(Append, EndsTheLineAfterAPieceOfMoreThanSeventyCharacters) {
  ExpectAppends({
      {u"", N('a', 70), N('a', 70)},
      {u"", N('a', 71), N('a', 71) + u"\n"},
      {u"", N('a', 90), N('a', 90) + u"\n"},
  });
  std::u16string part;
  Append(part, N('a', 75));
  EXPECT_EQ(Append(part, u"  next"), N('a', 75) + u"\nnext");
}

TEST(Append, ShortensAPlainPieceOfMoreThanNinetyCharacters) {
  std::u16string path = u"C:\\Projects\\" + N('x', 71) + u"\\drawing.dwg";  // 95, tail of 12
  std::u16string atTwenty = N('a', 20) + u"\\" + N('b', 74);
  std::u16string atTwentyOne = N('a', 21) + u"\\" + N('b', 73);
  ExpectAppends({
      {u"", N('a', 91), N('a', 80) + u"..."},
      {u"", path, path.substr(0, 68) + u"...\\drawing.dwg"},
      {u"", atTwenty, atTwenty.substr(0, 80) + u"..."},
      {u"", atTwentyOne, atTwentyOne.substr(0, 6) + u"..." + atTwentyOne.substr(21)},
      {u"", N('a', 25) + u"\\" + N('b', 90), u"...\\" + N('b', 90)},
      {u"abc", N('z', 100), u"abc\n" + N('z', 80) + u"..."},
      {u"", u"<b>" + N('a', 95) + u"</b>", u"<b>" + N('a', 95) + u"</b>\n"},
      {u"", N('a', 95) + u"\nb", N('a', 95) + u"\nb\n"},
  });
}

TEST(NewLine, EndsAVisibleLineOnce) {
  const std::pair<std::u16string, std::u16string> cases[] = {
      {u"", u""},
      {u"abc", u"abc\n"},
      {u"abc\n", u"abc\n"},
      {u"abc<br>", u"abc<br>"},
      {u"abc<BR>", u"abc<BR>\n"},
      {u"abc\n<b>", u"abc\n<b>"},
      {N('a', 90), N('a', 90) + u"\n"},
  };
  for (const auto& [part, expected] : cases) {
    std::u16string ended = part;
    EXPECT_EQ(NewLine(ended), expected);
  }
}

ScopeText Text(std::u16string prefix, std::u16string body, std::u16string suffix) {
  ScopeText text;
  text.Prefix = std::move(prefix);
  text.Body = std::move(body);
  text.Suffix = std::move(suffix);
  return text;
}

TEST(AssembleScopeText, JoinsPrefixBodyAndSuffixOnLinesOfTheirOwnAndTrims) {
  EXPECT_EQ(AssembleScopeText(ScopeText{}), u"");
  EXPECT_EQ(AssembleScopeText(Text(u"prefix", u"body", u"suffix")), u"prefix\nbody\nsuffix");
  EXPECT_EQ(AssembleScopeText(Text(u"prefix", u"", u"suffix")), u"prefix\nsuffix");
  EXPECT_EQ(AssembleScopeText(Text(u"p<br>", u"a\n", u"s")), u"p<br>a\ns");
  EXPECT_EQ(AssembleScopeText(Text(u" \r\n", u"\t x  \t", u"")), u"x");
  EXPECT_EQ(AssembleScopeText(Text(u"", u"\u3000x\u3000", u"")), u"\u3000x\u3000");
}

}  // namespace
