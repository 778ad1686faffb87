#include "describe/ExtenderRegistry.h"

#include <gtest/gtest.h>

#include <memory>

#include "QuillviewTestSupport.h"
#include "describe/DescribeObject.h"

namespace {

// Stands in for an automation extender: writes its name wherever it is told to.
class TestBridge : public CExtenderBridge {
 public:
  explicit TestBridge(std::u16string name) : m_name(std::move(name)) {}
  void Describe(ScopeText& text, AcDbEntity*, int) override {
    text.Body += m_name;
    ++calls;
  }
  int calls = 0;

 private:
  std::u16string m_name;
};

void WriteBuiltIn(ScopeText& text, AcDbEntity*, int) { text.Body += u"[built-in]"; }
void WriteEntity(ScopeText& text, AcDbEntity*, int) { text.Body += u"[entity]"; }

class ExtenderRegistryTest : public QuillviewPXTest {
 protected:
  std::u16string Describe(AcRxClass* cls) {
    TestShape shape(cls);
    ScopeText text;
    DescribeObject(text, cls, &shape, -1);
    return text.Body;
  }

  ScopedHostClass line{u"QvTestLine", u"AcDbEntity"};
  ScopedHostClass circle{u"QvTestCircle", u"AcDbEntity"};
  ScopedHostClass mtext{u"QvTestMText", u"AcDbEntity"};
  QuillviewPX entityDescriber{u"AcDbEntity", WriteEntity};
  QuillviewPX lineDescriber{u"QvTestLine", WriteBuiltIn};
  TestBridge first{u"[first]"};
  TestBridge second{u"[second]"};
  ExtenderRegistry registry;
};

TEST_F(ExtenderRegistryTest, ExtenderWritesAfterTheBuiltInDescriberOfItsClass) {
  ASSERT_TRUE(registry.Register(&first, u"QvTestLine"));
  EXPECT_EQ(Describe(line.get()), u"[built-in][first]");
}

TEST_F(ExtenderRegistryTest, RegisteringTheSameBridgeAgainMovesIt) {
  ASSERT_TRUE(registry.Register(&first, u"QvTestLine"));
  ASSERT_TRUE(registry.Register(&first, u"QvTestCircle"));
  EXPECT_EQ(Describe(line.get()), u"[built-in]");
  EXPECT_EQ(Describe(circle.get()), u"[first]");
}

TEST_F(ExtenderRegistryTest, ExtenderOnAClassWithoutABuiltInDescriberWritesAlone) {
  ASSERT_TRUE(registry.Register(&first, u"QvTestMText"));
  EXPECT_EQ(Describe(mtext.get()), u"[first]");
}

TEST_F(ExtenderRegistryTest, NewestExtenderOfAClassWritesLast) {
  ASSERT_TRUE(registry.Register(&first, u"QvTestLine"));
  ASSERT_TRUE(registry.Register(&second, u"QvTestLine"));
  EXPECT_EQ(Describe(line.get()), u"[built-in][first][second]");
}

TEST_F(ExtenderRegistryTest, UnregisterRemovesOnlyThatBridge) {
  ASSERT_TRUE(registry.Register(&first, u"QvTestLine"));
  ASSERT_TRUE(registry.Register(&second, u"QvTestLine"));
  EXPECT_TRUE(registry.Unregister(&first));
  EXPECT_EQ(Describe(line.get()), u"[built-in][second]");
}

TEST_F(ExtenderRegistryTest, UnregisteringAnUnknownBridgeSucceeds) {
  EXPECT_TRUE(registry.Unregister(&first));
  EXPECT_TRUE(registry.Unregister(nullptr));
}

TEST_F(ExtenderRegistryTest, ClearRemovesEveryBinding) {
  ASSERT_TRUE(registry.Register(&first, u"QvTestLine"));
  ASSERT_TRUE(registry.Register(&second, u"QvTestMText"));
  registry.Clear();
  EXPECT_EQ(Describe(line.get()), u"[built-in]");
  EXPECT_EQ(Describe(mtext.get()), u"[entity]");
  EXPECT_EQ(first.calls + second.calls, 0);
}

TEST_F(ExtenderRegistryTest, RegistryGoingAwayUnbindsItsExtenders) {
  {
    ExtenderRegistry scoped;
    ASSERT_TRUE(scoped.Register(&first, u"QvTestLine"));
  }
  EXPECT_EQ(Describe(line.get()), u"[built-in]");
}

}  // namespace
