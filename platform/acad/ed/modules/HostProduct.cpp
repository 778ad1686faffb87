#include <acadsim/HostProduct.h>
#include <acadsim/SystemVariables.h>
#include <adscodes.h>

namespace acadsim {

void SetProductName(const std::u16string& product) {
  resbuf value{};
  value.restype = RTSTR;
  value.resval.rstring = const_cast<ACHAR*>(product.c_str());
  setHostSystemVariable(u"PRODUCT", value);
}

}  // namespace acadsim
