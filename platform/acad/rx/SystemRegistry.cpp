#include "SystemRegistry.h"
#include <aced.h>
#include <rxregsvc.h>
#include "DynamicLinker.h"

namespace acadsim::rx {

const Registry& Roots() {
  static const Registry roots = [] {
    Registry made{new AcRxDictionary(), new AcRxDictionary(), new AcRxDictionary(), new DynamicLinker()};
    made.system->atPut(ACRX_CLASS_DICTIONARY, made.classes);
    made.system->atPut(ACRX_SERVICE_DICTIONARY, made.services);
    made.system->atPut(ACRX_DYNAMIC_LINKER, made.linker);
    made.system->atPut(ACRX_COMMAND_DOCK, NewHostCommandStack());
    made.system->atPut(ACED_EDITOR_OBJ, NewHostEditor());
    return made;
  }();
  return roots;
}

}  // namespace acadsim::rx

AcRxDictionary* acrxSysRegistry() {
  acadsim::EnsureHostClasses();
  return acadsim::rx::Roots().system;
}
