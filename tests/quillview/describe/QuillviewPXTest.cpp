#include "describe/QuillviewPX.h"

#include <acadsim/CommandLine.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

#include "QuillviewTestSupport.h"

namespace {

void WriteA(ScopeText& text, AcDbEntity*, int) { text.Body += u"A"; }
void WriteB(ScopeText& text, AcDbEntity*, int) { text.Body += u"B"; }
void WriteC(ScopeText& text, AcDbEntity*, int) { text.Body += u"C"; }

class QuillviewPXChainTest : public QuillviewPXTest {
 protected:
  std::u16string Describe() { return DescribeAs(shape.get()); }

  ScopedHostClass shape{u"QvTestShape", u"AcDbEntity"};
};

TEST(QuillviewPXClass, RegisteredOnceBelowTheLinkerReactorUntilUninit) {
  QuillviewPX::rxInit();
  AcRxClass* cls = QuillviewPX::desc();
  ASSERT_NE(cls, nullptr);
  EXPECT_EQ(std::u16string(cls->name()), u"QuillviewPX");
  EXPECT_EQ(cls->myParent(), AcRxDLinkerReactor::desc());
  EXPECT_TRUE(cls->dxfName() == nullptr || cls->dxfName()[0] == u'\0');
  QuillviewPX::rxInit();
  EXPECT_EQ(QuillviewPX::desc(), cls);
  AcRxDictionary other;
  EXPECT_EQ(QuillviewPX::cast(&other), nullptr);
  QuillviewPX::rxUninit();
  EXPECT_EQ(acrxClassDictionary->at(u"QuillviewPX"), nullptr);
}

TEST(QuillviewPXClassDeathTest, AnotherClassOfTheSameNameStopsTheHost) {
  auto toStandardError = [](std::u16string_view line) { std::fputs(WideToUtf8(line).c_str(), stderr); };
  EXPECT_DEATH(
      {
        acadsim::SetCommandLineSink(toStandardError);
        newAcRxClass(u"QuillviewPX", u"AcRxObject");
        QuillviewPX::rxInit();
      },
      "Class mismatch");
}

TEST_F(QuillviewPXChainTest, ChainWritesOldestFirstAndDestroyingAnyMemberKeepsTheRestInOrder) {
  for (int destroyed = 0; destroyed < 3; ++destroyed) {
    std::unique_ptr<QuillviewPX> chain[] = {std::make_unique<QuillviewPX>(u"QvTestShape", WriteA),
                                            std::make_unique<QuillviewPX>(u"QvTestShape", WriteB),
                                            std::make_unique<QuillviewPX>(u"QvTestShape", WriteC)};
    EXPECT_EQ(DescriberOf(shape.get()), chain[2].get());
    EXPECT_EQ(Describe(), u"ABC");
    chain[destroyed].reset();
    std::u16string expected = u"ABC";
    expected.erase(destroyed, 1);
    EXPECT_EQ(Describe(), expected);
    EXPECT_EQ(DescriberOf(shape.get()), chain[destroyed == 2 ? 1 : 2].get());
  }
  EXPECT_EQ(DescriberOf(shape.get()), nullptr);
}

TEST_F(QuillviewPXChainTest, DisplacedForeignExtensionIsNeitherCalledNorRestored) {
  AcRxDictionary foreign;
  shape.get()->addX(QuillviewPX::desc(), &foreign);
  {
    QuillviewPX a(u"QvTestShape", WriteA);
    EXPECT_EQ(Describe(), u"A");
  }
  EXPECT_EQ(shape.get()->getX(QuillviewPX::desc()), nullptr);
}

TEST_F(QuillviewPXTest, BindsByNameToAClassOnlyAndLateOnTheNextModuleLoad) {
  AcRxDictionary notAClass;
  acrxClassDictionary->atPut(u"QvNotAClass", &notAClass);
  { QuillviewPX px(u"QvNotAClass", WriteA); }
  acrxClassDictionary->remove(u"QvNotAClass");
  EXPECT_EQ(AcRxDictionary::desc()->getX(QuillviewPX::desc()), nullptr);

  QuillviewPX late(u"QvLateShape", WriteA);
  ScopedHostClass shape(u"QvLateShape", u"AcDbEntity");
  EXPECT_EQ(DescriberOf(shape.get()), nullptr);
  late.rxAppLoaded(u"/somewhere/any.arx");
  late.rxAppLoaded(u"/somewhere/other.arx");
  EXPECT_EQ(DescribeAs(shape.get()), u"A");
}

TEST_F(QuillviewPXChainTest, ModuleUnloadUnbindsAndItsEndRebindsInTheSameOrder) {
  QuillviewPX a(u"QvTestShape", WriteA);
  QuillviewPX b(u"QvTestShape", WriteB);
  a.rxAppWillBeUnloaded(u"/x/module.arx");
  b.rxAppWillBeUnloaded(u"/x/module.arx");
  EXPECT_EQ(DescriberOf(shape.get()), nullptr);
  a.rxAppUnloaded(u"/x/module.arx");
  b.rxAppUnloadAborted(u"/x/module.arx");
  EXPECT_EQ(DescriberOf(shape.get()), &b);
  EXPECT_EQ(Describe(), u"AB");
}

TEST_F(QuillviewPXTest, OutlivingItsClassTouchesNothingFreed) {
  auto shape = std::make_unique<ScopedHostClass>(u"QvTestShape", u"AcDbEntity");
  auto a = std::make_unique<QuillviewPX>(u"QvTestShape", WriteA);
  auto b = std::make_unique<QuillviewPX>(u"QvTestShape", WriteB);
  shape.reset();
  b.reset();
  a.reset();  // the sanitizers would report a reach into the deleted class
}

}  // namespace
