#include "DescribeEntitiesCommand.h"

#include <accmd.h>
#include <acdocman.h>
#include <acutads.h>
#include <rxdlinkr.h>
#include <rxregsvc.h>

#include "DrawingEntities.h"
#include "EntityListing.h"

namespace acadsim {
namespace {

constexpr const ACHAR* kGroup = u"ACADSIM";
constexpr const ACHAR* kName = u"DESCRIBE";

void DescribeEntities() {
  auto describe = reinterpret_cast<QuillviewDescribeEntityFn>(
      acrxDynamicLinker->getSymbolAddress(u"quillview.arx", u"" QUILLVIEW_DESCRIBE_ENTITY_EXPORT));
  if (describe == nullptr) {
    acutPrintf(u"\nquillview.arx is not loaded.\n");
    return;
  }
  AcApDocument* doc = acDocManager->curDocument();
  if (doc == nullptr || doc->database() == nullptr) return;
  acutPrintf(u"\n");
  for (AcDbObjectId id : EntitiesOfSpaces(*doc->database(), SpaceSelection::Model)) {
    AcDbEntity* entity = nullptr;
    if (acdbOpenAcDbEntity(entity, id, AcDb::kForRead) != Acad::eOk) continue;
    acutPrintf(u"%s", ListingEntry(describe, entity).c_str());
    entity->close();
  }
}

}  // namespace

void RegisterDescribeEntitiesCommand() {
  if (AcEdCommandStack* stack = acedRegCmds; stack != nullptr && stack->lookupGlobalCmd(kName) == nullptr) {
    stack->addCommand(kGroup, kName, kName, ACRX_CMD_MODAL, &DescribeEntities);
  }
}

}  // namespace acadsim
