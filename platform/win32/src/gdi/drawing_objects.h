// Pens and brushes: the logical records GDI draws lines and fills with.
#pragma once
#include "gdi/gdi_object.h"
#include "wingdi.h"

namespace win32 {

struct Pen : GdiObject {
  static constexpr GdiKind Kind = GdiKind::Pen;
  LOGPEN logPen{};
  bool dcPen = false;  // DC_PEN: the colour is the DC's
  explicit Pen(const LOGPEN& lp) : GdiObject(Kind), logPen(lp) {}
};

struct Brush : GdiObject {
  static constexpr GdiKind Kind = GdiKind::Brush;
  LOGBRUSH logBrush{};
  bool dcBrush = false;  // DC_BRUSH: the colour is the DC's
  explicit Brush(const LOGBRUSH& lb) : GdiObject(Kind), logBrush(lb) {}
};

}  // namespace win32
