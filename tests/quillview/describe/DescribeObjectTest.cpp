#include "describe/DescribeObject.h"

#include <gtest/gtest.h>

#include "QuillviewTestSupport.h"

namespace {

void WriteEntity(ScopeText& text, AcDbEntity*, int) { text.Body += u"[entity]"; }
void WriteBase(ScopeText& text, AcDbEntity* entity, int marker) {
  DescribeAsEntity(text, entity, marker);
  text.Body += u"[base]";
}
void WriteLeafByParent(ScopeText& text, AcDbEntity* entity, int marker) {
  DescribeAsParentOf(u"QvTestLeaf", text, entity, marker);
  text.Body += u"[leaf]";
}
void WriteTipByEntity(ScopeText& text, AcDbEntity* entity, int marker) {
  DescribeAsEntity(text, entity, marker);
  text.Body += u"[tip]" + std::u16string(1, char16_t(u'0' + marker));
}

// AcDbEntity <- QvTestBase <- QvTestMiddle <- QvTestLeaf <- QvTestTip, described by some of them.
class DescribeObjectTest : public QuillviewPXTest {
 protected:
  ScopedHostClass base{u"QvTestBase", u"AcDbEntity"};
  ScopedHostClass middle{u"QvTestMiddle", u"QvTestBase"};
  ScopedHostClass leaf{u"QvTestLeaf", u"QvTestMiddle"};
  ScopedHostClass tip{u"QvTestTip", u"QvTestLeaf"};
  ScopedHostClass unrelated{u"QvTestUnrelated", u"AcDbEntity"};
  QuillviewPX entityDescriber{u"AcDbEntity", WriteEntity};
  QuillviewPX baseDescriber{u"QvTestBase", WriteBase};
  QuillviewPX leafDescriber{u"QvTestLeaf", WriteLeafByParent};
};

TEST_F(DescribeObjectTest, NearestAncestorDescribesAndParentFormSkipsClassesWithoutOne) {
  EXPECT_EQ(DescribeAs(middle.get()), u"[entity][base]");
  EXPECT_EQ(DescribeAs(unrelated.get()), u"[entity]");
  EXPECT_EQ(DescribeAs(leaf.get()), u"[entity][base][leaf]");
  QuillviewPX tipDescriber(u"QvTestTip", WriteTipByEntity);
  EXPECT_EQ(DescribeAs(tip.get(), tip.get(), 7), u"[entity][tip]7");
}

TEST_F(DescribeObjectTest, WritesNothingForAClassTheEntityIsNotOf) {
  EXPECT_EQ(DescribeAs(unrelated.get(), base.get()), u"");
  EXPECT_EQ(DescribeAs(base.get(), leaf.get()), u"");
  EXPECT_EQ(DescribeAs(base.get(), nullptr), u"");
  ScopeText text;
  DescribeObject(text, base.get(), nullptr, -1);
  EXPECT_EQ(text.Body, u"");
}

TEST(DescribeObjectWithoutClass, WritesNothingBeforeTheModuleRegisteredItsClass) {
  ScopedHostClass base(u"QvTestBase", u"AcDbEntity");
  EXPECT_EQ(DescribeAs(base.get()), u"");
}

}  // namespace
