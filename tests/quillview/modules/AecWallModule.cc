// A vertical-product module for the tests: it defines the architectural classes AecDbEntity and
// AecDbWall while it is loaded, and makes walls for the tests to describe.
#include <dbmain.h>
#include <rxdlinkr.h>
#include <rxregsvc.h>

class AecDbEntity : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AecDbEntity);
};

class AecDbWall : public AecDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AecDbWall);
};

ACRX_NO_CONS_DEFINE_MEMBERS(AecDbEntity, AcDbEntity)
ACRX_DXF_DEFINE_MEMBERS(AecDbWall, AecDbEntity, 0, 0, 0, AEC_WALL, AecArchBase)

extern "C" __attribute__((visibility("default"))) AcDbEntity* CreateTestWall() { return new AecDbWall(); }

extern "C" __attribute__((visibility("default"))) AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode message,
                                                                                   void* appId) {
  switch (message) {
    case AcRx::kInitAppMsg:
      acrxDynamicLinker->unlockApplication(appId);
      AecDbEntity::rxInit();
      AecDbWall::rxInit();
      acrxBuildClassHierarchy();
      break;
    case AcRx::kUnloadAppMsg:
      deleteAcRxClass(AecDbWall::desc());
      deleteAcRxClass(AecDbEntity::desc());
      break;
    default:
      break;
  }
  return AcRx::kRetOK;
}

extern "C" __attribute__((visibility("default"))) int acrxGetApiVersion() { return 0x110000; }
