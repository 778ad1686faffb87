// The host's own AutoLISP functions, shared by every document (the host application fills the table).
#include <acadsim/LispFunctions.h>

namespace acadsim {

LispFunctionTable& HostLispFunctions() {
  static LispFunctionTable table;
  return table;
}

}  // namespace acadsim
