// A device context (HDC): the drawing state and the surface it draws into. A memory DC draws into its selected
// bitmap; a surface DC draws into a surface it was given (a window's), and the screen DC only measures.
#pragma once
#include <cairo.h>

#include <optional>
#include <vector>

#include "gdi/gdi_object.h"
#include "wingdi.h"

namespace win32 {

struct Bitmap;
struct Font;
struct Pen;
struct Brush;

struct DcState {
  HFONT font = nullptr;
  HPEN pen = nullptr;
  HBRUSH brush = nullptr;
  HBITMAP bitmap = nullptr;
  COLORREF textColor = RGB(0, 0, 0);
  COLORREF bkColor = RGB(255, 255, 255);
  int bkMode = OPAQUE;
  UINT textAlign = TA_LEFT | TA_TOP | TA_NOUPDATECP;
  POINT position{0, 0};
  COLORREF dcBrushColor = RGB(255, 255, 255);
  COLORREF dcPenColor = RGB(0, 0, 0);
  int stretchMode = BLACKONWHITE;
  std::optional<RECT> clip;  // device coordinates; none: the whole surface
  int justifyExtra = 0;
  int justifyBreaks = 0;
};

enum class DcKind { Screen, Memory, Surface };

struct DeviceContext : GdiObject {
  static constexpr GdiKind Kind = GdiKind::Dc;
  DcKind dcKind;
  DcState state;
  std::vector<DcState> saved;
  cairo_surface_t* attached = nullptr;  // Surface DCs: the surface drawn into (referenced)

  explicit DeviceContext(DcKind k) : GdiObject(Kind), dcKind(k) {}
  ~DeviceContext() override;

  Font& font();
  Pen& pen();
  Brush& brush();
  Bitmap* bitmap();  // memory DCs: the selected bitmap
  COLORREF penColor();
  // The brush's colour, or nothing for a null brush.
  std::optional<COLORREF> brushColor(Brush& brush);

  // The surface to draw into and its size; null for the screen DC.
  cairo_surface_t* surface();
  int width();
  int height();
  // The clip box: the clip rectangle within the surface.
  RECT clipBox();
  // Before and after an operation that reads or draws the surface (DIB bits in and out).
  void beginAccess();
  void endWrite();
  // A cairo context clipped to the clip box; the caller destroys it and then calls endWrite().
  cairo_t* createCairo();
};

DeviceContext* FindDc(HDC hdc);
// The screen's DC (measuring only until windows draw), for GetDC(NULL).
HDC ScreenDc();
HDC CreateMemoryDc();
// A DC that draws into the given surface (a window's), for the window manager: an image surface of 4-byte
// pixels (CAIRO_FORMAT_RGB24), which the DC references until it is deleted.
HDC CreateSurfaceDc(cairo_surface_t* surface);

// The screen DC's size: the primary monitor's, which the window manager sets (1280x1024 until then).
int ScreenWidth();
int ScreenHeight();
void SetScreenSize(int width, int height);

}  // namespace win32
