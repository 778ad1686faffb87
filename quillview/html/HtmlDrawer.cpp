#include "html/HtmlDrawer.h"

#include <winuser.h>

#include <algorithm>
#include <map>
#include <vector>

#include "html/ColourNames.h"
#include "html/HtmlFonts.h"
#include "html/HtmlImages.h"
#include "html/HtmlLayout.h"
#include "html/HtmlPreprocess.h"
#include "html/StyleSheet.h"

namespace {

constexpr UINT kLinkCursorId = 106;

// The hand for links: the one of the Windows help program when it can be had, else the system's.
HCURSOR LoadLinkCursor() {
  WCHAR folder[MAX_PATH] = {};
  const UINT length = GetWindowsDirectoryW(folder, MAX_PATH);
  if (length > 0 && length < MAX_PATH - 14) {
    const std::u16string path = std::u16string(folder, length) + u"\\winhlp32.exe";
    if (HMODULE help = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {
      HCURSOR hand = LoadCursorW(help, MAKEINTRESOURCEW(kLinkCursorId));
      HCURSOR copy = hand != nullptr ? static_cast<HCURSOR>(CopyImage(hand, IMAGE_CURSOR, 0, 0, 0)) : nullptr;
      FreeLibrary(help);
      if (copy != nullptr) return copy;
    }
  }
  return LoadCursorW(nullptr, IDC_HAND);
}

}  // namespace

struct CHtmlDrawer::Impl {
  RendererSettings settings;
  ::StyleSheet sheet;
  ColourNames colours;
  HtmlFonts fonts;
  HCURSOR linkCursor = LoadLinkCursor();
  std::u16string text;                  // preprocessed, of the last MeasureText
  std::vector<HtmlToken> tokens;        // views into text
  std::map<std::u16string, std::shared_ptr<HtmlImage>> images;
  std::vector<LinkArea> links;             // of the last drawing pass
  std::vector<std::u16string> linkTargets;  // of the last pass, by link number
  int hotLink = -1;

  SIZE Pass(HDC dc, bool drawing, const RECT& rect) {
    LayoutEnv env;
    env.dc = dc;
    env.drawing = drawing;
    env.settings = &settings;
    env.sheet = &sheet;
    env.colours = &colours;
    env.fonts = &fonts;
    env.images = &images;
    env.links = &links;
    env.linkTargets = &linkTargets;
    linkTargets.clear();
    env.hotLink = hotLink;
    const HtmlToken* begin = tokens.data();
    const HtmlToken* end = tokens.data() + tokens.size();
    const int64_t width = std::clamp<int64_t>(int64_t{rect.right} - rect.left, 0, kMaxExtent);
    const BlockArea area{std::clamp<int>(rect.left, -kMaxExtent, kMaxExtent), std::clamp<int>(rect.top, -kMaxExtent, kMaxExtent),
                         static_cast<int>(width), settings.maxWidth, -1};
    const SIZE size = LayoutBlocks(env, begin, end, area);
    fonts.EndPass(dc);
    return size;
  }
};

CHtmlDrawer::CHtmlDrawer() : m_impl(std::make_unique<Impl>()) {}

CHtmlDrawer::~CHtmlDrawer() {
  if (m_impl->linkCursor != nullptr) DestroyCursor(m_impl->linkCursor);
}

void CHtmlDrawer::SetStyleEntry(const std::u16string& selector, const std::u16string& declarations) {
  m_impl->sheet.SetEntry(selector, declarations);
}

void CHtmlDrawer::SetStyleSheet(const std::u16string& sheet) { m_impl->sheet.Parse(sheet); }

const std::u16string& CHtmlDrawer::StyleSheet() const { return m_impl->sheet.Text(); }

void CHtmlDrawer::SetMaxWidth(int pixels) { m_impl->settings.maxWidth = std::clamp(pixels, 0, kMaxExtent); }
void CHtmlDrawer::SetLineFeedsAsBreaks(bool on) { m_impl->settings.lineFeedsAsBreaks = on; }
void CHtmlDrawer::SetTabWidth(int pixels) { m_impl->settings.tabWidth = std::clamp(pixels, 1, kMaxExtent); }
void CHtmlDrawer::SetEnabled(bool on) { m_impl->settings.enabled = on; }
void CHtmlDrawer::SetShadow(const ShadowSettings& shadow) { m_impl->settings.shadow = shadow; }

void CHtmlDrawer::MeasureText(HDC dc, const std::u16string& text, SIZE& size) {
  size = SIZE{0, 0};
  SetTextJustification(dc, 0, 0);
  m_impl->images.clear();
  m_impl->links.clear();  // the areas of another text
  m_impl->tokens.clear();
  m_impl->text = text.empty() ? std::u16string() : PreprocessMarkup(text, m_impl->settings.lineFeedsAsBreaks);
  m_impl->tokens = TokenizeMarkup(m_impl->text);
  if (!m_impl->tokens.empty()) size = m_impl->Pass(dc, false, RECT{0, 0, 0, 0});
  if (size.cx <= 0 && size.cy <= 0) {
    // Nothing visible: the text is emptied and measures 0 by 0, so nothing is drawn.
    m_impl->text.clear();
    m_impl->tokens.clear();
    size = SIZE{0, 0};
    return;
  }
  if (m_impl->settings.maxWidth > 0) size.cx = std::min<LONG>(size.cx, m_impl->settings.maxWidth);
  size.cx += 1;
  size.cy += 1;
}

void CHtmlDrawer::DrawMeasuredText(HDC dc, const RECT& rect) {
  if (m_impl->tokens.empty()) return;
  m_impl->links.clear();
  const int savedMode = GetBkMode(dc);
  const COLORREF savedText = GetTextColor(dc), savedBack = GetBkColor(dc);
  m_impl->Pass(dc, true, rect);
  SetBkMode(dc, savedMode);
  SetTextColor(dc, savedText);
  SetBkColor(dc, savedBack);
}

void CHtmlDrawer::SetMousePoint(POINT point) {
  m_impl->hotLink = -1;
  for (const LinkArea& link : m_impl->links)
    if (PtInRect(&link.rect, point)) m_impl->hotLink = link.link;
}

const std::u16string* CHtmlDrawer::LinkAt(POINT point) const {
  for (const LinkArea& link : m_impl->links)
    if (PtInRect(&link.rect, point) && link.link >= 0 && link.link < static_cast<int>(m_impl->linkTargets.size()))
      return &m_impl->linkTargets[link.link];
  return nullptr;
}

HCURSOR CHtmlDrawer::LinkCursor() const { return m_impl->linkCursor; }
