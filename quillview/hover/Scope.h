// The scope window: the popup beside the resting cursor that shows a description. Until the host has
// windows it keeps its font and stays hidden; every caller already goes through these operations.
#pragma once
#include <windows.h>

#include "host/ComClientManager.h"

class CScope : public CComClientManager<CScope> {
 public:
  CScope();

  void ShowAtCursor();
  // 0 only hides; otherwise hides and restarts the rest timer with that interval.
  void HideAndArm(UINT intervalMs);
  bool IsVisible() const { return false; }

  void SetMainFont(const LOGFONTW& font) { m_font = font; }
  void GetMainFont(LOGFONTW& font) const { font = m_font; }
  // The host's font chooser, initialised from font; true when the user confirmed a choice into font.
  static bool ChooseMainFont(LOGFONTW& font);

 private:
  LOGFONTW m_font;
};
