#include <dbapserv.h>

#include "DatabaseImpl.h"

AcDbHostApplicationServices* acdbHostApplicationServices() {
  static AcDbHostApplicationServices services;
  return &services;
}

namespace acadsim {
AcDbDatabase* workingDatabaseOrNull() { return acdbHostApplicationServices()->workingDatabase(); }
}  // namespace acadsim
