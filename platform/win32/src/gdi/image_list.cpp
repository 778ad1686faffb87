// Image lists (commctrl.h): same-sized images, each with its mask or alpha, drawn as icons are.
#include <memory>
#include <vector>

#include "commctrl.h"
#include "gdi/icon.h"
#include "winbase.h"
#include "winuser.h"

using namespace win32;

namespace {

struct ImageList : GdiObject {
  static constexpr GdiKind Kind = GdiKind::ImageList;
  int cx, cy;
  UINT flags;
  std::vector<IconPixels> images;
  ImageList(int w, int h, UINT f) : GdiObject(Kind), cx(w), cy(h), flags(f) {}
  bool masked() const { return flags & ILC_MASK; }
};

// Cuts a bitmap into images of the list's width; a 32-bit list takes the alpha a 32-bit bitmap carries.
std::vector<IconPixels> cut(const ImageList& list, HBITMAP image, HBITMAP mask, std::optional<COLORREF> maskColor) {
  int width = 0, height = 0, bits = 0;
  std::vector<uint32_t> argb = BitmapArgb(image, width, height, bits);
  if (argb.empty() || width < list.cx) return {};
  int maskWidth = 0, maskHeight = 0, maskBits = 0;
  std::vector<uint32_t> maskPixels = mask ? BitmapArgb(mask, maskWidth, maskHeight, maskBits) : std::vector<uint32_t>();
  bool alpha = false;
  if ((list.flags & 0xFE) == ILC_COLOR32 && bits == 32)
    for (uint32_t p : argb) alpha |= (p >> 24) != 0;
  uint32_t keyed = maskColor ? (GetRValue(*maskColor) << 16 | GetGValue(*maskColor) << 8 | GetBValue(*maskColor)) : 0;
  std::vector<IconPixels> images;
  for (int first = 0; first + list.cx <= width; first += list.cx) {
    IconPixels icon;
    icon.width = list.cx;
    icon.height = list.cy;
    icon.hasAlpha = alpha;
    icon.color.assign(static_cast<size_t>(list.cx) * list.cy, 0);
    icon.mask.assign(icon.color.size(), 0);
    for (int y = 0; y < std::min(list.cy, height); ++y) {
      for (int x = 0; x < list.cx; ++x) {
        uint32_t p = argb[static_cast<size_t>(y) * width + first + x];
        bool transparent = alpha && (p >> 24) == 0;
        if (maskColor) transparent |= (p & 0xFFFFFF) == keyed;
        else if (!maskPixels.empty() && first + x < maskWidth && y < maskHeight)
          transparent |= list.masked() && (maskPixels[static_cast<size_t>(y) * maskWidth + first + x] & 0xFFFFFF) != 0;
        icon.mask[y * list.cx + x] = transparent;
        icon.color[y * list.cx + x] = transparent ? 0 : alpha ? p : (p | 0xFF000000);
      }
    }
    images.push_back(std::move(icon));
  }
  return images;
}

int append(ImageList& list, std::vector<IconPixels> images) {
  if (images.empty()) return -1;
  int first = static_cast<int>(list.images.size());
  for (IconPixels& image : images) list.images.push_back(std::move(image));
  return first;
}

}  // namespace

extern "C" HIMAGELIST WINAPI ImageList_Create(int cx, int cy, UINT flags, int, int) {
  if (cx <= 0 || cy <= 0) return nullptr;
  return AddGdi<HIMAGELIST>(std::make_unique<ImageList>(cx, cy, flags));
}

extern "C" BOOL WINAPI ImageList_Destroy(HIMAGELIST himl) {
  if (!FindGdi<ImageList>(himl)) return FALSE;
  RemoveGdiObject(himl);
  return TRUE;
}

extern "C" int WINAPI ImageList_Add(HIMAGELIST himl, HBITMAP hbmImage, HBITMAP hbmMask) {
  ImageList* list = FindGdi<ImageList>(himl);
  return list ? append(*list, cut(*list, hbmImage, hbmMask, std::nullopt)) : -1;
}

extern "C" int WINAPI ImageList_AddMasked(HIMAGELIST himl, HBITMAP hbmImage, COLORREF crMask) {
  ImageList* list = FindGdi<ImageList>(himl);
  if (!list) return -1;
  std::optional<COLORREF> key;
  if (list->masked() && crMask != CLR_NONE) key = crMask;
  return append(*list, cut(*list, hbmImage, nullptr, key));
}

// Index -1 appends.
extern "C" int WINAPI ImageList_ReplaceIcon(HIMAGELIST himl, int i, HICON hicon) {
  ImageList* list = FindGdi<ImageList>(himl);
  Icon* icon = FindGdi<Icon>(hicon);
  if (!list || !icon || i < -1 || i >= static_cast<int>(list->images.size())) return -1;
  IconPixels image = icon->pixels.resized(list->cx, list->cy);
  if (i == -1) {
    list->images.push_back(std::move(image));
    return static_cast<int>(list->images.size()) - 1;
  }
  list->images[i] = std::move(image);
  return i;
}

extern "C" int WINAPI ImageList_GetImageCount(HIMAGELIST himl) {
  ImageList* list = FindGdi<ImageList>(himl);
  return list ? static_cast<int>(list->images.size()) : 0;
}

extern "C" BOOL WINAPI ImageList_GetIconSize(HIMAGELIST himl, int* cx, int* cy) {
  ImageList* list = FindGdi<ImageList>(himl);
  if (!list || !cx || !cy) return FALSE;
  *cx = list->cx;
  *cy = list->cy;
  return TRUE;
}

// ILD_MASK draws the mask; otherwise the image over what is there where it is masked or transparent.
extern "C" BOOL WINAPI ImageList_Draw(HIMAGELIST himl, int i, HDC hdcDst, int x, int y, UINT fStyle) {
  ImageList* list = FindGdi<ImageList>(himl);
  DeviceContext* dc = FindDc(hdcDst);
  if (!list || !dc || i < 0 || i >= static_cast<int>(list->images.size())) return FALSE;
  UINT parts = fStyle & ILD_MASK ? DI_MASK : DI_NORMAL;
  DrawIconPixels(*dc, x, y, list->cx, list->cy, list->images[i], parts);
  return TRUE;
}

extern "C" HICON WINAPI ImageList_GetIcon(HIMAGELIST himl, int i, UINT) {
  ImageList* list = FindGdi<ImageList>(himl);
  if (!list || i < 0 || i >= static_cast<int>(list->images.size())) return nullptr;
  return AddIcon(list->images[i], true, list->cx / 2, list->cy / 2, false);
}

// A bitmap strip (cut at cx; crMask keys out its transparent colour) or one icon or cursor.
extern "C" HIMAGELIST WINAPI ImageList_LoadImageW(HINSTANCE hi, LPCWSTR lpbmp, int cx, int cGrow, COLORREF crMask,
                                                  UINT uType, UINT uFlags) {
  HANDLE image = LoadImageW(hi, lpbmp, uType, uType == IMAGE_BITMAP ? 0 : cx, uType == IMAGE_BITMAP ? 0 : cx,
                            uFlags & ~LR_SHARED);
  if (!image) return nullptr;
  UINT flags = ILC_COLOR32 | (crMask != CLR_NONE || uType != IMAGE_BITMAP ? ILC_MASK : 0);
  HIMAGELIST himl = nullptr;
  if (uType == IMAGE_BITMAP) {
    BITMAP bm{};
    GetObjectW(image, sizeof bm, &bm);
    int width = cx > 0 ? cx : bm.bmHeight;
    himl = ImageList_Create(width, bm.bmHeight, flags, 0, cGrow);
    if (himl) ImageList_AddMasked(himl, static_cast<HBITMAP>(image), crMask);
    DeleteObject(image);
  } else {
    Icon* icon = FindGdi<Icon>(image);
    int size = cx > 0 ? cx : icon->pixels.width;
    himl = ImageList_Create(size, size, flags, 1, cGrow);
    if (himl) ImageList_ReplaceIcon(himl, -1, static_cast<HICON>(image));
    DestroyIcon(static_cast<HICON>(image));
  }
  return himl;
}
