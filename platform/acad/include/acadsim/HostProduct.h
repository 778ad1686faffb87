// What the host was started as (host-internal, not an ObjectARX name).
#pragma once
#include <string>

namespace acadsim {

// Sets the read-only system variable "PRODUCT" ("AutoCAD" until then) for this session, for a host started as
// another product ("AutoCAD LT"). The product key (acrxProductKey) stays AutoCAD's.
void SetProductName(const std::u16string& product);

}  // namespace acadsim
