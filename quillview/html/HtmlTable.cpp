// Tables, laid out as a browser of their time does it:
// - cells are placed by rows on a grid, spans taking the next free positions (spans clamp to the grid's
//   bounds: at most kMaxColumns columns and the rows present);
// - a column is as wide as its widest single-column cell; a spanning cell wider than its columns spreads the
//   excess evenly over them; rows likewise by height; a table width or height (pixels, or per cent of the
//   wrap width) larger than that spreads its excess evenly;
// - a cell is its content plus cellpadding on each side plus a one-pixel inset border when border > 0;
//   cellspacing lies between cells and between cells and the outer border, which is `border` pixels wide,
//   lit at the top and left, shaded at the bottom and right.
#include <winuser.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "html/HtmlLayout.h"
#include "html/HtmlStyle.h"
#include "html/TagTable.h"

namespace {

constexpr int kMaxColumns = 1000;
constexpr int kMaxCellSpan = 1000;
constexpr int kMaxPixels = 1 << 20;

struct Cell {
  const HtmlToken* tag = nullptr;
  const HtmlToken* begin = nullptr;
  const HtmlToken* end = nullptr;
  int row = 0;
  int column = 0;
  int rowSpan = 1;
  int columnSpan = 1;
  SIZE content{};
};

struct Fill {
  int effect = kEffectTransparent;
  COLORREF start = 0, mid = 0, end = 0;
};

TagKind KindOf(const HtmlToken& token) { return token.isTag ? LookupTag(token.name).kind : TagKind::kUnknown; }

int Number(const HtmlAttributes& attributes, std::u16string_view name, int fallback, int low, int high) {
  const std::u16string_view* value = attributes.Find(name);
  if (value == nullptr) return fallback;
  StyleContext none;
  return std::clamp(LengthToPixels(*value, fallback, false, none), low, high);
}

class Table {
 public:
  Table(LayoutEnv& env, std::u16string_view attributes, const BlockArea& area)
      : m_env(env), m_area(area), m_attributes(attributes) {
    m_context.dc = env.dc;
    m_context.colours = env.colours;
    m_context.enabled = env.settings->enabled;
    m_context.disabledColour = GetSysColor(COLOR_BTNSHADOW);
    m_padding = Number(m_attributes, u"cellpadding", 1, 0, 1000);
    m_spacing = Number(m_attributes, u"cellspacing", 2, 0, 1000);
    m_border = Number(m_attributes, u"border", 0, 0, 1000);
    m_light = GetSysColor(COLOR_BTNHIGHLIGHT);
    m_dark = GetSysColor(COLOR_BTNSHADOW);
    if (ColourOf(m_attributes, u"bordercolor", m_light)) m_dark = m_light;
    ColourOf(m_attributes, u"bordercolorlight", m_light);
    ColourOf(m_attributes, u"bordercolordark", m_dark);
    if (const std::u16string_view* style = m_attributes.Find(u"borderstyle"))
      m_borderNone = ToLowerAscii(*style) == u"none";
  }

  void Collect(const HtmlToken* begin, const HtmlToken* end) {
    int depth = 0;
    size_t open = m_cells.size();  // the cell whose content runs, or none
    int row = -1;
    for (const HtmlToken* token = begin; token != end; ++token) {
      const TagKind kind = KindOf(*token);
      if (kind == TagKind::kTable) depth += token->closing ? -1 : 1;
      if (depth > 0 || (kind != TagKind::kRow && kind != TagKind::kCell)) continue;
      if (open < m_cells.size()) {
        m_cells[open].end = token;
        open = m_cells.size();
      }
      if (token->closing) continue;
      if (kind == TagKind::kRow || row < 0) ++row;
      if (kind == TagKind::kCell) {
        m_cells.push_back(Cell{token, token + 1, end, row});
        open = m_cells.size() - 1;
      }
    }
    m_rows = row + 1;
  }

  void Place() {
    std::vector<std::vector<bool>> taken(m_rows);
    for (Cell& cell : m_cells) {
      const HtmlAttributes attributes(cell.tag->rest);
      std::vector<bool>& row = taken[cell.row];
      int column = 0;
      while (column < static_cast<int>(row.size()) && row[column]) ++column;
      if (column >= kMaxColumns) {
        cell.columnSpan = 0;  // beyond the grid: not shown
        continue;
      }
      cell.column = column;
      cell.columnSpan = std::min(Number(attributes, u"colspan", 1, 1, kMaxCellSpan), kMaxColumns - column);
      cell.rowSpan = std::min(Number(attributes, u"rowspan", 1, 1, kMaxCellSpan), m_rows - cell.row);
      for (int r = cell.row; r < cell.row + cell.rowSpan; ++r) {
        if (static_cast<int>(taken[r].size()) < column + cell.columnSpan) taken[r].resize(column + cell.columnSpan);
        for (int c = column; c < column + cell.columnSpan; ++c) taken[r][c] = true;
      }
      m_columns = std::max(m_columns, column + cell.columnSpan);
    }
  }

  void Measure() {
    const bool drawing = m_env.drawing;
    m_env.drawing = false;
    for (Cell& cell : m_cells) {
      if (cell.columnSpan == 0) continue;
      cell.content = LayoutBlocks(m_env, cell.begin, cell.end, BlockArea{});
    }
    m_env.drawing = drawing;
    m_widths.assign(m_columns, 0);
    m_heights.assign(m_rows, 0);
    Spread(m_widths, m_spacing, [](const Cell& c) { return c.column; }, [](const Cell& c) { return c.columnSpan; },
           [&](const Cell& c) { return c.content.cx + Frame(); });
    Spread(m_heights, m_spacing, [](const Cell& c) { return c.row; }, [](const Cell& c) { return c.rowSpan; },
           [&](const Cell& c) { return c.content.cy + Frame(); });
    Stretch(m_widths, Dimension(m_attributes, u"width", m_area.maxWidth));
    Stretch(m_heights, Dimension(m_attributes, u"height", m_area.maxWidth));
  }

  SIZE Size() const {
    if (m_columns == 0) return SIZE{0, 0};
    return SIZE{Total(m_widths), Total(m_heights)};
  }

  void Draw() {
    const SIZE size = Size();
    if (size.cx == 0) return;
    int left = m_area.left;
    const std::u16string align = m_attributes.Find(u"align") ? ToLowerAscii(*m_attributes.Find(u"align")) : u"";
    if (align == u"center") left += std::max(0, (m_area.width - static_cast<int>(size.cx)) / 2);
    else if (align == u"right") left += std::max(0, m_area.width - static_cast<int>(size.cx));
    const RECT outer{left, m_area.top, left + size.cx, m_area.top + size.cy};
    RECT inner = outer;
    InflateRect(&inner, -m_border, -m_border);
    FillArea(inner, FillOf(m_attributes));
    TileBackground(inner);
    if (!m_borderNone) DrawBorder(outer, m_border, m_light, m_dark);

    const std::u16string tableValign =
        m_attributes.Find(u"valign") ? ToLowerAscii(*m_attributes.Find(u"valign")) : u"middle";
    const std::vector<int64_t> columns = Offsets(m_widths), rows = Offsets(m_heights);
    for (const Cell& cell : m_cells) {
      if (cell.columnSpan == 0) continue;
      const RECT box = CellBox(cell, outer, columns, rows);
      const HtmlAttributes attributes(cell.tag->rest);
      FillArea(box, FillOf(attributes));
      if (m_border > 0) DrawBorder(box, 1, m_dark, m_light);
      RECT area = box;
      InflateRect(&area, -Frame() / 2, -Frame() / 2);
      const std::u16string valign = attributes.Find(u"valign") ? ToLowerAscii(*attributes.Find(u"valign")) : tableValign;
      int top = area.top;
      const int spare = std::max(0, static_cast<int>(area.bottom - area.top - cell.content.cy));
      if (valign == u"middle" || valign == u"center") top += spare / 2;
      else if (valign == u"bottom") top += spare;
      BlockArea content{area.left, top, static_cast<int>(area.right - area.left), 0, CellAlign(attributes)};
      LayoutBlocks(m_env, cell.begin, cell.end, content);
    }
  }

 private:
  int Frame() const { return 2 * (m_padding + (m_border > 0 ? 1 : 0)); }

  int Total(const std::vector<int>& sizes) const {
    int64_t total = 2 * m_border + static_cast<int64_t>(m_spacing) * (static_cast<int64_t>(sizes.size()) + 1);
    for (int size : sizes) total += size;
    return static_cast<int>(std::min<int64_t>(total, kMaxPixels));
  }

  // A table's width or height: pixels, or a per cent of the wrap width (none without one).
  static int Dimension(const HtmlAttributes& attributes, std::u16string_view name, int percentOf) {
    const std::u16string_view* value = attributes.Find(name);
    if (value == nullptr || value->empty() || (value->back() == u'%' && percentOf <= 0)) return 0;
    StyleContext none;
    return std::clamp(LengthToPixels(*value, percentOf, false, none), 0, kMaxPixels);
  }

  // Sizes of the columns (or rows) from the cells: single ones first, then spans spread their excess.
  template <typename Start, typename Span, typename Need>
  void Spread(std::vector<int>& sizes, int spacing, Start start, Span span, Need need) {
    for (const Cell& cell : m_cells)
      if (span(cell) == 1) sizes[start(cell)] = std::max(sizes[start(cell)], std::min(need(cell), kMaxPixels));
    for (const Cell& cell : m_cells) {
      const int count = span(cell);
      if (count <= 1) continue;
      int64_t have = static_cast<int64_t>(spacing) * (count - 1);
      for (int i = start(cell); i < start(cell) + count; ++i) have += sizes[i];
      const int64_t excess = std::min<int64_t>(need(cell), kMaxPixels) - have;
      if (excess <= 0) continue;
      for (int i = 0; i < count; ++i)
        sizes[start(cell) + i] += static_cast<int>(excess / count + (i < excess % count ? 1 : 0));
    }
  }

  void Stretch(std::vector<int>& sizes, int wanted) const {
    const int64_t excess = static_cast<int64_t>(wanted) - Total(sizes);
    if (excess <= 0 || sizes.empty()) return;
    const int64_t count = static_cast<int64_t>(sizes.size());
    for (int64_t i = 0; i < count; ++i) sizes[i] += static_cast<int>(excess / count + (i < excess % count ? 1 : 0));
  }

  // Where each column (row) starts, from the outer left (top), and where the last one ends: kept as sums so
  // that a cell's box costs the same in the last row of a long table as in the first.
  std::vector<int64_t> Offsets(const std::vector<int>& sizes) const {
    std::vector<int64_t> offsets(sizes.size() + 1);
    offsets[0] = m_border + m_spacing;
    for (size_t i = 0; i < sizes.size(); ++i) offsets[i + 1] = offsets[i] + sizes[i] + m_spacing;
    return offsets;
  }

  RECT CellBox(const Cell& cell, const RECT& outer, const std::vector<int64_t>& columns,
               const std::vector<int64_t>& rows) const {
    auto at = [](int64_t origin, int64_t offset) { return static_cast<int>(std::min<int64_t>(origin + offset, kMaxPixels)); };
    const int64_t right = columns[cell.column + cell.columnSpan] - m_spacing;
    const int64_t bottom = rows[cell.row + cell.rowSpan] - m_spacing;
    return RECT{at(outer.left, columns[cell.column]), at(outer.top, rows[cell.row]), at(outer.left, right),
                at(outer.top, bottom)};
  }

  static int CellAlign(const HtmlAttributes& attributes) {
    const std::u16string_view* align = attributes.Find(u"align");
    if (align == nullptr) return kAlignLeft;
    const std::u16string value = ToLowerAscii(*align);
    if (value == u"center") return kAlignCenter;
    if (value == u"right") return kAlignRight;
    if (value == u"justify") return kAlignJustify;
    return kAlignLeft;
  }

  bool ColourOf(const HtmlAttributes& attributes, std::u16string_view name, COLORREF& colour) const {
    const std::u16string_view* value = attributes.Find(name);
    return value != nullptr && ParseColour(ToLowerAscii(*value), colour, m_context);
  }

  // bgcolor alone is a solid fill; bgeffect names another, from bgcolor over bgmidcolor to bgendcolor.
  Fill FillOf(const HtmlAttributes& attributes) const {
    Fill fill;
    const bool hasColour = ColourOf(attributes, u"bgcolor", fill.start);
    fill.mid = fill.end = fill.start;
    ColourOf(attributes, u"bgmidcolor", fill.mid);
    ColourOf(attributes, u"bgendcolor", fill.end);
    if (hasColour) fill.effect = kEffectSolid;
    if (const std::u16string_view* effect = attributes.Find(u"bgeffect")) fill.effect = EffectNumber(*effect, fill.effect);
    return fill;
  }

  static int EffectNumber(std::u16string_view value, int fallback) {
    static constexpr std::u16string_view kNames[] = {u"solid",     u"hgradient",  u"vgradient", u"hcgradient",
                                                     u"vcgradient", u"3hgradient", u"3vgradient", u"noise",
                                                     u"diagshade", u"hshade",     u"vshade",    u"hbump",
                                                     u"vbump",     u"softbump",   u"hardbump",  u"metal"};
    const std::u16string name = ToLowerAscii(value);
    if (name == u"transparent") return kEffectTransparent;
    for (size_t i = 0; i < std::size(kNames); ++i)
      if (name == kNames[i]) return static_cast<int>(i);
    if (name.empty() || !((name[0] >= u'0' && name[0] <= u'9') || name[0] == u'-')) return fallback;
    StyleContext none;
    const int number = LengthToPixels(name, 0, false, none);
    return name[0] == u'-' ? -number : number;
  }

  void FillArea(const RECT& rect, const Fill& fill) {
    if (fill.effect == kEffectTransparent || IsRectEmpty(&rect)) return;
    CDrawManager(m_env.dc).FillEffect(rect, fill.effect, fill.start, fill.mid, fill.end);
  }

  // The background attribute: an image file, tiled over the table.
  void TileBackground(const RECT& rect) {
    const std::u16string_view* file = m_attributes.Find(u"background");
    if (file == nullptr || IsRectEmpty(&rect)) return;
    const std::u16string path(*file);
    auto bitmap = static_cast<HBITMAP>(LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
    BITMAP info{};
    if (bitmap == nullptr || GetObjectW(bitmap, sizeof(info), &info) == 0 || info.bmWidth <= 0 || info.bmHeight == 0) {
      if (bitmap != nullptr) DeleteObject(bitmap);
      return;
    }
    const int height = std::abs(info.bmHeight);
    HDC source = CreateCompatibleDC(m_env.dc);
    HGDIOBJ previous = SelectObject(source, bitmap);
    const int saved = SaveDC(m_env.dc);
    IntersectClipRect(m_env.dc, rect.left, rect.top, rect.right, rect.bottom);
    for (int y = rect.top; y < rect.bottom; y += height)
      for (int x = rect.left; x < rect.right; x += info.bmWidth)
        BitBlt(m_env.dc, x, y, info.bmWidth, height, source, 0, 0, SRCCOPY);
    RestoreDC(m_env.dc, saved);
    SelectObject(source, previous);
    DeleteDC(source);
    DeleteObject(bitmap);
  }

  // A border of width pixels: top and left in the first colour, bottom and right in the second.
  void DrawBorder(const RECT& rect, int width, COLORREF topLeft, COLORREF bottomRight) {
    if (width <= 0) return;
    HBRUSH lit = CreateSolidBrush(topLeft), shaded = CreateSolidBrush(bottomRight);
    for (int i = 0; i < width && rect.left + 2 * i < rect.right && rect.top + 2 * i < rect.bottom; ++i) {
      const RECT top{rect.left + i, rect.top + i, rect.right - i, rect.top + i + 1};
      const RECT left{rect.left + i, rect.top + i, rect.left + i + 1, rect.bottom - i};
      const RECT bottom{rect.left + i, rect.bottom - i - 1, rect.right - i, rect.bottom - i};
      const RECT right{rect.right - i - 1, rect.top + i, rect.right - i, rect.bottom - i};
      FillRect(m_env.dc, &top, lit);
      FillRect(m_env.dc, &left, lit);
      FillRect(m_env.dc, &bottom, shaded);
      FillRect(m_env.dc, &right, shaded);
    }
    DeleteObject(lit);
    DeleteObject(shaded);
  }

  LayoutEnv& m_env;
  const BlockArea m_area;
  const HtmlAttributes m_attributes;
  StyleContext m_context;
  int m_padding = 1, m_spacing = 2, m_border = 0;
  COLORREF m_light = 0, m_dark = 0;
  bool m_borderNone = false;
  std::vector<Cell> m_cells;
  int m_rows = 0;
  int m_columns = 0;
  std::vector<int> m_widths;
  std::vector<int> m_heights;
};

}  // namespace

SIZE LayoutTable(LayoutEnv& env, std::u16string_view attributes, const HtmlToken* begin, const HtmlToken* end,
                 const BlockArea& area) {
  Table table(env, attributes, area);
  table.Collect(begin, end);
  table.Place();
  table.Measure();
  if (env.drawing) table.Draw();
  return table.Size();
}
