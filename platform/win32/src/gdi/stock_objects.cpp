#include "gdi/stock_objects.h"

#include <algorithm>
#include <memory>

#include "gdi/bitmap.h"
#include "gdi/drawing_objects.h"
#include "gdi/font.h"

namespace win32 {

namespace {

template <typename T>
HGDIOBJ stock(std::unique_ptr<T> object) {
  object->stock = true;
  return AddGdiObject(std::move(object));
}

HGDIOBJ stockBrush(UINT style, COLORREF color, bool dcBrush = false) {
  auto brush = std::make_unique<Brush>(LOGBRUSH{style, color, 0});
  brush->dcBrush = dcBrush;
  return stock(std::move(brush));
}

HGDIOBJ stockPen(UINT style, COLORREF color, bool dcPen = false) {
  auto pen = std::make_unique<Pen>(LOGPEN{style, {1, 0}, color});
  pen->dcPen = dcPen;
  return stock(std::move(pen));
}

HGDIOBJ stockFont(LONG height, LONG weight, const char16_t* face) {
  LOGFONTW lf{};
  lf.lfHeight = height;
  lf.lfWeight = weight;
  lf.lfCharSet = DEFAULT_CHARSET;
  std::copy(face, face + std::char_traits<char16_t>::length(face), lf.lfFaceName);
  return stock(std::make_unique<Font>(lf));
}

struct StockTable {
  HGDIOBJ objects[DC_PEN + 1] = {};
  HBITMAP defaultBitmap;
  StockTable() {
    objects[WHITE_BRUSH] = stockBrush(BS_SOLID, RGB(255, 255, 255));
    objects[LTGRAY_BRUSH] = stockBrush(BS_SOLID, RGB(192, 192, 192));
    objects[GRAY_BRUSH] = stockBrush(BS_SOLID, RGB(128, 128, 128));
    objects[DKGRAY_BRUSH] = stockBrush(BS_SOLID, RGB(64, 64, 64));
    objects[BLACK_BRUSH] = stockBrush(BS_SOLID, RGB(0, 0, 0));
    objects[NULL_BRUSH] = stockBrush(BS_NULL, 0);
    objects[WHITE_PEN] = stockPen(PS_SOLID, RGB(255, 255, 255));
    objects[BLACK_PEN] = stockPen(PS_SOLID, RGB(0, 0, 0));
    objects[NULL_PEN] = stockPen(PS_NULL, 0);
    // The system font is a bold 16-pixel cell; the GUI font is "MS Shell Dlg" at 8 points.
    objects[SYSTEM_FONT] = stockFont(16, FW_BOLD, u"System");
    objects[ANSI_VAR_FONT] = stockFont(-12, FW_NORMAL, u"MS Sans Serif");
    objects[DEFAULT_GUI_FONT] = stockFont(-11, FW_NORMAL, u"MS Shell Dlg");
    objects[DC_BRUSH] = stockBrush(BS_SOLID, RGB(255, 255, 255), true);
    objects[DC_PEN] = stockPen(PS_SOLID, RGB(0, 0, 0), true);
    auto bitmap = std::make_unique<Bitmap>(1, 1, 1);
    bitmap->stock = true;
    defaultBitmap = AddGdi<HBITMAP>(std::move(bitmap));
  }
};

StockTable& stockTable() {
  static StockTable* table = new StockTable;
  return *table;
}

}  // namespace

HGDIOBJ StockObject(int index) {
  if (index < 0 || index > DC_PEN) return nullptr;
  return stockTable().objects[index];
}

HBITMAP DefaultBitmap() { return stockTable().defaultBitmap; }

}  // namespace win32
