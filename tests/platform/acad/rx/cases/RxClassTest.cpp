#include <gtest/gtest.h>
#include <acadsim/CommandLine.h>
#include <arxHeaders.h>
#include <qvwide.h>
#include <cstdio>
#include <string>
#include <vector>

namespace {

std::u16string Str(const ACHAR* text) { return text ? std::u16string(text) : std::u16string(u"(null)"); }

AcRxClass* ClassNamed(const ACHAR* name) { return AcRxClass::cast(acrxClassDictionary->at(name)); }

// Deletes the test's classes however the test ends.
struct ClassGuard {
  std::vector<AcRxClass*> classes;
  AcRxClass* add(AcRxClass* cls) {
    classes.push_back(cls);
    return cls;
  }
  ~ClassGuard() {
    for (auto it = classes.rbegin(); it != classes.rend(); ++it) deleteAcRxClass(*it);
  }
};

AcRxObject* MakePlainObject() { return new AcRxDictionary(); }

}  // namespace

TEST(HostClasses, RegisteredAtStartWithTheirParents) {
  EXPECT_EQ(ClassNamed(u"AcRxObject"), AcRxObject::desc());
  EXPECT_EQ(AcRxObject::desc()->myParent(), nullptr);
  EXPECT_EQ(ClassNamed(u"AcRxClass")->myParent(), AcRxObject::desc());
  EXPECT_EQ(ClassNamed(u"AcRxDictionary")->myParent(), AcRxObject::desc());
  EXPECT_EQ(ClassNamed(u"AcRxService")->myParent(), AcRxObject::desc());
  EXPECT_EQ(ClassNamed(u"AcRxDynamicLinker")->myParent(), AcRxObject::desc());
  EXPECT_EQ(ClassNamed(u"AcRxDLinkerReactor")->myParent(), AcRxObject::desc());
  EXPECT_EQ(Str(AcRxDLinkerReactor::desc()->name()), u"AcRxDLinkerReactor");
}

TEST(HostClasses, ObjectsKnowTheirClass) {
  AcRxDictionary dictionary;
  EXPECT_EQ(dictionary.isA(), AcRxDictionary::desc());
  EXPECT_TRUE(dictionary.isKindOf(AcRxDictionary::desc()));
  EXPECT_TRUE(dictionary.isKindOf(AcRxObject::desc()));
  EXPECT_FALSE(dictionary.isKindOf(AcRxClass::desc()));
  EXPECT_FALSE(dictionary.isKindOf(nullptr));
  EXPECT_EQ(AcRxDictionary::cast(&dictionary), &dictionary);
  EXPECT_EQ(AcRxClass::cast(&dictionary), nullptr);
  EXPECT_EQ(AcRxClass::cast(nullptr), nullptr);
  EXPECT_EQ(AcRxClass::cast(AcRxObject::desc()), AcRxObject::desc());
}

TEST(NewAcRxClass, FindsTheParentByNameAndEntersTheDictionary) {
  ClassGuard guard;
  AcRxClass* base = guard.add(newAcRxClass(u"RxTestBase", u"AcRxObject", 0, nullptr, u"RXTESTBASE", u"RxTestApp"));
  AcRxClass* derived = guard.add(newAcRxClass(u"RxTestDerived", u"RxTestBase"));
  ASSERT_NE(base, nullptr);
  ASSERT_NE(derived, nullptr);
  EXPECT_EQ(ClassNamed(u"RxTestBase"), base);
  EXPECT_EQ(Str(base->name()), u"RxTestBase");
  EXPECT_EQ(Str(base->dxfName()), u"RXTESTBASE");
  EXPECT_EQ(Str(base->appName()), u"RxTestApp");
  EXPECT_EQ(Str(derived->dxfName()), u"");
  EXPECT_EQ(base->myParent(), AcRxObject::desc());
  EXPECT_EQ(derived->myParent(), base);
  EXPECT_TRUE(derived->isDerivedFrom(base));
  EXPECT_TRUE(derived->isDerivedFrom(derived));
  EXPECT_TRUE(derived->isDerivedFrom(AcRxObject::desc()));
  EXPECT_FALSE(base->isDerivedFrom(derived));
  EXPECT_FALSE(base->isDerivedFrom(nullptr));
}

TEST(NewAcRxClass, KeepsVersionsFlagsAndConstructor) {
  ClassGuard guard;
  AcRxClass* cls = guard.add(newAcRxClass(u"RxTestVersioned", u"AcRxObject", 27, 105, 3, MakePlainObject));
  int dwg = 0, maintenance = 0;
  cls->getClassVersion(dwg, maintenance);
  EXPECT_EQ(dwg, 27);
  EXPECT_EQ(maintenance, 105);
  EXPECT_EQ(cls->proxyFlags(), 3);
  AcRxObject* made = cls->create();
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(made->isA(), AcRxDictionary::desc());
  delete made;
  EXPECT_EQ(AcRxObject::desc()->create(), nullptr);
}

TEST(NewAcRxClass, TakesTheAllZeroFormOfTheLongSignature) {
  ClassGuard guard;
  AcRxClass* cls = guard.add(newAcRxClass(u"RxTestZeros", u"AcRxDLinkerReactor", 0, 0, 0, 0));
  ASSERT_NE(cls, nullptr);
  EXPECT_EQ(cls->myParent(), AcRxDLinkerReactor::desc());
  EXPECT_EQ(Str(cls->dxfName()), u"");
  EXPECT_EQ(Str(cls->appName()), u"");
  EXPECT_EQ(cls->create(), nullptr);
}

TEST(NewAcRxClass, RefusesAnEmptyNameOrOneAlreadyTaken) {
  EXPECT_EQ(newAcRxClass(nullptr, u"AcRxObject"), nullptr);
  EXPECT_EQ(newAcRxClass(u"", u"AcRxObject"), nullptr);
  ClassGuard guard;
  AcRxClass* first = guard.add(newAcRxClass(u"RxTestTwice", u"AcRxObject"));
  EXPECT_EQ(newAcRxClass(u"RxTestTwice", u"AcRxDictionary"), nullptr);
  EXPECT_EQ(ClassNamed(u"RxTestTwice"), first);
  EXPECT_EQ(first->myParent(), AcRxObject::desc());
}

TEST(NewAcRxClass, ClassNamesAreCaseSensitive) {
  ClassGuard guard;
  AcRxClass* lower = guard.add(newAcRxClass(u"rxtestcase", u"AcRxObject"));
  AcRxClass* upper = guard.add(newAcRxClass(u"RXTESTCASE", u"AcRxObject"));
  EXPECT_NE(lower, upper);
  EXPECT_EQ(ClassNamed(u"RxTestCase"), nullptr);
}

TEST(AcrxBuildClassHierarchy, LinksAChildMadeBeforeItsParent) {
  ClassGuard guard;
  AcRxClass* child = guard.add(newAcRxClass(u"RxTestEarlyChild", u"RxTestLateParent"));
  EXPECT_EQ(child->myParent(), nullptr);
  AcRxClass* parent = guard.add(newAcRxClass(u"RxTestLateParent", u"AcRxObject"));
  acrxBuildClassHierarchy();
  EXPECT_EQ(child->myParent(), parent);
  EXPECT_TRUE(child->isDerivedFrom(AcRxObject::desc()));
}

TEST(DeleteAcRxClass, RemovesTheClassAndUnlinksItsChildren) {
  ClassGuard guard;
  AcRxClass* parent = newAcRxClass(u"RxTestDoomedParent", u"AcRxObject");
  AcRxClass* child = guard.add(newAcRxClass(u"RxTestOrphan", u"RxTestDoomedParent"));
  const Adesk::UInt32 before = acrxClassDictionary->numEntries();
  deleteAcRxClass(parent);
  EXPECT_FALSE(acrxClassDictionary->has(u"RxTestDoomedParent"));
  EXPECT_EQ(acrxClassDictionary->numEntries(), before - 1);
  EXPECT_EQ(child->myParent(), nullptr);
  EXPECT_FALSE(child->isDerivedFrom(AcRxObject::desc()));
  deleteAcRxClass(nullptr);
}

TEST(DeleteAcRxClass, AClassOfTheSameNameCanBeMadeAgain) {
  AcRxClass* first = newAcRxClass(u"RxTestReborn", u"AcRxObject");
  deleteAcRxClass(first);
  ClassGuard guard;
  AcRxClass* second = guard.add(newAcRxClass(u"RxTestReborn", u"AcRxDictionary"));
  EXPECT_EQ(ClassNamed(u"RxTestReborn"), second);
  EXPECT_EQ(second->myParent(), AcRxDictionary::desc());
}

class RxTestMacroThing : public AcRxObject {
 public:
  ACRX_DECLARE_MEMBERS(RxTestMacroThing);
};
ACRX_CONS_DEFINE_MEMBERS(RxTestMacroThing, AcRxObject, 1);

TEST(Boilerplate, RxInitMakesTheClassOnceAndCloneUsesItsConstructor) {
  RxTestMacroThing::rxInit();
  AcRxClass* cls = RxTestMacroThing::desc();
  ASSERT_NE(cls, nullptr);
  RxTestMacroThing::rxInit();
  EXPECT_EQ(RxTestMacroThing::desc(), cls);
  EXPECT_EQ(Str(cls->name()), u"RxTestMacroThing");
  EXPECT_EQ(cls->myParent(), AcRxObject::desc());
  RxTestMacroThing thing;
  EXPECT_EQ(thing.isA(), cls);
  EXPECT_EQ(RxTestMacroThing::cast(&thing), &thing);
  // The root copies nothing, so clone gives up rather than return a half-made object.
  EXPECT_EQ(thing.clone(), nullptr);
}

TEST(BoilerplateDeathTest, RxInitStopsTheHostWhenAnotherClassTookTheName) {
  RxTestMacroThing::rxInit();
  EXPECT_DEATH(
      {
        acadsim::SetCommandLineSink([](std::u16string_view text) { fputs(WideToUtf8(text).c_str(), stderr); });
        acrxClassDictionary->remove(u"RxTestMacroThing");
        newAcRxClass(u"RxTestMacroThing", u"AcRxObject");
        RxTestMacroThing::rxInit();
      },
      "Class mismatch");
}

TEST(AcrxAbortDeathTest, PrintsTheMessageAndEndsTheProcess) {
  EXPECT_DEATH(
      {
        acadsim::SetCommandLineSink([](std::u16string_view text) { fputs(WideToUtf8(text).c_str(), stderr); });
        acrx_abort(u"Fatal %s %d", u"error", 7);
      },
      "Fatal error 7");
}

class RxTestStaticHostThing : public AcRxObject {
 public:
  ACRX_DECLARE_MEMBERS(RxTestStaticHostThing);
};
ACRX_NO_CONS_DEFINE_MEMBERS(RxTestStaticHostThing, AcRxDictionary);
ACADSIM_HOST_CLASS_REGISTRATION(RxTestStaticHostThing);

class RxTestLateHostThing : public AcRxObject {
 public:
  ACRX_DECLARE_MEMBERS(RxTestLateHostThing);
};
ACRX_NO_CONS_DEFINE_MEMBERS(RxTestLateHostThing, AcRxObject);

TEST(HostClassRegistration, StaticRegistrationsAreMadeWithTheRegistry) {
  AcRxClass* cls = ClassNamed(u"RxTestStaticHostThing");
  ASSERT_NE(cls, nullptr);
  EXPECT_EQ(RxTestStaticHostThing::desc(), cls);
  EXPECT_EQ(cls->myParent(), AcRxDictionary::desc());
}

TEST(HostClassRegistration, ARegistrationMetAfterTheStartIsMadeAtOnce) {
  ASSERT_NE(acrxSysRegistry(), nullptr);
  acadsim::HostClassRegistration late(&RxTestLateHostThing::rxInit);
  EXPECT_EQ(ClassNamed(u"RxTestLateHostThing"), RxTestLateHostThing::desc());
  deleteAcRxClass(RxTestLateHostThing::desc());
}
