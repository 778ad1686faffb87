#include <acadsim/HostProduct.h>
#include <rxregsvc.h>

#include "DocumentTestSupport.h"

namespace {

class Product : public HostTest {};

}  // namespace

TEST_F(Product, TheProductIsAutoCADUnlessTheHostWasStartedAsAnother) {
  EXPECT_EQ(StringVariable(u"PRODUCT"), u"AutoCAD");
  acadsim::SetProductName(u"AutoCAD LT");
  EXPECT_EQ(StringVariable(u"PRODUCT"), u"AutoCAD LT");
  EXPECT_EQ(StringVariable(u"product"), u"AutoCAD LT");
  EXPECT_EQ(std::u16string(acrxProductKey()), u"Software\\Autodesk\\AutoCAD\\R17.0\\ACAD-5001:409");
  acadsim::resetSessionSystemVariables();
  EXPECT_EQ(StringVariable(u"PRODUCT"), u"AutoCAD");
}

TEST_F(Product, ModulesCannotChangeTheProduct) {
  resbuf value{};
  value.restype = RTSTR;
  value.resval.rstring = const_cast<ACHAR*>(u"Other");
  EXPECT_EQ(acedSetVar(u"PRODUCT", &value), RTERROR);
  EXPECT_EQ(StringVariable(u"PRODUCT"), u"AutoCAD");
}
