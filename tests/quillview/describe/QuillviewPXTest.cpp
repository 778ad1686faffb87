#include "describe/QuillviewPX.h"

#include <acadsim/CommandLine.h>
#include <rxdict.h>
#include <rxregsvc.h>
#include <windows.h>

#include <cstdio>
#include <memory>

#include <gtest/gtest.h>

#include "QuillviewTestSupport.h"
#include "describe/DescribeObject.h"

namespace {

void WriteA(ScopeText& text, AcDbEntity*, int) { text.Body += u"A"; }
void WriteB(ScopeText& text, AcDbEntity*, int) { text.Body += u"B"; }
void WriteC(ScopeText& text, AcDbEntity*, int) { text.Body += u"C"; }

std::u16string Describe(AcRxClass* cls) {
  TestShape shape(cls);
  ScopeText text;
  DescribeObject(text, cls, &shape, -1);
  return text.Body;
}

TEST_F(QuillviewPXTest, ClassIsRegisteredUnderItsNameBelowTheLinkerReactor) {
  AcRxClass* cls = QuillviewPX::desc();
  ASSERT_NE(cls, nullptr);
  EXPECT_EQ(std::u16string(cls->name()), u"QuillviewPX");
  EXPECT_EQ(cls->myParent(), AcRxDLinkerReactor::desc());
  EXPECT_TRUE(cls->dxfName() == nullptr || cls->dxfName()[0] == u'\0');
  EXPECT_TRUE(cls->appName() == nullptr || cls->appName()[0] == u'\0');
  EXPECT_EQ(AcRxClass::cast(acrxClassDictionary->at(u"QuillviewPX")), cls);
}

TEST_F(QuillviewPXTest, SecondInitKeepsTheSameClass) {
  AcRxClass* first = QuillviewPX::desc();
  QuillviewPX::rxInit();
  EXPECT_EQ(QuillviewPX::desc(), first);
}

TEST(QuillviewPXClass, UninitRemovesTheClass) {
  QuillviewPX::rxInit();
  QuillviewPX::rxUninit();
  EXPECT_EQ(acrxClassDictionary->at(u"QuillviewPX"), nullptr);
}

TEST(QuillviewPXClassDeathTest, AnotherClassOfTheSameNameStopsTheHost) {
  EXPECT_DEATH(
      {
        acadsim::SetCommandLineSink([](std::u16string_view line) { std::fputs(WideToUtf8(line).c_str(), stderr); });
        newAcRxClass(u"QuillviewPX", u"AcRxObject");
        QuillviewPX::rxInit();
      },
      "Class mismatch");
}

TEST_F(QuillviewPXTest, CastAcceptsOnlyQuillviewPXObjects) {
  ScopedHostClass shape(u"QvTestShape", u"AcDbEntity");
  QuillviewPX px(u"QvTestShape", WriteA);
  AcRxDictionary other;
  EXPECT_EQ(QuillviewPX::cast(&px), &px);
  EXPECT_EQ(QuillviewPX::cast(&other), nullptr);
  EXPECT_EQ(QuillviewPX::cast(nullptr), nullptr);
  EXPECT_EQ(px.isA(), QuillviewPX::desc());
}

TEST_F(QuillviewPXTest, BindsAtOnceWhenTheClassExists) {
  ScopedHostClass shape(u"QvTestShape", u"AcDbEntity");
  {
    QuillviewPX px(u"QvTestShape", WriteA);
    EXPECT_EQ(DescriberOf(shape.get()), &px);
    EXPECT_EQ(Describe(shape.get()), u"A");
  }
  EXPECT_EQ(DescriberOf(shape.get()), nullptr);
}

TEST_F(QuillviewPXTest, ChainOfThreeWritesOldestFirst) {
  ScopedHostClass shape(u"QvTestShape", u"AcDbEntity");
  QuillviewPX a(u"QvTestShape", WriteA);
  QuillviewPX b(u"QvTestShape", WriteB);
  QuillviewPX c(u"QvTestShape", WriteC);
  EXPECT_EQ(DescriberOf(shape.get()), &c);
  EXPECT_EQ(Describe(shape.get()), u"ABC");
}

TEST_F(QuillviewPXTest, DestroyingTheHeadRegistersTheMiddle) {
  ScopedHostClass shape(u"QvTestShape", u"AcDbEntity");
  QuillviewPX a(u"QvTestShape", WriteA);
  QuillviewPX b(u"QvTestShape", WriteB);
  auto c = std::make_unique<QuillviewPX>(u"QvTestShape", WriteC);
  c.reset();
  EXPECT_EQ(DescriberOf(shape.get()), &b);
  EXPECT_EQ(Describe(shape.get()), u"AB");
}

TEST_F(QuillviewPXTest, DestroyingTheMiddleLinksHeadAndTail) {
  ScopedHostClass shape(u"QvTestShape", u"AcDbEntity");
  QuillviewPX a(u"QvTestShape", WriteA);
  auto b = std::make_unique<QuillviewPX>(u"QvTestShape", WriteB);
  QuillviewPX c(u"QvTestShape", WriteC);
  b.reset();
  EXPECT_EQ(DescriberOf(shape.get()), &c);
  EXPECT_EQ(Describe(shape.get()), u"AC");
}

TEST_F(QuillviewPXTest, DestroyingTheTailKeepsTheRest) {
  ScopedHostClass shape(u"QvTestShape", u"AcDbEntity");
  auto a = std::make_unique<QuillviewPX>(u"QvTestShape", WriteA);
  QuillviewPX b(u"QvTestShape", WriteB);
  QuillviewPX c(u"QvTestShape", WriteC);
  a.reset();
  EXPECT_EQ(Describe(shape.get()), u"BC");
}

TEST_F(QuillviewPXTest, ChainsAreKeptPerClass) {
  ScopedHostClass shape(u"QvTestShape", u"AcDbEntity");
  ScopedHostClass other(u"QvTestOther", u"AcDbEntity");
  QuillviewPX a(u"QvTestShape", WriteA);
  QuillviewPX b(u"QvTestOther", WriteB);
  QuillviewPX c(u"QvTestShape", WriteC);
  EXPECT_EQ(Describe(shape.get()), u"AC");
  EXPECT_EQ(Describe(other.get()), u"B");
}

TEST_F(QuillviewPXTest, DisplacedForeignExtensionIsNotCalledNorRestored) {
  ScopedHostClass shape(u"QvTestShape", u"AcDbEntity");
  AcRxDictionary foreign;
  shape.get()->addX(QuillviewPX::desc(), &foreign);
  {
    QuillviewPX a(u"QvTestShape", WriteA);
    EXPECT_EQ(Describe(shape.get()), u"A");
  }
  EXPECT_EQ(shape.get()->getX(QuillviewPX::desc()), nullptr);
}

TEST_F(QuillviewPXTest, UnboundObjectBindsOnTheNextModuleLoad) {
  QuillviewPX late(u"QvLateShape", WriteA);
  ScopedHostClass shape(u"QvLateShape", u"AcDbEntity");
  EXPECT_EQ(DescriberOf(shape.get()), nullptr);
  late.rxAppLoaded(u"/somewhere/any.arx");
  EXPECT_EQ(DescriberOf(shape.get()), &late);
  late.rxAppLoaded(u"/somewhere/other.arx");
  EXPECT_EQ(Describe(shape.get()), u"A");
}

TEST_F(QuillviewPXTest, ClassThatNeverLoadsLeavesTheObjectUnbound) {
  ScopedHostClass shape(u"QvTestShape", u"AcDbEntity");
  QuillviewPX a(u"QvTestShape", WriteA);
  { QuillviewPX never(u"QvNeverLoaded", WriteB); }
  EXPECT_EQ(Describe(shape.get()), u"A");
}

TEST_F(QuillviewPXTest, DictionaryEntryThatIsNotAClassCountsAsMissing) {
  AcRxDictionary notAClass;
  acrxClassDictionary->atPut(u"QvNotAClass", &notAClass);
  QuillviewPX px(u"QvNotAClass", WriteA);
  EXPECT_EQ(AcRxDictionary::desc()->getX(QuillviewPX::desc()), nullptr);
  acrxClassDictionary->remove(u"QvNotAClass");
}

TEST_F(QuillviewPXTest, ModuleUnloadUnbindsAndRebindsInTheSameOrder) {
  ScopedHostClass shape(u"QvTestShape", u"AcDbEntity");
  QuillviewPX a(u"QvTestShape", WriteA);
  QuillviewPX b(u"QvTestShape", WriteB);
  a.rxAppWillBeUnloaded(u"/x/module.arx");
  b.rxAppWillBeUnloaded(u"/x/module.arx");
  EXPECT_EQ(DescriberOf(shape.get()), nullptr);
  a.rxAppUnloaded(u"/x/module.arx");
  b.rxAppUnloaded(u"/x/module.arx");
  EXPECT_EQ(DescriberOf(shape.get()), &b);
  EXPECT_EQ(Describe(shape.get()), u"AB");
}

TEST_F(QuillviewPXTest, AbortedUnloadRebinds) {
  ScopedHostClass shape(u"QvTestShape", u"AcDbEntity");
  QuillviewPX a(u"QvTestShape", WriteA);
  a.rxAppWillBeUnloaded(u"/x/module.arx");
  a.rxAppUnloadAborted(u"/x/module.arx");
  EXPECT_EQ(DescriberOf(shape.get()), &a);
}

TEST_F(QuillviewPXTest, DestroyingAfterTheClassWentAwayTouchesNothing) {
  auto shape = std::make_unique<ScopedHostClass>(u"QvTestShape", u"AcDbEntity");
  auto a = std::make_unique<QuillviewPX>(u"QvTestShape", WriteA);
  auto b = std::make_unique<QuillviewPX>(u"QvTestShape", WriteB);
  shape.reset();
  b.reset();
  a.reset();
  SUCCEED() << "no freed class was reached (checked by the sanitizers)";
}

}  // namespace
