// A module that leaves its command and its AutoLISP function behind when it is unloaded.
#include <aced.h>
#include <arxHeaders.h>

namespace {

void Hello() { acutPrintf(u"[hello]"); }

int HelloFunction() {
  acedRetStr(u"hello");
  return RSRSLT;
}

}  // namespace

extern "C" AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void* pkt) {
  switch (msg) {
    case AcRx::kInitAppMsg:
      acrxDynamicLinker->unlockApplication(pkt);
      acedRegCmds->addCommand(u"DOCTEST_FORGETFUL", u"FORGETFUL", u"FORGETFUL", ACRX_CMD_MODAL, &Hello);
      return AcRx::kRetOK;
    case AcRx::kLoadDwgMsg:
      acedDefun(u"doctest-forgetful", 0);
      acedRegFunc(&HelloFunction, 0);
      return AcRx::kRetOK;
    default:
      return AcRx::kRetOK;
  }
}

extern "C" int acrxGetApiVersion() { return 17; }
