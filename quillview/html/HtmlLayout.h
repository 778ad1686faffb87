// One engine for both passes: text parts and tables laid out one below the other, measured or drawn.
#pragma once
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "html/DrawManager.h"
#include "html/HtmlTokenizer.h"

class ColourNames;
class HtmlFonts;
class StyleSheet;
struct HtmlImage;
struct HtmlStyle;

// Extents and positions of a pass stay within this, so a sum of a few of them never overflows.
constexpr int kMaxExtent = 1 << 28;
inline int AddExtent(int a, int b) {
  return static_cast<int>(std::clamp<int64_t>(int64_t{a} + b, -kMaxExtent, kMaxExtent));
}

struct RendererSettings {
  int maxWidth = 0;
  bool lineFeedsAsBreaks = true;
  int tabWidth = 32;
  bool enabled = true;
  ShadowSettings shadow;
};

// Where a link was drawn; a link may cover several areas.
struct LinkArea {
  RECT rect;
  int link = -1;  // the link's number in the text
};

// Everything one pass shares: the device, the renderer's tables and what the drawing pass records.
struct LayoutEnv {
  HDC dc = nullptr;
  bool drawing = false;
  const RendererSettings* settings = nullptr;
  const StyleSheet* sheet = nullptr;
  const ColourNames* colours = nullptr;
  HtmlFonts* fonts = nullptr;
  std::map<std::u16string, std::shared_ptr<HtmlImage>>* images = nullptr;  // by tag, for both passes
  std::vector<LinkArea>* links = nullptr;            // filled by the drawing pass
  std::vector<std::u16string>* linkTargets = nullptr;  // by link number: the href, or the msg of a message link
  int hotLink = -1;                        // the link under the mouse, drawn in "a:hover"
  int nextLink = 0;
  int tableDepth = 0;
};

// Where a run of blocks goes: its left and top, the width lines align in (drawing), the wrap width (0 none)
// and the horizontal alignment a table cell imposes (-1 none).
struct BlockArea {
  int left = 0;
  int top = 0;
  int width = 0;
  int maxWidth = 0;
  int cellAlign = -1;
};

// The default style overlaid with the sheet's "body": where every part starts.
HtmlStyle PartBaseStyle(const LayoutEnv& env);

SIZE LayoutBlocks(LayoutEnv& env, const HtmlToken* begin, const HtmlToken* end, const BlockArea& area);
// One run of text, without tables.
SIZE LayoutTextPart(LayoutEnv& env, const HtmlToken* begin, const HtmlToken* end, const BlockArea& area);
// One table: its attribute text and the tokens between its tags.
SIZE LayoutTable(LayoutEnv& env, std::u16string_view attributes, const HtmlToken* begin, const HtmlToken* end,
                 const BlockArea& area);
