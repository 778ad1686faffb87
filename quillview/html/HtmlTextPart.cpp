// The line layout of one run of text: styles from tags, pieces in lines, wrapping, alignment, drawing.
#include <winuser.h>

#include <algorithm>
#include <cstdint>

#include "html/HtmlFonts.h"
#include "html/HtmlImages.h"
#include "html/HtmlLayout.h"
#include "html/HtmlStyle.h"
#include "html/StyleSheet.h"
#include "html/TagTable.h"

namespace {

constexpr int kMaxRepeat = 1000;  // breaks of one <br n>, tab stops of one <t n>
constexpr int kRuleMargin = 8;    // a rule's line is its thickness plus this
constexpr int kDefaultRuleThickness = 2;
constexpr std::u16string_view kBreakCharacters = u" -.,!:;)}]?";

enum class PieceKind { kText, kSpace, kImage, kRule };

struct Piece {
  PieceKind kind = PieceKind::kText;
  int x = 0;  // from the start of the line
  int width = 0;
  int height = 0;
  int ascent = 0;
  int verticalAlign = kAlignBaseline;
  std::u16string text;
  HFONT font = nullptr;
  COLORREF textColour = 0;
  COLORREF backColour = 0;
  int backMode = TRANSPARENT;
  bool overline = false;
  int blanks = 0;
  std::shared_ptr<HtmlImage> image;
  int link = -1;
  // Rules: the thickness, a per cent of the line's width (or -1 for a fixed width), and the colour.
  int thickness = 0;
  int percent = -1;
  bool etched = true;
  COLORREF colour = 0;
};

bool IsBreakCharacter(char16_t c) { return kBreakCharacters.find(c) != std::u16string_view::npos; }
bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }

class TextPart {
 public:
  TextPart(LayoutEnv& env, const BlockArea& area) : m_env(env), m_area(area), m_style(PartBaseStyle(env)) {
    if (area.cellAlign >= 0) m_style.horizontalAlign = area.cellAlign;
    m_context.dc = env.dc;
    m_context.colours = env.colours;
    m_context.enabled = env.settings->enabled;
    m_context.disabledColour = GetSysColor(COLOR_BTNSHADOW);
    ApplyStyle();
  }

  void Run(const HtmlToken* begin, const HtmlToken* end) {
    for (const HtmlToken* token = begin; token != end; ++token) {
      if (token->isTag) OnTag(*token);
      else AddText(TransformText(token->text, m_style.textTransform));
    }
  }

  SIZE Finish() {
    if (!m_line.empty()) EndLine(false);
    return SIZE{m_width, m_height};
  }

 private:
  void ApplyStyle() {
    m_font = &m_env.fonts->Select(m_env.dc, m_style);
    m_context.fontHeight = m_font->metrics.tmHeight;
    m_context.xHeight = m_font->xHeight;
  }

  void Push(int group) { m_stack.push_back(Saved{m_style, group, m_link}); }

  void Pop(int group) {
    if (m_stack.empty() || m_stack.back().group != group) return;
    m_style = std::move(m_stack.back().style);
    m_link = m_stack.back().link;
    m_stack.pop_back();
    ApplyStyle();
  }

  void ApplySheet(std::u16string_view selector) {
    if (const std::u16string* declarations = m_env.sheet->Find(selector))
      ApplyDeclarations(m_style, *declarations, m_context);
  }

  void OnTag(const HtmlToken& token) {
    const TagInfo& tag = LookupTag(token.name);
    if (tag.kind == TagKind::kUnknown) return;
    if (tag.group != kNoGroup) {
      if (token.closing) return Pop(tag.group);
      Push(tag.group);
      ChangeStyle(tag, token);
      return ApplyStyle();
    }
    if (token.closing) return;
    const HtmlAttributes attributes(token.rest);
    switch (tag.kind) {
      case TagKind::kBreak:
        for (int i = std::clamp(attributes.Count(1), 1, kMaxRepeat); i > 0; --i) EndLine(false);
        break;
      case TagKind::kTab:
        AddTab(std::clamp(attributes.Count(1), 1, kMaxRepeat));
        break;
      case TagKind::kRule:
        AddRule(attributes);
        break;
      case TagKind::kBitmap:
      case TagKind::kIcon:
      case TagKind::kImageList:
        AddImage(tag.kind, token);
        break;
      case TagKind::kString:
        AddText(TransformText(LoadHtmlString(attributes), m_style.textTransform));
        break;
      default:
        break;  // table, row and cell tags outside a table are ignored
    }
  }

  void ChangeStyle(const TagInfo& tag, const HtmlToken& token) {
    switch (tag.kind) {
      case TagKind::kBold:
        m_style.weight = std::min(m_style.weight * 2, static_cast<int>(FW_HEAVY));
        break;
      case TagKind::kItalic:
        m_style.italic = !m_style.italic;
        break;
      case TagKind::kUnderline:
        m_style.underline = !m_style.underline;
        break;
      case TagKind::kStrikeout:
        m_style.strikeout = !m_style.strikeout;
        break;
      case TagKind::kHorizontalAlign:
        m_style.horizontalAlign = tag.value;
        break;
      case TagKind::kVerticalAlign:
        m_style.verticalAlign = tag.value;
        break;
      case TagKind::kSheet:
        ApplySheet(token.name);
        break;
      case TagKind::kSpan: {
        const HtmlAttributes attributes(token.rest);
        if (const std::u16string_view* name = attributes.Find(u"class")) ApplySheet(u"." + ToLowerAscii(*name));
        break;
      }
      case TagKind::kLink:
        m_link = m_env.nextLink++;
        ApplySheet(m_link == m_env.hotLink ? u"a:hover" : u"a:link");
        RecordLinkTarget(HtmlAttributes(token.rest));
        break;
      case TagKind::kFont:
        ApplyFontTag(HtmlAttributes(token.rest));
        break;
      default:
        break;
    }
  }

  void RecordLinkTarget(const HtmlAttributes& attributes) {
    const std::u16string_view* target = attributes.Find(u"href");
    if (target == nullptr) target = attributes.Find(u"msg");
    m_env.linkTargets->emplace_back(target != nullptr ? *target : std::u16string_view());
  }

  void ApplyFontTag(const HtmlAttributes& attributes) {
    if (const std::u16string_view* face = attributes.Find(u"face"); face && !face->empty()) SetFace(m_style, *face);
    if (const std::u16string_view* size = attributes.Find(u"size"))
      m_style.fontSize = ClampFontSize(LengthToPixels(ToLowerAscii(*size), m_style.fontSize, true, m_context));
    if (const std::u16string_view* colour = attributes.Find(u"color"))
      ParseColour(ToLowerAscii(*colour), m_style.textColour, m_context);
    if (const std::u16string_view* weight = attributes.Find(u"weight"))
      ApplyDeclarations(m_style, u"font-weight:" + std::u16string(*weight), m_context);
    if (const std::u16string_view* background = attributes.Find(u"bkgnd")) {
      const std::u16string value = ToLowerAscii(*background);
      if (value.empty() || value == u"transparent") m_style.backMode = TRANSPARENT;
      else if (ParseColour(value, m_style.backColour, m_context)) m_style.backMode = OPAQUE;
    }
    if (const std::u16string_view* letters = attributes.Find(u"style")) ApplyStyleLetters(*letters);
  }

  // Letters, each set ("+", the default) or cleared ("-"): b bold, i italic, u underline, s strikeout, o overline.
  void ApplyStyleLetters(std::u16string_view letters) {
    bool set = true;
    for (char16_t c : letters) {
      if (c == u'+' || c == u'-') {
        set = c == u'+';
        continue;
      }
      switch (c) {
        case u'b': m_style.weight = set ? FW_BOLD : FW_NORMAL; break;
        case u'i': m_style.italic = set; break;
        case u'u': m_style.underline = set; break;
        case u's': m_style.strikeout = set; break;
        case u'o': m_style.overline = set; break;
        default: break;
      }
      set = true;
    }
  }

  Piece StyledPiece(PieceKind kind) const {
    Piece piece;
    piece.kind = kind;
    piece.verticalAlign = m_style.verticalAlign;
    piece.font = m_font->handle;
    piece.textColour = m_style.textColour;
    piece.backColour = m_style.backColour;
    piece.backMode = m_style.backMode;
    piece.overline = m_style.overline;
    piece.link = m_link;
    piece.height = m_font->metrics.tmHeight;
    piece.ascent = m_font->metrics.tmAscent;
    return piece;
  }

  void Append(Piece piece) {
    if (m_line.empty()) m_lineAlign = m_style.horizontalAlign;
    piece.x = m_lineWidth;
    m_lineWidth = AddExtent(m_lineWidth, piece.width);
    m_line.push_back(std::move(piece));
    m_afterWrap = false;
  }

  void AppendText(std::u16string_view text) {
    if (text.empty()) return;
    Piece piece = StyledPiece(PieceKind::kText);
    piece.text.assign(text);
    SIZE extent{};
    GetTextExtentPoint32W(m_env.dc, piece.text.c_str(), static_cast<int>(piece.text.size()), &extent);
    piece.width = extent.cx;
    piece.blanks = static_cast<int>(std::count(piece.text.begin(), piece.text.end(), u' '));
    Append(std::move(piece));
  }

  // Wraps at the break characters when a maximum width is set; see the comment of each case.
  void AddText(std::u16string text) {
    std::u16string_view rest = text;
    const int maxWidth = m_area.maxWidth;
    if (maxWidth <= 0) return AppendText(rest);
    std::vector<INT> extents(rest.size());
    SIZE whole{};
    GetTextExtentExPointW(m_env.dc, rest.data(), static_cast<int>(rest.size()), 0, nullptr, extents.data(), &whole);
    size_t start = 0;  // of rest within text, so extents[i] - extents[start - 1] is the width of rest up to i
    auto widthUpTo = [&](size_t index) { return extents[index] - (start > 0 ? extents[start - 1] : 0); };
    while (start < text.size()) {
      if (m_afterWrap) {
        while (start < text.size() && text[start] == u' ') ++start;
        if (start == text.size()) return;
      }
      rest = std::u16string_view(text).substr(start);
      const int room = maxWidth - m_lineWidth;
      if (widthUpTo(text.size() - 1) <= room) return AppendText(rest);
      // The longest prefix ending in a break character that fits, its trailing blanks left out; blanks past
      // the room still count, since they are left out.
      size_t cut = std::u16string_view::npos, visibleEnd = start;
      for (size_t i = start; i < text.size(); ++i) {
        if (text[i] != u' ' && widthUpTo(i) > room) break;
        if (!IsBreakCharacter(text[i])) continue;
        cut = i;
        visibleEnd = i + 1;
        while (visibleEnd > start && text[visibleEnd - 1] == u' ') --visibleEnd;
      }
      if (cut != std::u16string_view::npos) {
        AppendText(std::u16string_view(text).substr(start, visibleEnd - start));
        start = cut + 1;
        EndLine(true);
        continue;
      }
      if (!m_line.empty()) {
        EndLine(true);  // the whole word moves to the next line
        continue;
      }
      // Alone on its line and too wide: cut after the last character that fits, at least one.
      size_t fit = start;
      while (fit < text.size() && widthUpTo(fit) <= room) ++fit;
      if (fit == start) fit = start + 1;
      if (fit < text.size() && IsHighSurrogate(text[fit - 1])) fit = fit > start + 1 ? fit - 1 : fit + 1;
      AppendText(std::u16string_view(text).substr(start, fit - start));
      start = fit;
      EndLine(true);
    }
  }

  void AddTab(int stops) {
    const int tab = std::max(1, m_env.settings->tabWidth);
    const int64_t target = (static_cast<int64_t>(m_lineWidth) / tab + stops) * tab;
    Piece piece = StyledPiece(PieceKind::kSpace);
    piece.width = static_cast<int>(std::clamp<int64_t>(target - m_lineWidth, 0, kMaxExtent));
    Append(std::move(piece));
  }

  void AddImage(TagKind kind, const HtmlToken& token) {
    std::u16string key(token.name);
    key.append(token.rest);
    auto [found, inserted] = m_env.images->try_emplace(key);
    if (inserted) found->second = LoadHtmlImage(kind, HtmlAttributes(token.rest), m_context);
    if (found->second == nullptr) return;
    Piece piece = StyledPiece(PieceKind::kImage);
    piece.image = found->second;
    piece.width = piece.image->size.cx;
    piece.height = piece.ascent = piece.image->size.cy;
    Append(std::move(piece));
  }

  void AddRule(const HtmlAttributes& attributes) {
    if (!m_line.empty()) EndLine(false);
    HtmlStyle ruleStyle = m_style;
    const std::u16string* entry = m_env.sheet->Find(u"hr");
    if (entry != nullptr) ApplyDeclarations(ruleStyle, *entry, m_context);
    Piece piece = StyledPiece(PieceKind::kRule);
    piece.thickness = ruleStyle.borderWidth > 0 ? ruleStyle.borderWidth : kDefaultRuleThickness;
    if (const std::u16string_view* size = attributes.Find(u"size"))
      piece.thickness = std::clamp(LengthToPixels(*size, piece.thickness, false, m_context), 1, 1 << 12);
    piece.etched = entry == nullptr;
    piece.colour = ruleStyle.textColour;
    if (const std::u16string_view* colour = attributes.Find(u"color"))
      piece.etched = !ParseColour(ToLowerAscii(*colour), piece.colour, m_context) && piece.etched;
    const std::u16string_view* width = attributes.Find(u"width");
    const std::u16string widthText = width != nullptr ? ToLowerAscii(*width) : u"100%";
    if (!widthText.empty() && widthText.back() == u'%') {
      piece.percent = std::clamp(LengthToPixels(widthText, 100, false, m_context), 0, 100);
      piece.width = m_area.maxWidth > 0 ? MulDiv(m_area.maxWidth, piece.percent, 100) : 0;
    } else {
      piece.width = std::clamp(LengthToPixels(widthText, 0, false, m_context), 0, 1 << 16);
    }
    piece.height = piece.thickness + kRuleMargin;
    piece.verticalAlign = kAlignTop;
    m_lineAlign = ruleStyle.horizontalAlign;
    m_line.push_back(std::move(piece));
    m_lineWidth = m_line.back().width;
    EndLine(false);
  }

  // Ends the line: empty lines count only once something follows them.
  void EndLine(bool wrapped) {
    if (m_line.empty()) {
      m_pendingHeight = AddExtent(m_pendingHeight, m_font->metrics.tmHeight);
      m_afterWrap = wrapped;
      return;
    }
    int ascent = 0, descent = 0, height = 0;
    for (const Piece& piece : m_line) {
      if (piece.verticalAlign == kAlignBaseline) {
        ascent = std::max(ascent, piece.ascent);
        descent = std::max(descent, piece.height - piece.ascent);
      } else {
        height = std::max(height, piece.height);
      }
    }
    height = std::max(height, ascent + descent);
    m_height = AddExtent(m_height, m_pendingHeight);
    m_pendingHeight = 0;
    if (m_env.drawing) DrawLine(m_area.top + m_height, height, ascent, wrapped);
    m_height = AddExtent(m_height, height);
    m_width = std::max(m_width, m_lineWidth);
    m_line.clear();
    m_lineWidth = 0;
    m_afterWrap = wrapped;
  }

  void DrawLine(int top, int height, int baseline, bool wrapped) {
    HDC dc = m_env.dc;
    int lineWidth = m_lineWidth;
    for (Piece& piece : m_line)
      if (piece.kind == PieceKind::kRule && piece.percent >= 0) lineWidth = piece.width = MulDiv(m_area.width, piece.percent, 100);
    int left = m_area.left;
    const int spare = std::max(0, m_area.width - lineWidth);
    if (m_lineAlign == kAlignCenter) left += spare / 2;
    else if (m_lineAlign == kAlignRight) left += spare;
    // Justified lines are those the wrapping ended: the spare width goes to their blanks.
    int blanks = 0;
    if (m_lineAlign == kAlignJustify && wrapped)
      for (const Piece& piece : m_line) blanks += piece.blanks;
    int extraLeft = blanks > 0 ? spare : 0, blanksLeft = blanks, shift = 0;
    for (const Piece& piece : m_line) {
      int y = top;
      if (piece.verticalAlign == kAlignBaseline) y = top + baseline - piece.ascent;
      else if (piece.verticalAlign == kAlignBottom) y = top + height - piece.height;
      else if (piece.verticalAlign == kAlignMiddle) y = top + (height - piece.height) / 2;
      const int x = left + piece.x + shift;
      int extra = 0;
      if (piece.blanks > 0 && blanksLeft > 0) {
        extra = static_cast<int>(static_cast<int64_t>(extraLeft) * piece.blanks / blanksLeft);
        extraLeft -= extra;
        blanksLeft -= piece.blanks;
      }
      DrawPiece(dc, piece, x, y, top, height, extra);
      if (piece.link >= 0 && m_env.links != nullptr)
        m_env.links->push_back(LinkArea{RECT{x, top, x + piece.width + extra, top + height}, piece.link});
      shift += extra;
    }
  }

  void DrawPiece(HDC dc, const Piece& piece, int x, int y, int lineTop, int lineHeight, int extra) {
    switch (piece.kind) {
      case PieceKind::kText: {
        SelectObject(dc, piece.font);
        SetBkMode(dc, piece.backMode);
        SetTextColor(dc, piece.textColour);
        SetBkColor(dc, piece.backColour);
        if (extra > 0) SetTextJustification(dc, extra, piece.blanks);
        TextOutW(dc, x, y, piece.text.c_str(), static_cast<int>(piece.text.size()));
        if (extra > 0) SetTextJustification(dc, 0, 0);
        if (piece.overline) {
          const RECT line{x, y, x + piece.width + extra, y + 1};
          HBRUSH brush = CreateSolidBrush(piece.textColour);
          FillRect(dc, &line, brush);
          DeleteObject(brush);
        }
        break;
      }
      case PieceKind::kSpace:
        if (piece.backMode == OPAQUE) {
          const RECT cell{x, y, x + piece.width, y + piece.height};
          HBRUSH brush = CreateSolidBrush(piece.backColour);
          FillRect(dc, &cell, brush);
          DeleteObject(brush);
        }
        break;
      case PieceKind::kImage:
        DrawHtmlImage(dc, *piece.image, x, y, piece.link >= 0 && piece.link == m_env.hotLink, m_env.settings->shadow);
        break;
      case PieceKind::kRule:
        DrawRule(dc, piece, x, lineTop + (lineHeight - piece.thickness) / 2);
        break;
    }
  }

  // A rule in its colour, or etched as Windows draws separators: shadow above, highlight below.
  static void DrawRule(HDC dc, const Piece& piece, int x, int y) {
    if (piece.width <= 0) return;
    if (!piece.etched) {
      HBRUSH brush = CreateSolidBrush(piece.colour);
      const RECT rule{x, y, x + piece.width, y + piece.thickness};
      FillRect(dc, &rule, brush);
      DeleteObject(brush);
      return;
    }
    const int upper = (piece.thickness + 1) / 2;
    const RECT shadow{x, y, x + piece.width, y + upper};
    const RECT light{x, y + upper, x + piece.width, y + piece.thickness};
    FillRect(dc, &shadow, GetSysColorBrush(COLOR_BTNSHADOW));
    FillRect(dc, &light, GetSysColorBrush(COLOR_BTNHIGHLIGHT));
  }

  struct Saved {
    HtmlStyle style;
    int group;
    int link;
  };

  LayoutEnv& m_env;
  const BlockArea m_area;
  HtmlStyle m_style;
  StyleContext m_context;
  const HtmlFont* m_font = nullptr;
  std::vector<Saved> m_stack;
  int m_link = -1;

  std::vector<Piece> m_line;
  int m_lineWidth = 0;
  int m_lineAlign = kAlignLeft;
  bool m_afterWrap = false;

  int m_width = 0;
  int m_height = 0;
  int m_pendingHeight = 0;
};

}  // namespace

SIZE LayoutTextPart(LayoutEnv& env, const HtmlToken* begin, const HtmlToken* end, const BlockArea& area) {
  if (begin == end) return SIZE{0, 0};
  TextPart part(env, area);
  part.Run(begin, end);
  return part.Finish();
}
