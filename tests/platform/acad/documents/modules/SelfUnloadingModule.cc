// A module whose command unloads the module itself, as an uninstall command does: it holds a library reference
// of its own, tells the linker it is not busy, unloads itself, and returns to the host through FreeLibrary so
// that none of its code runs once it is unmapped.
#include <aced.h>
#include <arxHeaders.h>
#include <windows.h>

namespace {

HINSTANCE gInstance = nullptr;

// Its destructor runs when the library is unmapped.
struct UnmapWitness {
  ~UnmapWitness() { acutPrintf(u"[unmapped]"); }
} gWitness;

const ACHAR* OwnFileName(ACHAR* path, DWORD size) {
  GetModuleFileNameW(gInstance, path, size);
  const ACHAR* name = path;
  for (const ACHAR* c = path; *c != 0; ++c) {
    if (*c == u'/' || *c == u'\\') name = c + 1;
  }
  return name;
}

}  // namespace

// Everything but the last release; returns the module handle for FreeLibrary.
extern "C" __attribute__((visibility("hidden"))) HMODULE PrepareSelfUnload(bool sayNotBusy) {
  ACHAR path[MAX_PATH];
  const ACHAR* name = OwnFileName(path, MAX_PATH);
  HMODULE self = LoadLibraryW(path);
  if (sayNotBusy) acrxDynamicLinker->setAppBusy(name, false);
  acutPrintf(acrxUnloadModule(name, true) ? u"[unloaded itself]" : u"[unload refused]");
  return self;
}

// The commands: PrepareSelfUnload, then a jump to FreeLibrary, which returns straight to the host.
extern "C" void SelfUnloadCommand();
extern "C" void SelfUnloadWhileBusyCommand();
asm(R"(
    .text
    .globl SelfUnloadCommand
    .hidden SelfUnloadCommand
    .type SelfUnloadCommand, @function
SelfUnloadCommand:
    subq $8, %rsp
    movl $1, %edi
    call PrepareSelfUnload
    addq $8, %rsp
    movq %rax, %rdi
    jmp *FreeLibrary@GOTPCREL(%rip)
    .size SelfUnloadCommand, .-SelfUnloadCommand

    .globl SelfUnloadWhileBusyCommand
    .hidden SelfUnloadWhileBusyCommand
    .type SelfUnloadWhileBusyCommand, @function
SelfUnloadWhileBusyCommand:
    subq $8, %rsp
    xorl %edi, %edi
    call PrepareSelfUnload
    addq $8, %rsp
    movq %rax, %rdi
    jmp *FreeLibrary@GOTPCREL(%rip)
    .size SelfUnloadWhileBusyCommand, .-SelfUnloadWhileBusyCommand
)");

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) gInstance = instance;
  return TRUE;
}

extern "C" AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void* pkt) {
  switch (msg) {
    case AcRx::kInitAppMsg:
      acrxDynamicLinker->unlockApplication(pkt);
      acedRegCmds->addCommand(u"DOCTEST_SELF", u"SELFUNLOAD", u"SELFUNLOAD", ACRX_CMD_MODAL, &SelfUnloadCommand);
      acedRegCmds->addCommand(u"DOCTEST_SELF", u"SELFUNLOADBUSY", u"SELFUNLOADBUSY", ACRX_CMD_MODAL,
                              &SelfUnloadWhileBusyCommand);
      return AcRx::kRetOK;
    case AcRx::kUnloadAppMsg:
      acutPrintf(u"[kUnloadAppMsg]");
      acedRegCmds->removeGroup(u"DOCTEST_SELF");
      return AcRx::kRetOK;
    default:
      return AcRx::kRetOK;
  }
}

extern "C" int acrxGetApiVersion() { return 17; }
