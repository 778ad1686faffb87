// CDrawManager: the visible area of a drawing and the background fills.
#include "html/DrawManager.h"

#include "html/Dib.h"
#include "html/DrawManagerEffects.h"

RECT CDrawManager::VisibleArea(const RECT& rect) const {
  RECT clip{}, visible{};
  if (!m_dc || IsRectEmpty(&rect)) return visible;
  const int kind = GetClipBox(m_dc, &clip);
  if (kind == ERROR || kind == NULLREGION || !IntersectRect(&visible, &rect, &clip)) return RECT{};
  return visible;
}

void CDrawManager::FillEffect(const RECT& rect, int effect, COLORREF start, COLORREF mid, COLORREF end) {
  if (!IsPaintingEffect(effect)) return;
  const RECT area = VisibleArea(rect);
  if (IsRectEmpty(&area)) return;
  CDib canvas;
  if (!canvas.Create(area.right - area.left, area.bottom - area.top)) return;
  if (PaintEffect(canvas, rect, area, effect, EffectColours{start, mid, end})) canvas.CopyTo(m_dc, area.left, area.top);
}
