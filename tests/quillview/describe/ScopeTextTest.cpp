#include "describe/ScopeText.h"

#include <gtest/gtest.h>

namespace {

ScopeText Text(std::u16string prefix, std::u16string body, std::u16string suffix) {
  ScopeText text;
  text.Prefix = std::move(prefix);
  text.Body = std::move(body);
  text.Suffix = std::move(suffix);
  return text;
}

TEST(AssembleScopeText, JoinsPrefixBodyAndSuffixOnLinesOfTheirOwn) {
  EXPECT_EQ(AssembleScopeText(ScopeText{}), u"");
  EXPECT_EQ(AssembleScopeText(Text(u"prefix", u"body", u"suffix")), u"prefix\nbody\nsuffix");
  EXPECT_EQ(AssembleScopeText(Text(u"prefix", u"", u"suffix")), u"prefix\nsuffix");
  EXPECT_EQ(AssembleScopeText(Text(u"p<br>", u"a\n", u"s")), u"p<br>a\ns");
  EXPECT_EQ(AssembleScopeText(Text(u" \n", u"  x  \t", u"")), u"x");
}

TEST(AssembleScopeText, LeavesTheDescriptionUnchanged) {
  ScopeText text = Text(u"", u"body", u"");
  AssembleScopeText(text);
  EXPECT_EQ(text.Body, u"body");
}

}  // namespace
