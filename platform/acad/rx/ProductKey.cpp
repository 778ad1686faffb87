#include <rxregsvc.h>

// AutoCAD 2007 (R17.0), product 5001 (AutoCAD), language 409 (English): the registry root the host keeps.
const ACHAR* acrxProductKey() { return ACRX_PRODUCT_KEY; }
