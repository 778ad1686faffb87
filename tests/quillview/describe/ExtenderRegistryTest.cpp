#include "describe/ExtenderRegistry.h"

#include <gtest/gtest.h>

#include "QuillviewTestSupport.h"

namespace {

void WriteBuiltIn(ScopeText& text, AcDbEntity*, int) { text.Body += u"[built-in]"; }
void WriteEntity(ScopeText& text, AcDbEntity*, int) { text.Body += u"[entity]"; }

class ExtenderRegistryTest : public QuillviewPXTest {
 protected:
  ScopedHostClass line{u"QvTestLine", u"AcDbEntity"};
  ScopedHostClass circle{u"QvTestCircle", u"AcDbEntity"};
  ScopedHostClass mtext{u"QvTestMText", u"AcDbEntity"};
  QuillviewPX entityDescriber{u"AcDbEntity", WriteEntity};
  QuillviewPX lineDescriber{u"QvTestLine", WriteBuiltIn};
  TestBridge first{u"[first]"};
  TestBridge second{u"[second]"};
  ExtenderRegistry registry;
};

TEST_F(ExtenderRegistryTest, ExtendersWriteAfterTheBuiltInNewestLastAndRegisteringAgainMovesOne) {
  ASSERT_TRUE(registry.Register(&first, u"QvTestLine"));
  ASSERT_TRUE(registry.Register(&second, u"QvTestLine"));
  EXPECT_EQ(DescribeAs(line.get()), u"[built-in][first][second]");
  ASSERT_TRUE(registry.Register(&first, u"QvTestCircle"));
  EXPECT_EQ(DescribeAs(line.get()), u"[built-in][second]");
  EXPECT_EQ(DescribeAs(circle.get()), u"[first]");
}

TEST_F(ExtenderRegistryTest, ExtenderOnAClassWithoutABuiltInDescriberWritesAlone) {
  ASSERT_TRUE(registry.Register(&first, u"QvTestMText"));
  EXPECT_EQ(DescribeAs(mtext.get()), u"[first]");
}

TEST_F(ExtenderRegistryTest, UnregisterAcceptsUnknownBridgesAndClearOrTheEndRemovesEveryBinding) {
  ASSERT_TRUE(registry.Register(&first, u"QvTestLine"));
  ASSERT_TRUE(registry.Register(&second, u"QvTestMText"));
  EXPECT_TRUE(registry.Unregister(&first));
  EXPECT_EQ(DescribeAs(line.get()) + DescribeAs(mtext.get()), u"[built-in][second]");
  EXPECT_TRUE(registry.Unregister(&first));
  EXPECT_TRUE(registry.Unregister(nullptr));
  registry.Clear();
  EXPECT_EQ(DescribeAs(mtext.get()), u"[entity]");
  {
    ExtenderRegistry scoped;
    ASSERT_TRUE(scoped.Register(&first, u"QvTestLine"));
  }
  EXPECT_EQ(DescribeAs(line.get()), u"[built-in]");
}

}  // namespace
