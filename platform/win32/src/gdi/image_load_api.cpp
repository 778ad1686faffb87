// LoadImageW, LoadBitmapW, LoadIconW, LoadCursorW, CopyImage: bitmaps, icons and cursors from a module's
// resources or from files, decoded by the image formats' decoders.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <tuple>
#include <vector>

#include "gdi/bitmap.h"
#include "gdi/icon.h"
#include "gdi/image_resources.h"
#include "gdi/system_images.h"
#include "image_format/image_decode.h"
#include "loaded_objects.h"
#include "winbase.h"
#include "winuser.h"

using namespace win32;

namespace {

// Image files beyond this are refused rather than read into memory.
constexpr std::uintmax_t kMaxImageFileBytes = 64u << 20;

// A folder is no file to Windows either: it answers ERROR_ACCESS_DENIED.
bool readFile(LPCWSTR name, std::vector<uint8_t>& bytes) {
  const std::filesystem::path path = ToNativePath(name);
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(path, error);
  if (error || !std::filesystem::exists(status)) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    return false;
  }
  const std::uintmax_t size = std::filesystem::is_regular_file(status) ? std::filesystem::file_size(path, error) : 0;
  if (!std::filesystem::is_regular_file(status) || error) {
    SetLastError(ERROR_ACCESS_DENIED);
    return false;
  }
  if (size > kMaxImageFileBytes) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return false;
  }
  std::ifstream in(path, std::ios::binary);
  bytes.resize(static_cast<size_t>(size));
  if (!in || !in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()))) {
    SetLastError(ERROR_ACCESS_DENIED);
    return false;
  }
  return true;
}

// LR_LOADTRANSPARENT: the colour of the first pixel becomes the window colour.
void replaceFirstPixelColour(DecodedImage& image) {
  if (image.argb.empty()) return;
  uint32_t first = image.argb[0] & 0xFFFFFF;
  COLORREF window = GetSysColor(COLOR_WINDOW);
  uint32_t replacement = 0xFF000000 | GetRValue(window) << 16 | GetGValue(window) << 8 | GetBValue(window);
  for (uint32_t& p : image.argb)
    if ((p & 0xFFFFFF) == first) p = replacement;
}

HBITMAP bitmapOf(DecodedImage image, UINT fuLoad) {
  if (fuLoad & LR_LOADTRANSPARENT) replaceFirstPixelColour(image);
  // A bitmap without alpha keeps 0 in the fourth byte, as GDI's own 32-bit bitmaps have it.
  if (!image.hasAlpha)
    for (uint32_t& p : image.argb) p &= 0xFFFFFF;
  HBITMAP bitmap = BitmapFromArgb(image.width, image.height, image.argb.data(), fuLoad & LR_CREATEDIBSECTION);
  if (!bitmap) SetLastError(ERROR_NOT_ENOUGH_MEMORY);
  return bitmap;
}

HANDLE loadBitmap(HINSTANCE hInst, LPCWSTR name, UINT fuLoad) {
  std::optional<DecodedImage> image;
  if (fuLoad & LR_LOADFROMFILE) {
    std::vector<uint8_t> bytes;
    if (!readFile(name, bytes)) return nullptr;
    image = DecodeBmpFile(bytes.data(), bytes.size());
  } else {
    std::optional<ResourceBytes> resource = FindImageResource(hInst, name, RT_BITMAP);
    if (!resource) return nullptr;
    image = DecodePackedDib(resource->data, resource->size);
  }
  if (!image) {
    SetLastError(ERROR_INVALID_DATA);
    return nullptr;
  }
  return bitmapOf(std::move(*image), fuLoad);
}

// The size asked for: cx by cy, or with 0 the system size (LR_DEFAULTSIZE) or the image's own.
void sizeFor(int& cx, int& cy, UINT fuLoad) {
  if (fuLoad & LR_DEFAULTSIZE) {
    if (cx == 0) cx = kIconSize;
    if (cy == 0) cy = kIconSize;
  }
}

HANDLE loadIcon(HINSTANCE hInst, LPCWSTR name, bool cursor, int cx, int cy, UINT fuLoad) {
  sizeFor(cx, cy, fuLoad);
  std::optional<DecodedIcon> icon;
  if (fuLoad & LR_LOADFROMFILE) {
    std::vector<uint8_t> bytes;
    if (!readFile(name, bytes)) return nullptr;
    icon = DecodeIconFile(bytes.data(), bytes.size(), cx, cy);
    if (icon && cursor) {
      if (auto entry = PickIconFileEntry(bytes.data(), bytes.size(), cx, cy)) {
        icon->hotX = entry->hotX;
        icon->hotY = entry->hotY;
      }
    }
  } else {
    std::optional<ResourceBytes> group = FindImageResource(hInst, name, cursor ? RT_GROUP_CURSOR : RT_GROUP_ICON);
    if (!group) return nullptr;
    std::optional<IconDirectoryEntry> entry = PickIconGroupEntry(group->data, group->size, cx, cy);
    if (!entry) {
      SetLastError(ERROR_INVALID_DATA);
      return nullptr;
    }
    std::optional<ResourceBytes> image =
        FindImageResource(hInst, MAKEINTRESOURCEW(entry->offsetOrId), cursor ? RT_CURSOR : RT_ICON);
    if (!image) return nullptr;
    icon = DecodeIconImage(image->data, image->size, cursor);
  }
  if (!icon) {
    SetLastError(ERROR_INVALID_DATA);
    return nullptr;
  }
  IconPixels pixels = IconPixels::FromDecoded(icon->image);
  int width = cx ? cx : pixels.width, height = cy ? cy : pixels.height;
  int hotX = cursor ? icon->hotX * width / std::max(pixels.width, 1) : width / 2;
  int hotY = cursor ? icon->hotY * height / std::max(pixels.height, 1) : height / 2;
  return AddIcon(pixels.resized(width, height), !cursor, hotX, hotY, fuLoad & LR_SHARED);
}

// LR_SHARED images load once per module, name and type; such handles are the system's and never destroyed.
std::map<std::tuple<HINSTANCE, uintptr_t, UINT>, HANDLE>& sharedImages() {
  static auto* images = new std::map<std::tuple<HINSTANCE, uintptr_t, UINT>, HANDLE>;
  return *images;
}

}  // namespace

extern "C" HANDLE WINAPI LoadImageW(HINSTANCE hInst, LPCWSTR name, UINT type, int cx, int cy, UINT fuLoad) {
  if (!name || type > IMAGE_CURSOR) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  if (!hInst && !(fuLoad & LR_LOADFROMFILE) && type != IMAGE_BITMAP) {
    HICON system = SystemImage(name, type == IMAGE_CURSOR);
    if (!system) SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return system;
  }
  bool shared = (fuLoad & LR_SHARED) && IS_INTRESOURCE(name) && !(fuLoad & LR_LOADFROMFILE);
  auto key = std::make_tuple(hInst, reinterpret_cast<uintptr_t>(name), type);
  if (shared) {
    if (auto found = sharedImages().find(key); found != sharedImages().end()) return found->second;
  }
  HANDLE image = type == IMAGE_BITMAP ? loadBitmap(hInst, name, fuLoad)
                                      : loadIcon(hInst, name, type == IMAGE_CURSOR, cx, cy, fuLoad);
  if (image && shared) sharedImages().emplace(key, image);
  return image;
}

extern "C" HBITMAP WINAPI LoadBitmapW(HINSTANCE hInstance, LPCWSTR lpBitmapName) {
  return static_cast<HBITMAP>(LoadImageW(hInstance, lpBitmapName, IMAGE_BITMAP, 0, 0, 0));
}

extern "C" HICON WINAPI LoadIconW(HINSTANCE hInstance, LPCWSTR lpIconName) {
  return static_cast<HICON>(LoadImageW(hInstance, lpIconName, IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
}

extern "C" HCURSOR WINAPI LoadCursorW(HINSTANCE hInstance, LPCWSTR lpCursorName) {
  return static_cast<HCURSOR>(LoadImageW(hInstance, lpCursorName, IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
}

// A new bitmap (resized when cx, cy are given) or icon; the original stays the caller's.
extern "C" HANDLE WINAPI CopyImage(HANDLE h, UINT type, int cx, int cy, UINT flags) {
  if (type == IMAGE_BITMAP) {
    int width = 0, height = 0, bits = 0;
    std::vector<uint32_t> argb = BitmapArgb(static_cast<HBITMAP>(h), width, height, bits);
    if (argb.empty()) {
      SetLastError(ERROR_INVALID_HANDLE);
      return nullptr;
    }
    IconPixels pixels{width, height, argb, std::vector<uint8_t>(argb.size()), false};
    IconPixels sized = pixels.resized(cx ? cx : width, cy ? cy : height);
    return BitmapFromArgb(sized.width, sized.height, sized.color.data(), flags & LR_CREATEDIBSECTION);
  }
  Icon* icon = FindGdi<Icon>(h);
  if (!icon || (type != IMAGE_ICON && type != IMAGE_CURSOR)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  int width = cx ? cx : icon->pixels.width, height = cy ? cy : icon->pixels.height;
  return AddIcon(icon->pixels.resized(width, height), icon->isIcon, icon->hotX * width / icon->pixels.width,
                 icon->hotY * height / icon->pixels.height, false);
}
