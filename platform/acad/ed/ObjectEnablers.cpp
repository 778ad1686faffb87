#include <acadsim/ObjectEnablers.h>
#include <rxboiler.h>
#include <rxdlinkr.h>
#include <rxregsvc.h>

#include "../db/DatabaseImpl.h"

namespace acadsim {
namespace {

struct Enabler {
  const char16_t* className;
  const char16_t* moduleFile;
};

// The classes of vertical products whose enablers ship with the host.
constexpr Enabler kEnablers[] = {
    {u"AecDbTextNote", u"AecTextNote.dbx"},
};

}  // namespace

bool demandLoadObjectEnabler(const std::u16string& className) {
  if (classNamed(className) != nullptr) return true;
  for (const Enabler& e : kEnablers) {
    if (className != e.className) continue;
    AcRxDynamicLinker* linker = acrxDynamicLinker;
    if (linker == nullptr || !linker->loadModule(e.moduleFile, false)) return false;
    return classNamed(className) != nullptr;
  }
  return false;
}

}  // namespace acadsim
