// "QuillviewUninstall": removes the demand-load registration and unloads the module from inside its own
// command. The module holds one reference of its own while the host unloads it, and the command returns
// through FreeLibrary, so that no instruction of the module runs once it is unmapped.
#include <AcExtensionModule.h>
#include <rxdlinkr.h>
#include <rxregsvc.h>

#include <cstring>

#include "host/Commands.h"
#include "host/DemandLoad.h"
#include "host/HostKind.h"
#include "host/ModuleInstance.h"
#include "host/QuillviewApp.h"

namespace {

// Where the command returns to: FreeLibrary(module); both null when no reference of its own was taken.
struct UninstallTail {
  HMODULE module;
  FARPROC freeLibrary;
};

// Steps before the unload; only trivially destroyed data may remain when the module is unloaded.
bool PrepareUninstall(WCHAR (&fileName)[MAX_PATH], HMODULE& self, FARPROC& freeLibrary) {
  // Typed transparently inside another of the module's commands, whose code would resume in an unmapped module.
  if (ModuleCommandsRunning() > 0) return false;
  CAcModuleResourceOverride resources(ModuleInstance());
  WCHAR path[MAX_PATH] = {};
  if (GetModuleFileNameW(ModuleInstance(), path, MAX_PATH) == 0) return false;
  HMODULE kernel = GetModuleHandleW(u"KERNEL32.DLL");
  freeLibrary = kernel != nullptr ? GetProcAddress(kernel, "FreeLibrary") : nullptr;
  if (freeLibrary == nullptr) return false;
  self = LoadLibraryW(path);
  if (self == nullptr) return false;

  UnregisterDemandLoad(QuillviewApp().AcadAppKeyPath(), IsFullAutoCAD(), path, acrxProductKey());

  const WCHAR* name = path;
  for (const WCHAR* c = path; *c != 0; ++c)
    if (*c == u'\\' || *c == u'/') name = c + 1;
  lstrcpynW(fileName, name, MAX_PATH);
  if (AcRxDynamicLinker* linker = AcRxDynamicLinker::cast(acrxSysRegistry()->at(ACRX_DYNAMIC_LINKER))) {
    linker->setAppBusy(fileName, false);
  }
  return true;
}

}  // namespace

extern "C" __attribute__((visibility("hidden"))) UninstallTail UninstallSteps() {
  WCHAR fileName[MAX_PATH] = {};
  HMODULE self = nullptr;
  FARPROC freeLibrary = nullptr;
  if (!PrepareUninstall(fileName, self, freeLibrary)) return {nullptr, nullptr};
  acrxUnloadModule(fileName, true);
  return {self, freeLibrary};
}

// UninstallCommand calls UninstallSteps, then jumps to FreeLibrary with the module handle and the command's
// own return address on the stack, so FreeLibrary returns straight to the host.
static_assert(sizeof(UninstallTail) == 16, "the tail comes back in rax:rdx");
asm(R"(
    .text
    .globl UninstallCommand
    .hidden UninstallCommand
    .type UninstallCommand, @function
UninstallCommand:
    .cfi_startproc
    subq $8, %rsp
    .cfi_adjust_cfa_offset 8
    call UninstallSteps@PLT
    addq $8, %rsp
    .cfi_adjust_cfa_offset -8
    testq %rdx, %rdx
    jz 1f
    movq %rax, %rdi
    jmp *%rdx
1:
    ret
    .cfi_endproc
    .size UninstallCommand, .-UninstallCommand
)");
