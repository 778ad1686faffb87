#include <gtest/gtest.h>
#include <arxHeaders.h>
#include <memory>

namespace {

// An extension object that counts how many of its kind are alive.
class Extension : public AcRxObject {
 public:
  explicit Extension(int tag) : tag(tag) { ++alive; }
  ~Extension() override { --alive; }
  int tag;
  static inline int alive = 0;
};

// Protocol class P and the chain Base <- Middle <- Leaf, deleted however the test ends.
class ProtocolExtension : public testing::Test {
 protected:
  void SetUp() override {
    protocol = newAcRxClass(u"RxTestProtocol", u"AcRxObject");
    base = newAcRxClass(u"RxTestPxBase", u"AcRxObject");
    middle = newAcRxClass(u"RxTestPxMiddle", u"RxTestPxBase");
    leaf = newAcRxClass(u"RxTestPxLeaf", u"RxTestPxMiddle");
  }
  void TearDown() override {
    for (AcRxClass* cls : {leaf, middle, base, protocol}) deleteAcRxClass(cls);
  }
  AcRxClass* protocol = nullptr;
  AcRxClass* base = nullptr;
  AcRxClass* middle = nullptr;
  AcRxClass* leaf = nullptr;
};

}  // namespace

TEST_F(ProtocolExtension, AddXReturnsWhatWasRegisteredOnExactlyThatClass) {
  Extension first(1), second(2), onBase(3);
  EXPECT_EQ(base->addX(protocol, &onBase), nullptr);
  EXPECT_EQ(middle->addX(protocol, &first), nullptr);
  EXPECT_EQ(middle->addX(protocol, &second), &first);
  EXPECT_EQ(middle->addX(protocol, &second), &second);
  EXPECT_EQ(middle->addX(nullptr, &first), nullptr);
  middle->delX(protocol);
  base->delX(protocol);
}

TEST_F(ProtocolExtension, GetXTakesTheNearestAncestorThatHasOne) {
  Extension onBase(1), onMiddle(2), onLeaf(3);
  EXPECT_EQ(leaf->getX(protocol), nullptr);
  base->addX(protocol, &onBase);
  EXPECT_EQ(leaf->getX(protocol), &onBase);
  EXPECT_EQ(middle->getX(protocol), &onBase);
  middle->addX(protocol, &onMiddle);
  EXPECT_EQ(leaf->getX(protocol), &onMiddle);
  EXPECT_EQ(base->getX(protocol), &onBase);
  leaf->addX(protocol, &onLeaf);
  EXPECT_EQ(leaf->getX(protocol), &onLeaf);
  EXPECT_EQ(AcRxObject::desc()->getX(protocol), nullptr);
  EXPECT_EQ(leaf->getX(nullptr), nullptr);
  for (AcRxClass* cls : {leaf, middle, base}) cls->delX(protocol);
}

TEST_F(ProtocolExtension, ExtensionsOfDifferentProtocolsStandApart) {
  AcRxClass* other = newAcRxClass(u"RxTestOtherProtocol", u"AcRxObject");
  Extension mine(1), theirs(2);
  base->addX(protocol, &mine);
  base->addX(other, &theirs);
  EXPECT_EQ(leaf->getX(protocol), &mine);
  EXPECT_EQ(leaf->getX(other), &theirs);
  EXPECT_EQ(base->delX(other), &theirs);
  EXPECT_EQ(leaf->getX(protocol), &mine);
  base->delX(protocol);
  deleteAcRxClass(other);
}

TEST_F(ProtocolExtension, DelXRemovesOnlyThatClassesOwnAndHandsItBack) {
  Extension onBase(1), onMiddle(2);
  base->addX(protocol, &onBase);
  middle->addX(protocol, &onMiddle);
  EXPECT_EQ(leaf->delX(protocol), nullptr);
  EXPECT_EQ(middle->delX(protocol), &onMiddle);
  EXPECT_EQ(middle->delX(protocol), nullptr);
  EXPECT_EQ(leaf->getX(protocol), &onBase);
  EXPECT_EQ(base->addX(protocol, nullptr), &onBase);
  EXPECT_EQ(leaf->getX(protocol), nullptr);
}

TEST_F(ProtocolExtension, QueryXAndXLookFromTheObjectsClass) {
  AcRxDictionary object;
  Extension onDictionary(1);
  EXPECT_EQ(object.queryX(protocol), nullptr);
  AcRxDictionary::desc()->addX(protocol, &onDictionary);
  EXPECT_EQ(object.queryX(protocol), &onDictionary);
  EXPECT_EQ(object.x(protocol), &onDictionary);
  AcRxDictionary::desc()->delX(protocol);
}

TEST_F(ProtocolExtension, AClassObjectAnswersQueryXForItselfThenForItsInstances) {
  Extension onClassClass(1), onBase(2);
  base->addX(protocol, &onBase);
  EXPECT_EQ(leaf->queryX(protocol), &onBase);
  AcRxClass::desc()->addX(protocol, &onClassClass);
  EXPECT_EQ(leaf->queryX(protocol), &onClassClass);
  AcRxClass::desc()->delX(protocol);
  base->delX(protocol);
}

TEST_F(ProtocolExtension, DeletingTheClassLeavesItsExtensionsToTheirOwners) {
  auto owned = std::make_unique<Extension>(7);
  const int aliveBefore = Extension::alive;
  AcRxClass* doomed = newAcRxClass(u"RxTestPxDoomed", u"RxTestPxBase");
  doomed->addX(protocol, owned.get());
  deleteAcRxClass(doomed);
  EXPECT_EQ(Extension::alive, aliveBefore);
  EXPECT_EQ(owned->tag, 7);
}

TEST_F(ProtocolExtension, DeletingTheProtocolClassForgetsRegistrationsUnderIt) {
  AcRxClass* doomedProtocol = newAcRxClass(u"RxTestDoomedProtocol", u"AcRxObject");
  Extension onBase(1);
  base->addX(doomedProtocol, &onBase);
  deleteAcRxClass(doomedProtocol);
  AcRxClass* reborn = newAcRxClass(u"RxTestDoomedProtocol", u"AcRxObject");
  EXPECT_EQ(leaf->getX(reborn), nullptr);
  deleteAcRxClass(reborn);
  EXPECT_EQ(onBase.tag, 1);
}

TEST_F(ProtocolExtension, AcrxXCallCastsTheExtension) {
  AcRxDictionary object;
  AcRxDictionary extensionDictionary;
  AcRxDictionary::desc()->addX(AcRxDictionary::desc(), &extensionDictionary);
  EXPECT_EQ(ACRX_X_CALL(&object, AcRxDictionary), &extensionDictionary);
  AcRxDictionary::desc()->delX(AcRxDictionary::desc());
}

using ProtocolExtensionDeathTest = ProtocolExtension;

TEST_F(ProtocolExtensionDeathTest, XStopsTheHostWhenNothingIsFound) {
  AcRxDictionary object;
  EXPECT_DEATH(object.x(protocol), "");
}
