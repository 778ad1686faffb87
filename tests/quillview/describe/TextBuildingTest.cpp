#include "describe/TextBuilding.h"

#include <gtest/gtest.h>

namespace {

std::u16string Repeat(char16_t c, size_t count) { return std::u16string(count, c); }

TEST(VisibleText, ReplacesBreakTagsByLineFeeds) {
  EXPECT_EQ(VisibleText(u"a<br>b<br>"), u"a\nb\n");
  EXPECT_EQ(VisibleText(u"<BR>"), u"");
  EXPECT_EQ(VisibleText(u"a<br"), u"a<br");
}

TEST(VisibleText, RemovesCompleteTags) {
  EXPECT_EQ(VisibleText(u"<h4>LINE</h4>"), u"LINE");
  EXPECT_EQ(VisibleText(u"x>y<z>w"), u"x>yw");
  EXPECT_EQ(VisibleText(u"<<a>b>"), u"b>");
  EXPECT_EQ(VisibleText(u"<b></b>"), u"");
}

TEST(VisibleText, KeepsTheRestAfterAnUnclosedTag) {
  EXPECT_EQ(VisibleText(u"a<b"), u"a<b");
  EXPECT_EQ(VisibleText(u"a<b>c<d"), u"ac<d");
  EXPECT_EQ(VisibleText(u"1 < 2"), u"1 < 2");
}

TEST(Append, RemovesLeadingWhiteSpaceOnlyAtTheStartOfALine) {
  std::u16string part;
  EXPECT_EQ(Append(part, u" \t abc"), u"abc");
  EXPECT_EQ(Append(part, u"  def"), u"abc  def");
  part = u"line\n";
  EXPECT_EQ(Append(part, u"  ghi"), u"line\nghi");
  part = u"line<br>";
  EXPECT_EQ(Append(part, u"  ghi"), u"line<br>ghi");
  part = u"<h4>";
  EXPECT_EQ(Append(part, u"  ghi"), u"<h4>ghi");
}

TEST(Append, ReturnsThePart) {
  std::u16string part;
  EXPECT_EQ(&Append(part, u"x"), &part);
  EXPECT_EQ(&AppendFormat(part, u"%d", 1), &part);
  EXPECT_EQ(&NewLine(part), &part);
}

TEST(Append, WrapsWhenTheLineWouldExceedNinetyVisibleCharacters) {
  std::u16string part = Repeat(u'a', 50);
  Append(part, Repeat(u'b', 40));
  EXPECT_EQ(part, Repeat(u'a', 50) + Repeat(u'b', 40));

  part = Repeat(u'a', 50);
  Append(part, u"  " + Repeat(u'b', 39));
  EXPECT_EQ(part, Repeat(u'a', 50) + u"\n  " + Repeat(u'b', 39));
}

TEST(Append, MeasuresOnlyVisibleCharacters) {
  std::u16string part = u"<h4>" + Repeat(u'a', 50) + u"</h4>";
  Append(part, u"<i>" + Repeat(u'b', 40) + u"</i>");
  EXPECT_EQ(part.find(u'\n'), std::u16string::npos);

  part = u"first line\n" + Repeat(u'a', 60);
  Append(part, Repeat(u'b', 30));
  EXPECT_EQ(part, u"first line\n" + Repeat(u'a', 60) + Repeat(u'b', 30));
}

TEST(Append, MeasuresOnlyThePiecesFirstLine) {
  std::u16string part = Repeat(u'a', 80);
  Append(part, u"bcdefghij\n" + Repeat(u'z', 85));
  EXPECT_EQ(part, Repeat(u'a', 80) + u"bcdefghij\n" + Repeat(u'z', 85));
}

TEST(Append, TagsAloneCountZeroAndNeverWrap) {
  std::u16string part = Repeat(u'a', 90);
  Append(part, u"<b></b>");
  EXPECT_EQ(part, Repeat(u'a', 90) + u"<b></b>");
}

TEST(Append, EndsALineAfterAPieceOfMoreThanSeventyCharacters) {
  std::u16string part;
  Append(part, Repeat(u'a', 70));
  EXPECT_EQ(part, Repeat(u'a', 70));

  part.clear();
  Append(part, Repeat(u'a', 71));
  EXPECT_EQ(part, Repeat(u'a', 71) + u"\n");
}

TEST(Append, NextPieceAfterASeventyFiveCharacterPieceStartsANewLine) {
  std::u16string part;
  Append(part, Repeat(u'a', 75));
  Append(part, u"  next");
  EXPECT_EQ(part, Repeat(u'a', 75) + u"\nnext");
}

TEST(Append, KeepsAPieceOfNinetyCharacters) {
  std::u16string part;
  Append(part, Repeat(u'a', 90));
  EXPECT_EQ(part, Repeat(u'a', 90) + u"\n");
}

TEST(Append, ShortensAPlainPieceOfMoreThanNinetyCharacters) {
  std::u16string part;
  Append(part, Repeat(u'a', 91));
  EXPECT_EQ(part, Repeat(u'a', 80) + u"...");
}

TEST(Append, ShortensALongPathAroundItsLastBackslash) {
  std::u16string tail = u"\\drawing.dwg";  // t = 12
  std::u16string head = u"C:\\Projects\\";
  std::u16string path = head + Repeat(u'x', 95 - head.size() - tail.size()) + tail;
  ASSERT_EQ(path.size(), 95u);
  std::u16string part;
  Append(part, path);
  EXPECT_EQ(part, path.substr(0, 80 - tail.size()) + u"..." + tail);
  EXPECT_EQ(part.size(), 83u);
}

TEST(Append, TreatsABackslashAtPositionTwentyAsNoPath) {
  std::u16string atTwenty = Repeat(u'a', 20) + u"\\" + Repeat(u'b', 74);
  std::u16string part;
  Append(part, atTwenty);
  EXPECT_EQ(part, atTwenty.substr(0, 80) + u"...");

  std::u16string atTwentyOne = Repeat(u'a', 21) + u"\\" + Repeat(u'b', 73);
  part.clear();
  Append(part, atTwentyOne);
  EXPECT_EQ(part, atTwentyOne.substr(0, 80 - 74) + u"..." + atTwentyOne.substr(21));
}

TEST(Append, KeepsOnlyTheTailWhenItIsLongerThanEighty) {
  std::u16string path = Repeat(u'a', 25) + u"\\" + Repeat(u'b', 90);
  std::u16string part;
  Append(part, path);
  EXPECT_EQ(part, u"...\\" + Repeat(u'b', 90));
}

TEST(Append, DoesNotShortenPiecesWithMarkupOrLineFeeds) {
  std::u16string marked = u"<b>" + Repeat(u'a', 95) + u"</b>";
  std::u16string part;
  Append(part, marked);
  EXPECT_EQ(part, marked + u"\n");

  std::u16string multiLine = Repeat(u'a', 95) + u"\nb";
  part.clear();
  Append(part, multiLine);
  EXPECT_EQ(part, multiLine + u"\n");
}

TEST(Append, ShortenedPieceWrapsFirstButGetsNoLineFeed) {
  std::u16string part = u"abc";
  Append(part, Repeat(u'z', 100));
  EXPECT_EQ(part, u"abc\n" + Repeat(u'z', 80) + u"...");
}

TEST(Append, LeavesMarkupUnescaped) {
  std::u16string part;
  Append(part, u"a < b & c");
  EXPECT_EQ(part, u"a < b & c");
}

TEST(AppendFormat, FormatsWithWideStrings) {
  std::u16string part;
  AppendFormat(part, u"  面积: %.*f", 2, 3.14159);
  EXPECT_EQ(part, u"面积: 3.14");
  AppendFormat(part, u"  %s=%d", u"层", 7);
  EXPECT_EQ(part, u"面积: 3.14  层=7");
}

TEST(NewLine, EndsANonEmptyLineOnce) {
  std::u16string part;
  EXPECT_EQ(NewLine(part), u"");
  part = u"abc";
  EXPECT_EQ(NewLine(part), u"abc\n");
  EXPECT_EQ(NewLine(part), u"abc\n");
}

TEST(NewLine, AddsNothingAfterABreakTag) {
  std::u16string part = u"abc<br>";
  EXPECT_EQ(NewLine(part), u"abc<br>");
  part = u"abc<BR>";
  EXPECT_EQ(NewLine(part), u"abc<BR>\n");
}

TEST(NewLine, AddsNothingAfterMarkupThatShowsNoCharacterOnItsLine) {
  std::u16string part = u"abc\n<b>";
  EXPECT_EQ(NewLine(part), u"abc\n<b>");
}

TEST(NewLine, EndsALineOfNinetyCharactersWithOneLineFeed) {
  std::u16string part = Repeat(u'a', 90);
  EXPECT_EQ(NewLine(part), Repeat(u'a', 90) + u"\n");
}

TEST(TrimLeadingWhiteSpace, RemovesBlanksTabsAndLineEnds) {
  EXPECT_EQ(TrimLeadingWhiteSpace(u" \t\r\nx y "), u"x y ");
  EXPECT_EQ(TrimLeadingWhiteSpace(u"   "), u"");
  EXPECT_EQ(TrimLeadingWhiteSpace(u"\u3000x"), u"\u3000x");
}

}  // namespace
