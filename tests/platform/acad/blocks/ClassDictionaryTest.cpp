// The classes the module looks up by name are host classes in the class dictionary.
#include <dbents.h>
#include <dbtablestyle.h>
#include <gtest/gtest.h>
#include <imgdef.h>
#include <rxdict.h>
#include <rxregsvc.h>

namespace {

AcRxClass* registeredClass(const ACHAR* name) {
  auto* registry = AcRxDictionary::cast(acrxSysRegistry());
  if (registry == nullptr) return nullptr;
  auto* classes = AcRxDictionary::cast(registry->at(u"ClassDictionary"));
  return classes ? AcRxClass::cast(classes->at(name)) : nullptr;
}

TEST(ClassDictionary, ImageTableAndTableStyleAreFoundByName) {
  EXPECT_EQ(registeredClass(u"AcDbRasterImage"), AcDbRasterImage::desc());
  EXPECT_EQ(registeredClass(u"AcDbTable"), AcDbTable::desc());
  EXPECT_EQ(registeredClass(u"AcDbTableStyle"), AcDbTableStyle::desc());
  EXPECT_EQ(registeredClass(u"AcDbTable"), AcRxClass::cast(acrxClassDictionary->at(u"AcDbTable")));
}

TEST(ClassDictionary, DxfNames) {
  EXPECT_EQ(std::u16string(AcDbBlockReference::desc()->dxfName()), u"INSERT");
  EXPECT_EQ(std::u16string(AcDbMInsertBlock::desc()->dxfName()), u"INSERT");
  EXPECT_EQ(std::u16string(AcDbTable::desc()->dxfName()), u"ACAD_TABLE");
  EXPECT_EQ(std::u16string(AcDbTableStyle::desc()->dxfName()), u"TABLESTYLE");
  EXPECT_EQ(std::u16string(AcDbViewport::desc()->dxfName()), u"VIEWPORT");
  EXPECT_EQ(std::u16string(AcDbRasterImage::desc()->dxfName()), u"IMAGE");
  EXPECT_EQ(std::u16string(AcDbRasterImageDef::desc()->dxfName()), u"IMAGEDEF");
}

}  // namespace
