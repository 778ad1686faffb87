#include "html/HtmlPreprocess.h"

#include <string_view>

namespace {

struct Entity {
  std::u16string_view name;
  std::u16string_view replacement;
};

// Applied in this order; "&lt;" becomes the escape of a literal "<", which the tokeniser reads back.
constexpr Entity kEntities[] = {
    {u"&amp;", u"&"},        {u"&bull;", u"\u2022"}, {u"&copy;", u"\u00a9"},  {u"&euro;", u"\u20ac"},
    {u"&gt;", u">"},         {u"&iquest;", u"\u00bf"}, {u"&lt;", u"<<"},      {u"&nbsp;", u" "},
    {u"&para;", u"\u00b6"},  {u"&pound;", u"\u00a3"}, {u"&quot;", u"\""},     {u"&reg;", u"\u00ae"},
    {u"&trade;", u"\u2122"},
};

void ReplaceAll(std::u16string& text, std::u16string_view from, std::u16string_view to) {
  if (text.find(from) == std::u16string::npos) return;
  std::u16string result;
  result.reserve(text.size());
  size_t start = 0;
  for (size_t at = text.find(from); at != std::u16string::npos; at = text.find(from, start)) {
    result.append(text, start, at - start).append(to);
    start = at + from.size();
  }
  result.append(text, start, std::u16string::npos);
  text.swap(result);
}

}  // namespace

std::u16string PreprocessMarkup(std::u16string text, bool lineFeedsAsBreaks) {
  for (const Entity& entity : kEntities) ReplaceAll(text, entity.name, entity.replacement);
  std::u16string result;
  result.reserve(text.size() + 16);
  for (char16_t c : text) {
    if (c == u'\r') continue;
    if (c == u'\n') {
      if (lineFeedsAsBreaks) result += u"<br>";
    } else if (c == u'\t') {
      if (lineFeedsAsBreaks) result += u"<t>";
    } else {
      result += c;
    }
  }
  return result;
}
