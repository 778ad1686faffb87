#include "html/HtmlImages.h"

#include <commctrl.h>
#include <winuser.h>

#include <algorithm>
#include <string>

#include "host/ModuleInstance.h"
#include "html/HtmlStyle.h"
#include "html/HtmlTokenizer.h"

namespace {

constexpr int kMaxImageSide = 4096;  // pixels a markup image may be stretched to

UINT_PTR NumberOf(const std::u16string_view* value) {
  if (value == nullptr) return 0;
  StyleContext none;
  return static_cast<UINT_PTR>(std::max(0, LengthToPixels(*value, 0, false, none)));
}

// A handle value as markup writes it: decimal or "0x" hexadecimal, all its bits (a handle is no length);
// a value too large for a handle is none.
HANDLE HandleOf(const std::u16string_view* value) {
  uint64_t handle = 0;
  if (value == nullptr || !ReadUnsignedNumber(TrimBlanks(*value), handle)) return nullptr;
  return reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(handle));
}

// The module an iddll/srcdll pair names, loaded as data while the image is read.
class SourceModule {
 public:
  explicit SourceModule(const HtmlAttributes& attributes) {
    const std::u16string_view* dll = attributes.Find(u"srcdll");
    if (dll == nullptr) {
      m_module = ModuleInstance();
      return;
    }
    const std::u16string path(*dll);
    m_module = GetModuleHandleW(path.c_str());
    if (m_module == nullptr) {
      m_module = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
      m_loaded = m_module != nullptr;
    }
    if (m_module == nullptr) m_failed = true;
  }
  ~SourceModule() {
    if (m_loaded) FreeLibrary(m_module);
  }
  SourceModule(const SourceModule&) = delete;
  SourceModule& operator=(const SourceModule&) = delete;
  HMODULE Handle() const { return m_module; }
  bool Failed() const { return m_failed; }

 private:
  HMODULE m_module = nullptr;
  bool m_loaded = false;
  bool m_failed = false;
};

// The resource id of idres, or of iddll when a source module is named.
UINT ResourceId(const HtmlAttributes& attributes) {
  const std::u16string_view* id = attributes.Find(attributes.Find(u"srcdll") ? u"iddll" : u"idres");
  return static_cast<UINT>(NumberOf(id) & 0xFFFF);
}

HANDLE LoadSource(const HtmlAttributes& attributes, UINT type, bool& owned) {
  owned = true;
  if (const std::u16string_view* file = attributes.Find(u"file")) {
    const std::u16string path(*file);
    return LoadImageW(nullptr, path.c_str(), type, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION);
  }
  if (attributes.Find(u"idres") || attributes.Find(u"iddll")) {
    SourceModule module(attributes);
    const UINT id = ResourceId(attributes);
    if (module.Failed() || id == 0) return nullptr;
    return LoadImageW(module.Handle(), MAKEINTRESOURCEW(id), type, 0, 0, LR_CREATEDIBSECTION);
  }
  owned = false;
  return HandleOf(attributes.Find(u"handle"));
}

void ReadLooks(const HtmlAttributes& attributes, const StyleContext& context, HtmlImage& image) {
  auto letters = [](const std::u16string_view* value, ImageLook& look) {
    if (value == nullptr) return;
    for (char16_t c : *value) {
      if (c == u'g' || c == u'G') look.grey = true;
      if (c == u'd' || c == u'D') look.darker = true;
      if (c == u'l' || c == u'L') look.lighter = true;
      if (c == u's' || c == u'S') look.shadow = true;
    }
  };
  if (const std::u16string_view* mask = attributes.Find(u"mask")) {
    // The transparent colour is the image's own, greyed or not.
    StyleContext exact = context;
    exact.enabled = true;
    image.look.hasMask = ParseColour(ToLowerAscii(*mask), image.look.mask, exact);
  }
  image.hotLook = image.look;
  letters(attributes.Find(u"style"), image.look);
  const std::u16string_view* hot = attributes.Find(u"hotstyle");
  letters(hot != nullptr ? hot : attributes.Find(u"style"), image.hotLook);
}

bool BitmapSize(HBITMAP bitmap, SIZE& size) {
  BITMAP info{};
  // A handle from the markup may name anything: only a bitmap is read as one.
  if (bitmap == nullptr || GetObjectType(bitmap) != OBJ_BITMAP || GetObjectW(bitmap, sizeof(info), &info) == 0)
    return false;
  size = SIZE{info.bmWidth, std::abs(info.bmHeight)};
  return size.cx > 0 && size.cy > 0;
}

bool IconSize(HICON icon, SIZE& size) {
  ICONINFO info{};
  if (icon == nullptr || !GetIconInfo(icon, &info)) return false;
  BITMAP bitmap{};
  const bool colour = info.hbmColor != nullptr;
  GetObjectW(colour ? info.hbmColor : info.hbmMask, sizeof(bitmap), &bitmap);
  size = SIZE{bitmap.bmWidth, colour ? bitmap.bmHeight : bitmap.bmHeight / 2};
  if (info.hbmColor) DeleteObject(info.hbmColor);
  if (info.hbmMask) DeleteObject(info.hbmMask);
  return size.cx > 0 && size.cy > 0;
}

// One image of a list: from a list handle, or the index-th cx-wide part of a strip bitmap. An animated list
// (speed) shows its index image only: the scope window paints once and never animates.
bool LoadListImage(const HtmlAttributes& attributes, HtmlImage& image) {
  const int index = static_cast<int>(std::min<UINT_PTR>(NumberOf(attributes.Find(u"index")), 1 << 20));
  if (attributes.Find(u"handle") && !attributes.Find(u"file") && !attributes.Find(u"idres") &&
      !attributes.Find(u"iddll")) {
    auto list = static_cast<HIMAGELIST>(HandleOf(attributes.Find(u"handle")));
    if (list == nullptr || index >= ImageList_GetImageCount(list)) return false;
    image.icon = ImageList_GetIcon(list, index, ILD_TRANSPARENT);
    image.owned = true;
    return IconSize(image.icon, image.size);
  }
  bool owned = false;
  image.bitmap = static_cast<HBITMAP>(LoadSource(attributes, IMAGE_BITMAP, owned));
  image.owned = owned;
  SIZE strip{};
  if (!BitmapSize(image.bitmap, strip)) return false;
  const int cy = std::clamp(static_cast<int>(NumberOf(attributes.Find(u"cy"))), 0, static_cast<int>(strip.cy));
  const int height = cy > 0 ? cy : strip.cy;
  const int cx = std::clamp(static_cast<int>(NumberOf(attributes.Find(u"cx"))), 0, static_cast<int>(strip.cx));
  const int width = cx > 0 ? cx : std::min(height, static_cast<int>(strip.cx));
  const int perRow = std::max(1, static_cast<int>(strip.cx) / width);
  const int column = index % perRow, row = index / perRow;
  if ((row + 1) * height > strip.cy) return false;
  image.source = RECT{column * width, row * height, (column + 1) * width, (row + 1) * height};
  image.size = SIZE{width, height};
  return true;
}

}  // namespace

HtmlImage::~HtmlImage() {
  if (!owned) return;
  if (bitmap != nullptr) DeleteObject(bitmap);
  if (icon != nullptr) DestroyIcon(icon);
}

std::shared_ptr<HtmlImage> LoadHtmlImage(TagKind kind, const HtmlAttributes& attributes, const StyleContext& context) {
  auto image = std::make_shared<HtmlImage>();
  bool loaded = false;
  if (kind == TagKind::kImageList) {
    loaded = LoadListImage(attributes, *image);
  } else if (kind == TagKind::kIcon) {
    bool owned = false;
    image->icon = static_cast<HICON>(LoadSource(attributes, IMAGE_ICON, owned));
    image->owned = owned;
    loaded = IconSize(image->icon, image->size);
  } else {
    bool owned = false;
    image->bitmap = static_cast<HBITMAP>(LoadSource(attributes, IMAGE_BITMAP, owned));
    image->owned = owned;
    loaded = BitmapSize(image->bitmap, image->size);
    image->source = RECT{0, 0, image->size.cx, image->size.cy};
  }
  if (!loaded) return nullptr;
  // Width and height are lengths, or per cents of the image's own size.
  image->size.cx = std::clamp(LengthToPixels(attributes.Find(u"width") ? *attributes.Find(u"width") : u"",
                                             image->size.cx, false, context),
                              0, kMaxImageSide);
  image->size.cy = std::clamp(LengthToPixels(attributes.Find(u"height") ? *attributes.Find(u"height") : u"",
                                             image->size.cy, false, context),
                              0, kMaxImageSide);
  ReadLooks(attributes, context, *image);
  return image;
}

void DrawHtmlImage(HDC dc, const HtmlImage& image, int x, int y, bool hot, const ShadowSettings& shadow) {
  CDrawManager manager(dc);
  const RECT target{x, y, x + image.size.cx, y + image.size.cy};
  const ImageLook& look = hot ? image.hotLook : image.look;
  if (image.icon != nullptr) manager.DrawIcon(image.icon, target, look, shadow);
  else manager.DrawBitmap(image.bitmap, image.source, target, look, shadow);
}

std::u16string LoadHtmlString(const HtmlAttributes& attributes) {
  if (!attributes.Find(u"idres") && !attributes.Find(u"iddll")) return {};
  SourceModule module(attributes);
  const UINT id = ResourceId(attributes);
  if (module.Failed()) return {};
  WCHAR buffer[4096];
  const int length = LoadStringW(module.Handle(), id, buffer, static_cast<int>(std::size(buffer)));
  return std::u16string(buffer, std::max(length, 0));
}
