#include <gtest/gtest.h>
#include <arxHeaders.h>
#include <string>

TEST(AcrxSysRegistry, HoldsTheClassAndServiceDictionariesAndTheLinker) {
  AcRxDictionary* registry = acrxSysRegistry();
  ASSERT_NE(registry, nullptr);
  EXPECT_NE(AcRxDictionary::cast(registry->at(u"ClassDictionary")), nullptr);
  EXPECT_NE(AcRxDictionary::cast(registry->at(u"ServiceDictionary")), nullptr);
  EXPECT_NE(AcRxDynamicLinker::cast(registry->at(u"DynamicLinker")), nullptr);
  EXPECT_EQ(acrxClassDictionary, registry->at(ACRX_CLASS_DICTIONARY));
  EXPECT_EQ(acrxServiceDictionary, registry->at(ACRX_SERVICE_DICTIONARY));
  EXPECT_EQ(acrxDynamicLinker, registry->at(ACRX_DYNAMIC_LINKER));
  EXPECT_EQ(acrxSysRegistry(), registry);
}

TEST(AcrxRegisterService, RegistersOnceUnderItsName) {
  EXPECT_FALSE(acrxServiceIsRegistered(u"RxTest.Service"));
  AcRxObject* service = acrxRegisterService(u"RxTest.Service");
  ASSERT_NE(AcRxService::cast(service), nullptr);
  EXPECT_TRUE(acrxServiceIsRegistered(u"RxTest.Service"));
  EXPECT_FALSE(acrxServiceIsRegistered(u"rxtest.service"));
  EXPECT_EQ(acrxRegisterService(u"RxTest.Service"), service);
  EXPECT_EQ(acrxServiceDictionary->at(u"RxTest.Service"), service);
  EXPECT_EQ(acrxRegisterService(nullptr), nullptr);
  EXPECT_EQ(acrxRegisterService(u""), nullptr);
  EXPECT_FALSE(acrxServiceIsRegistered(nullptr));
  delete acrxServiceDictionary->remove(u"RxTest.Service");
  EXPECT_FALSE(acrxServiceIsRegistered(u"RxTest.Service"));
}

TEST(AcRxService, IsUnloadableOnlyWithoutDependencies) {
  AcRxService service;
  EXPECT_TRUE(service.unloadable());
  service.addDependency();
  service.addDependency();
  service.removeDependency();
  EXPECT_FALSE(service.unloadable());
  service.removeDependency();
  EXPECT_TRUE(service.unloadable());
  service.removeDependency();
  EXPECT_TRUE(service.unloadable());
}

TEST(AcRxService, OwnsItsSystemInformation) {
  AcRxService service;
  EXPECT_EQ(service.getSysInfo(), nullptr);
  auto* info = new AcRxDictionary();
  service.setSysInfo(info);
  EXPECT_EQ(service.getSysInfo(), info);
  service.setSysInfo(info);
  service.setSysInfo(new AcRxDictionary());
  EXPECT_NE(service.getSysInfo(), nullptr);
}

TEST(AcrxProductKey, IsTheHostsRegistryRoot) {
  EXPECT_EQ(std::u16string(acrxProductKey()), u"Software\\Autodesk\\AutoCAD\\R17.0\\ACAD-5001:409");
}
