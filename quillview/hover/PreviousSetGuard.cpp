#include "hover/PreviousSetGuard.h"

#include <AcExtensionModule.h>
#include <acdocman.h>
#include <acedads.h>
#include <acutads.h>
#include <dbapserv.h>

#include "host/ModuleInstance.h"
#include "host/QuillviewApp.h"
#include "hover/PickVariables.h"

namespace {

// A list whose first buffer is RTNONE names no set: it is released at once.
resbuf* PresentOrReleased(resbuf* list) {
  if (list != nullptr && list->restype == RTNONE) {
    acutRelRb(list);
    return nullptr;
  }
  return list;
}

void FreeList(resbuf*& list) {
  for (resbuf* rb = list; rb != nullptr; rb = rb->rbnext) {
    if (rb->restype == RTPICKS) acedSSFree(rb->resval.rlname);
  }
  if (list != nullptr) acutRelRb(list);
  list = nullptr;
}

const int64_t* SetName(const resbuf* list) { return list != nullptr ? list->resval.rlname : nullptr; }

}  // namespace

void CPreviousSetGuard::Save() {
  if (m_armed) Release();
  acedSSGetFirst(&m_gripSet, &m_pickFirstSet);
  m_gripSet = PresentOrReleased(m_gripSet);
  m_pickFirstSet = PresentOrReleased(m_pickFirstSet);
  m_captured = acedSSGet(u"_P", nullptr, nullptr, nullptr, m_saved) == RTNORM;
  m_armed = true;
}

void CPreviousSetGuard::Restore() {
  if (m_armed && m_captured && !QuillviewApp().PeekInProgress()) {
    CAcModuleResourceOverride resources(ModuleInstance());
    PutBackPreviousSet();
    acedSSSetFirst(SetName(m_pickFirstSet), SetName(m_gripSet));
    if (m_gripSet != nullptr || m_pickFirstSet != nullptr) RefreshGrips();
  }
  Release();
}

// Selecting the saved set as the implied set makes it the Previous set, with nothing highlighted or gripped.
void CPreviousSetGuard::PutBackPreviousSet() {
  TemporaryShortVariable highlight(PickVariable::kHighlight, 0);
  TemporaryShortVariable grips(PickVariable::kGrips, 0);
  TemporaryShortVariable pickStyle(PickVariable::kPickStyle, 0);
  TemporaryShortVariable pickFirst(PickVariable::kPickFirst, 1);
  acedSSSetFirst(m_saved, nullptr);
  ads_name implied = {0, 0};
  if (acedSSGet(u"_I", nullptr, nullptr, nullptr, implied) == RTNORM) acedSSFree(implied);
  pickFirst.PutBack();
  pickStyle.PutBack();
  grips.PutBack();
  highlight.PutBack();
}

// The host redraws the grips of the sets put back only when the drawing changes: an invisible point made
// and erased again at the drawing's lower-left extent is that change.
void CPreviousSetGuard::RefreshGrips() {
  AcApDocManager* documents = acDocManagerPtr();
  AcApDocument* document = documents->curDocument();
  if (documents->lockDocument(document, AcAp::kWrite, nullptr, nullptr, false) != Acad::eOk) return;
  resbuf extmin{};
  if (acedGetVar(PickVariableName(PickVariable::kExtmin), &extmin) == RTNORM) {
    AcDbDatabase* db = acdbHostApplicationServices()->workingDatabase();
    const Adesk::Int16 pointMode = db != nullptr ? db->pdmode() : 0;
    const bool modeChanged = pointMode != 0;
    if (modeChanged) db->setPdmode(0);
    resbuf* point = acutBuildList(RTDXF0, u"POINT", 10, extmin.resval.rpoint, 60, 1, 0);
    if (point != nullptr && acdbEntMake(point) == RTNORM) {
      ads_name made = {0, 0};
      if (acdbEntLast(made) == RTNORM) acdbEntDel(made);
    }
    if (point != nullptr) acutRelRb(point);
    if (modeChanged) db->setPdmode(pointMode);
  }
  documents->unlockDocument(document);
}

void CPreviousSetGuard::Release() {
  FreeList(m_gripSet);
  FreeList(m_pickFirstSet);
  if (m_captured) acedSSFree(m_saved);
  m_saved[0] = m_saved[1] = 0;
  m_captured = false;
  m_armed = false;
}
