// The HTML-subset renderer: measures and draws the markup of descriptions and extender texts into a DC.
#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "html/DrawManager.h"

class CHtmlDrawer {
 public:
  CHtmlDrawer();
  ~CHtmlDrawer();
  CHtmlDrawer(const CHtmlDrawer&) = delete;
  CHtmlDrawer& operator=(const CHtmlDrawer&) = delete;

  // Sets or replaces the sheet entry of selector (stored lower case).
  void SetStyleEntry(const std::u16string& selector, const std::u16string& declarations);
  // Parses a whole sheet into entries; the text is kept.
  void SetStyleSheet(const std::u16string& sheet);
  const std::u16string& StyleSheet() const;

  // 0: no limit and no word wrap.
  void SetMaxWidth(int pixels);
  void SetLineFeedsAsBreaks(bool on);
  void SetTabWidth(int pixels);
  // Off: every named colour and colour value yields GetSysColor(COLOR_BTNSHADOW).
  void SetEnabled(bool on);
  void SetShadow(const ShadowSettings& shadow);

  // The measuring pass: the size of the laid-out text plus 1 each way; a text with nothing visible is
  // emptied and measures 0 by 0.
  void MeasureText(HDC dc, const std::u16string& text, SIZE& size);
  // The drawing pass over the text of the last MeasureText, inside rect.
  void DrawMeasuredText(HDC dc, const RECT& rect);

  // Links, for windows that follow the mouse (the scope window does not): the link under point is drawn in
  // "a:hover" from the next drawing pass on; LinkAt gives its href or msg, or null.
  void SetMousePoint(POINT point);
  const std::u16string* LinkAt(POINT point) const;
  HCURSOR LinkCursor() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> m_impl;
};
