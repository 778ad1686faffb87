// The images of the bmp, icon and ilst tags: where they come from, their size and look, and their drawing.
#pragma once
#include <windows.h>

#include <memory>
#include <string_view>

#include "html/DrawManager.h"
#include "html/TagTable.h"

class HtmlAttributes;
struct StyleContext;

struct HtmlImage {
  HBITMAP bitmap = nullptr;  // a bitmap, or the strip of an image list
  HICON icon = nullptr;      // an icon, or the image taken from an image list handle
  bool owned = false;        // made here, so deleted here
  RECT source{};             // the part of the bitmap shown
  SIZE size{};               // as drawn
  ImageLook look;
  ImageLook hotLook;         // while the mouse is over its link
  ~HtmlImage();
};

// The image a tag names, or null when its source cannot be loaded (nothing is drawn then).
std::shared_ptr<HtmlImage> LoadHtmlImage(TagKind kind, const HtmlAttributes& attributes, const StyleContext& context);
void DrawHtmlImage(HDC dc, const HtmlImage& image, int x, int y, bool hot, const ShadowSettings& shadow);

// The string resource a string tag names, or empty.
std::u16string LoadHtmlString(const HtmlAttributes& attributes);
