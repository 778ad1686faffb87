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
void WriteLeafByEntity(ScopeText& text, AcDbEntity* entity, int marker) {
  DescribeAsEntity(text, entity, marker);
  text.Body += u"[leaf]";
}
void WriteMarker(ScopeText& text, AcDbEntity*, int marker) { text.Body += std::u16string(1, char16_t(u'0' + marker)); }

// AcDbEntity <- QvTestBase <- QvTestMiddle <- QvTestLeaf <- QvTestTip, with describers on some of them.
class DescribeObjectTest : public QuillviewPXTest {
 protected:
  std::u16string Describe(AcRxClass* entityClass, AcRxClass* dispatchClass, int marker = -1) {
    TestShape shape(entityClass);
    ScopeText text;
    DescribeObject(text, dispatchClass, &shape, marker);
    return text.Body;
  }

  ScopedHostClass base{u"QvTestBase", u"AcDbEntity"};
  ScopedHostClass middle{u"QvTestMiddle", u"QvTestBase"};
  ScopedHostClass leaf{u"QvTestLeaf", u"QvTestMiddle"};
  ScopedHostClass tip{u"QvTestTip", u"QvTestLeaf"};
  ScopedHostClass unrelated{u"QvTestUnrelated", u"AcDbEntity"};
};

TEST_F(DescribeObjectTest, ChoosesTheNearestAncestorWithADescriber) {
  QuillviewPX entity(u"AcDbEntity", WriteEntity);
  QuillviewPX baseDescriber(u"QvTestBase", WriteBase);
  EXPECT_EQ(Describe(middle.get(), middle.get()), u"[entity][base]");
  EXPECT_EQ(Describe(unrelated.get(), unrelated.get()), u"[entity]");
}

TEST_F(DescribeObjectTest, ParentFormSkipsAncestorsWithoutADescriber) {
  QuillviewPX entity(u"AcDbEntity", WriteEntity);
  QuillviewPX baseDescriber(u"QvTestBase", WriteBase);
  QuillviewPX leafDescriber(u"QvTestLeaf", WriteLeafByParent);
  EXPECT_EQ(Describe(leaf.get(), leaf.get()), u"[entity][base][leaf]");
  EXPECT_EQ(Describe(tip.get(), tip.get()), u"[entity][base][leaf]");
}

TEST_F(DescribeObjectTest, EntityFormSkipsEveryDescriberInBetween) {
  QuillviewPX entity(u"AcDbEntity", WriteEntity);
  QuillviewPX baseDescriber(u"QvTestBase", WriteBase);
  QuillviewPX leafDescriber(u"QvTestLeaf", WriteLeafByEntity);
  EXPECT_EQ(Describe(leaf.get(), leaf.get()), u"[entity][leaf]");
}

TEST_F(DescribeObjectTest, WritesNothingForAClassTheEntityIsNotOf) {
  QuillviewPX entity(u"AcDbEntity", WriteEntity);
  QuillviewPX baseDescriber(u"QvTestBase", WriteBase);
  EXPECT_EQ(Describe(unrelated.get(), base.get()), u"");
  EXPECT_EQ(Describe(base.get(), leaf.get()), u"");
}

TEST_F(DescribeObjectTest, WritesNothingWithoutAnyDescriber) {
  EXPECT_EQ(Describe(leaf.get(), leaf.get()), u"");
}

TEST_F(DescribeObjectTest, IgnoresNullClassOrEntity) {
  QuillviewPX entity(u"AcDbEntity", WriteEntity);
  ScopeText text;
  DescribeObject(text, nullptr, nullptr, -1);
  TestShape shape(base.get());
  DescribeObject(text, nullptr, &shape, -1);
  DescribeObject(text, base.get(), nullptr, -1);
  EXPECT_EQ(text.Body, u"");
}

TEST_F(DescribeObjectTest, PassesTheMarkerThrough) {
  QuillviewPX marker(u"QvTestBase", WriteMarker);
  EXPECT_EQ(Describe(base.get(), base.get(), 7), u"7");
}

TEST(DescribeObjectWithoutClass, WritesNothingBeforeTheModuleRegisteredItsClass) {
  ScopedHostClass base(u"QvTestBase", u"AcDbEntity");
  TestShape shape(base.get());
  ScopeText text;
  DescribeObject(text, base.get(), &shape, -1);
  EXPECT_EQ(text.Body, u"");
}

}  // namespace
