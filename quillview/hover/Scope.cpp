#include "hover/Scope.h"

#include <acutads.h>

#include "host/ModuleStrings.h"

namespace {

// The font the window starts with, before any setting is applied.
LOGFONTW DefaultScopeFont() {
  LOGFONTW font{};
  font.lfHeight = -13;
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = 255;
  font.lfQuality = 2;
  lstrcpynW(font.lfFaceName, u"Arial", LF_FACESIZE);
  return font;
}

}  // namespace

CScope::CScope() : m_font(DefaultScopeFont()) {}

// The window comes with the host's windows; without it there is nothing to show or hide.
void CScope::ShowAtCursor() {}
void CScope::HideAndArm(UINT) {}

bool CScope::ChooseMainFont(LOGFONTW&) {
  acutPrintf(ModuleString(IDS_FMT_NOT_AVAILABLE).c_str(), ModuleString(IDS_SHOW_FONT).c_str());
  return false;
}
