#include "hover/CursorPick.h"

#include <AcExtensionModule.h>
#include <acedads.h>
#include <acutads.h>
#include <dbapserv.h>
#include <dbmain.h>
#include <windows.h>

#include <vector>

#include "describe/DescribeObject.h"
#include "host/ModuleInstance.h"
#include "host/QuillviewApp.h"
#include "hover/PickVariables.h"
#include "hover/PointMonitor.h"
#include "hover/PreviousSetGuard.h"

namespace {

// The pick chain's positions, list brackets counted: the entity, and the innermost one of a nested pick.
constexpr size_t kEntityPosition = 2;
constexpr size_t kNestedEntityPosition = 11;

// The UCS point under the cursor in the active drawing view; false when the cursor is elsewhere.
bool CursorPointInUcs(ads_point ucsPoint) {
  POINT cursor{};
  if (!GetCursorPos(&cursor)) return false;
  HWND view = adsw_acadDocWnd();
  if (view == nullptr || WindowFromPoint(cursor) != view) return false;
  POINT client = cursor;
  ScreenToClient(view, &client);
  ads_point world = {0, 0, 0};
  if (!acedCoordFromPixelToWorld(acedGetWinNum(client.x, client.y), client, world)) return false;
  resbuf from{};
  from.restype = RTSHORT;
  from.resval.rint = 0;
  resbuf to{};
  to.restype = RTSHORT;
  to.resval.rint = 1;
  acedTrans(world, &from, &to, 0, ucsPoint);
  return true;
}

struct PickedEntity {
  AcDbObjectId id;
  int gsMarker = -1;
  bool nested = false;
};

// Takes the entity name at position and, when an RTSHORT follows it, that marker.
bool EntityAt(const std::vector<const resbuf*>& chain, size_t position, AcDbObjectId& id, const resbuf*& marker) {
  marker = nullptr;
  if (chain.size() <= position || chain[position]->restype != RTENAME) return false;
  acdbGetObjectId(id, chain[position]->resval.rlname);
  if (position + 1 < chain.size() && chain[position + 1]->restype == RTSHORT) marker = chain[position + 1];
  return true;
}

// The entity and marker from the pick chain; a positive marker the monitor saw wins over the pick's.
PickedEntity ChooseFromChain(const resbuf* info, bool nestedMode) {
  std::vector<const resbuf*> chain;
  for (const resbuf* rb = info; rb != nullptr; rb = rb->rbnext) chain.push_back(rb);
  PickedEntity picked;
  picked.gsMarker = LastGsMarker();
  const resbuf* marker = nullptr;
  if (nestedMode && chain.size() >= kNestedEntityPosition + 1) {
    picked.nested = true;
    if (EntityAt(chain, kNestedEntityPosition, picked.id, marker)) {
      if (marker != nullptr) picked.gsMarker = marker->resval.rint;
      return picked;
    }
  }
  if (EntityAt(chain, kEntityPosition, picked.id, marker) && marker != nullptr) {
    const int value = marker->resval.rint;
    if (picked.nested || (value > 0 && picked.gsMarker <= 0)) picked.gsMarker = value;
  }
  return picked;
}

// Picks at the point with the host's selection; the Previous set is kept unless the user allows otherwise.
bool PickAt(const ads_point ucsPoint, bool nestedMode, ads_name picked) {
  CQuillviewApp& app = QuillviewApp();
  CPreviousSetGuard guard;
  if (!app.Invasive()) guard.Save();
  CAcModuleResourceOverride resources(ModuleInstance());
  // Group selection would pick the whole group; the object under the cursor is what is described.
  TemporaryShortVariable pickStyle(PickVariable::kPickStyle, 0);
  const int status = acedSSGet(nestedMode ? u"_:N" : nullptr, ucsPoint, nullptr, nullptr, picked);
  pickStyle.PutBack();
  if (status != RTNORM) {
    guard.Release();
    return false;
  }
  guard.Restore();
  return true;
}

}  // namespace

bool DescribeUnderCursor(CString& text) {
  CQuillviewApp& app = QuillviewApp();
  if (!app.PeekInProgress() && acedAcadInQuiescentState() == 0) return false;
  ads_point ucsPoint = {0, 0, 0};
  if (!CursorPointInUcs(ucsPoint)) return false;
  const bool controlDown = (GetAsyncKeyState(VK_CONTROL) & 0x8000) != 0;
  const bool nestedMode = controlDown != app.DefaultShowNested();
  if (acdbHostApplicationServices()->workingDatabase() == nullptr) return false;

  ads_name set = {0, 0};
  if (!PickAt(ucsPoint, nestedMode, set)) return false;
  resbuf* info = nullptr;
  const int status = acedSSNameX(&info, set, 0);
  acedSSFree(set);
  if (status != RTNORM) {
    if (info != nullptr) acutRelRb(info);
    return false;
  }
  const PickedEntity picked = ChooseFromChain(info, nestedMode);
  acutRelRb(info);

  if (picked.id == AcDbObjectId::kNull) return false;
  AcDbEntity* entity = nullptr;
  if (acdbOpenAcDbEntity(entity, picked.id, AcDb::kForRead, false) != Acad::eOk) return false;
  ScopeText parts;
  DescribeObject(parts, entity->isA(), entity, picked.gsMarker);
  entity->close();

  if (picked.nested) text += u"*";
  text += AssembleScopeText(parts).c_str();
  return !text.IsEmpty();
}
