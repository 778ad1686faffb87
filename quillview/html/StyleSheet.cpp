#include "html/StyleSheet.h"

#include "html/HtmlStyle.h"

namespace {

constexpr std::u16string_view kDefaultSheet =
    u"body {font-size: 10pt; color:black; font-family:Verdana}\r\n"
    u"p {font-size: 10pt; color:black; font-family:Verdana; font-weight:bold}\r\n"
    u"h1 {font-size: 14pt; color:black; font-family:Verdana; font-weight:bold}\r\n"
    u"h2 {font-size: 13pt; color:#ff9900; font-family:Verdana; font-weight:bold}\r\n"
    u"h3 {font-size: 12pt; color:#ff9900; font-family:Arial; font-weight:bold}\r\n"
    u"h4 {font-size: 10pt; color:black; font-family:Verdana; font-weight:bold}\r\n"
    u"h5 {font-size: 9pt; color:#ff9900; font-family:Verdana; font-weight:bold}\r\n"
    u"h6 {font-size: 65%; color:#626262; font-family:Verdana; font-weight:normal}\r\n"
    u"pre {font-size: 9pt; font-family:\"Courier\"; background-color:#fbedbb}\r\n"
    u"code {color:#990000; font-family:Arial}\r\n"
    u"a:link {text-decoration:none; color:blue}\r\n"
    u"a:hover {text-decoration:underline; color:blue}\r\n"
    u"sub {font-size:65%; vertical-align:bottom}\r\n"
    u"sup {font-size:65%; vertical-align:top}\r\n"
    u"big {font-size:125%}\r\n"
    u"small {font-size:75%}\r\n"
    u".cpp-comment {color:green; font-style:italic}\r\n";

bool StartsSelector(char16_t c) {
  return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'.';
}

}  // namespace

StyleSheet::StyleSheet() {
  Parse(kDefaultSheet);
}

void StyleSheet::SetEntry(std::u16string_view selector, std::u16string_view declarations) {
  m_entries.insert_or_assign(ToLowerAscii(selector), std::u16string(declarations));
}

void StyleSheet::Parse(std::u16string_view sheet) {
  m_text.assign(sheet);
  size_t i = 0;
  while (true) {
    while (i < sheet.size() && !StartsSelector(sheet[i])) ++i;
    if (i >= sheet.size()) return;
    const size_t start = i;
    while (i < sheet.size() && sheet[i] != u' ' && sheet[i] != u'{') ++i;
    const std::u16string_view selector = sheet.substr(start, i - start);
    const size_t open = sheet.find(u'{', i);
    if (open == std::u16string_view::npos) return;
    const size_t close = sheet.find(u'}', open + 1);
    const size_t end = close == std::u16string_view::npos ? sheet.size() : close;
    SetEntry(selector, sheet.substr(open + 1, end - open - 1));
    if (close == std::u16string_view::npos) return;
    i = close + 1;
  }
}

const std::u16string* StyleSheet::Find(std::u16string_view selector) const {
  const auto found = m_entries.find(selector);
  return found == m_entries.end() ? nullptr : &found->second;
}
