#include "describe/ScopeText.h"

#include <gtest/gtest.h>

namespace {

TEST(AssembleScopeText, ThreeEmptyPartsGiveNothing) { EXPECT_EQ(AssembleScopeText(ScopeText{}), u""); }

TEST(AssembleScopeText, JoinsPrefixBodySuffixOnTheirOwnLines) {
  ScopeText text;
  text.Body = u"body";
  text.Prefix = u"prefix";
  text.Suffix = u"suffix";
  EXPECT_EQ(AssembleScopeText(text), u"prefix\nbody\nsuffix");
}

TEST(AssembleScopeText, EmptyPartsContributeNothing) {
  ScopeText text;
  text.Suffix = u"suffix";
  EXPECT_EQ(AssembleScopeText(text), u"suffix");
  text.Prefix = u"prefix";
  EXPECT_EQ(AssembleScopeText(text), u"prefix\nsuffix");
}

TEST(AssembleScopeText, KeepsPartsThatAlreadyEndTheirLine) {
  ScopeText text;
  text.Body = u"a\n";
  text.Prefix = u"p<br>";
  text.Suffix = u"s";
  EXPECT_EQ(AssembleScopeText(text), u"p<br>a\ns");
}

TEST(AssembleScopeText, TrimsWhiteSpaceAroundTheWholeText) {
  ScopeText text;
  text.Body = u"  x  \t";
  text.Prefix = u" \n";
  EXPECT_EQ(AssembleScopeText(text), u"x");
}

TEST(AssembleScopeText, LeavesTheDescriptionUnchanged) {
  ScopeText text;
  text.Body = u"body";
  AssembleScopeText(text);
  EXPECT_EQ(text.Body, u"body");
}

}  // namespace
