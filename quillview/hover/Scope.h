// The scope window: the popup beside the resting cursor that shows the description of the object under it.
#pragma once
#include <windows.h>

#include <memory>

#include "host/ComClientManager.h"

class CHtmlDrawer;

class CScope : public CComClientManager<CScope> {
 public:
  // A scope without a window (creation failed) takes every call and never shows anything.
  explicit CScope(HWND owner);
  ~CScope() override;

  // Hides, then shows the description of the object under the cursor beside it, if there is one.
  void ShowAtCursor();
  // 0 only hides; otherwise hides and restarts the display timer with that interval.
  LRESULT HideAndArm(int intervalMs);
  bool IsVisible() const { return m_visible != 0; }
  HWND Window() const { return m_window; }

  // The font reaches the window as WM_SETFONT, posted.
  void SetMainFont(const LOGFONTW& font);
  void GetMainFont(LOGFONTW& font) const;
  // The host's font chooser, initialised from font; true when the user confirmed a choice into font.
  static bool ChooseMainFont(LOGFONTW& font);

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT ForwardMouseToOwner(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Hide();
  // Makes font the scope's and its style; returns the font it replaces.
  HFONT ApplyFont(HFONT font);
  void Paint();

  HWND m_window = nullptr;
  HFONT m_font = nullptr;
  int m_visible = 0;
  std::unique_ptr<CHtmlDrawer> m_drawer;
};
