// An ObjectARX module that prints each message it gets, so a test can read the order on the command line.
#include <arxHeaders.h>

class RxTestThing : public AcRxObject {
 public:
  ACRX_DECLARE_MEMBERS(RxTestThing);
};
ACRX_CONS_DEFINE_MEMBERS(RxTestThing, AcRxObject, 1);

namespace {

// Its destructor runs when the library is unmapped.
struct UnmapWitness {
  ~UnmapWitness() { acutPrintf(u"[unmapped]"); }
} gWitness;

}  // namespace

extern "C" AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void* pkt) {
  switch (msg) {
    case AcRx::kInitAppMsg:
      acutPrintf(u"[kInitAppMsg]");
#ifdef RX_TEST_REFUSE_INIT
      return AcRx::kRetError;
#else
#ifndef RX_TEST_STAY_LOCKED
      acrxDynamicLinker->unlockApplication(pkt);
#endif
      acrxDynamicLinker->registerAppMDIAware(pkt);
      RxTestThing::rxInit();
      acrxBuildClassHierarchy();
      return AcRx::kRetOK;
#endif
    case AcRx::kUnloadAppMsg:
      acutPrintf(u"[kUnloadAppMsg]");
      deleteAcRxClass(RxTestThing::desc());
      return AcRx::kRetOK;
    default:
      acutPrintf(u"[message %d]", static_cast<int>(msg));
      return AcRx::kRetOK;
  }
}

extern "C" int acrxGetApiVersion() { return 17; }
