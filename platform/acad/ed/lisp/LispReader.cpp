#include "LispReader.h"

#include <charconv>
#include <cstdint>
#include <string>
#include <vector>

#include "LispError.h"
#include "LispNumberText.h"

namespace acadsim::lisp {
namespace {

// One list being read: its items so far, the quotes waiting for its next item, and a dotted tail.
struct OpenList {
  enum class Dot { None, Seen, TailRead };
  std::vector<Value> items;
  int quotes = 0;
  Dot dot = Dot::None;
  Value tail;
};

}  // namespace

std::optional<Value> ParseNumber(std::u16string_view text) {
  const NumberPrefix number = ScanNumber(text);
  if (number.length == 0 || number.length != text.size()) return std::nullopt;
  if (number.integral) {
    std::string ascii(text.begin() + (text[0] == u'+' ? 1 : 0), text.end());
    int32_t value = 0;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    // AutoLISP reads the digits before the sign, so -2147483648 is already too large and reads as a real.
    if (error == std::errc() && end == ascii.data() + ascii.size() && value != INT32_MIN) return Value(value);
  }
  return Value(RealOf(text));
}

Value Reader::atom(const std::u16string& text) {
  if (std::optional<Value> number = ParseNumber(text)) return *number;
  Symbol* symbol = m_symbols.intern(text);
  if (symbol->name == u"NIL") return Value();
  return symbol;
}

std::optional<Value> Reader::next() {
  std::vector<OpenList> open;
  int topQuotes = 0;
  for (;;) {
    Token token = m_lexer.next();
    Value datum;
    switch (token.kind) {
      case Token::Kind::End:
      case Token::Kind::UnterminatedComment:
        if (open.empty() && topQuotes == 0) return std::nullopt;
        Fail(u"malformed list on input");
      case Token::Kind::UnterminatedString:
        Fail(u"malformed string on input");
      case Token::Kind::Open:
        open.emplace_back();
        continue;
      case Token::Kind::Quote:
        ++(open.empty() ? topQuotes : open.back().quotes);
        continue;
      case Token::Kind::Dot:
        if (open.empty() || open.back().items.empty() || open.back().dot != OpenList::Dot::None ||
            open.back().quotes != 0)
          Fail(u"misplaced dot on input");
        open.back().dot = OpenList::Dot::Seen;
        continue;
      case Token::Kind::Close: {
        if (open.empty()) Fail(u"extra right paren on input");
        OpenList list = std::move(open.back());
        open.pop_back();
        if (list.dot == OpenList::Dot::Seen) Fail(u"misplaced dot on input");
        if (list.quotes != 0) Fail(u"malformed list on input");
        datum = std::move(list.tail);
        for (auto it = list.items.rbegin(); it != list.items.rend(); ++it) datum = MakeCons(std::move(*it), std::move(datum));
        break;
      }
      case Token::Kind::String:
        datum = MakeString(std::move(token.text));
        break;
      case Token::Kind::Atom:
        datum = atom(token.text);
        break;
    }
    for (int& quotes = open.empty() ? topQuotes : open.back().quotes; quotes > 0; --quotes)
      datum = MakeCons(m_symbols.quote(), MakeCons(std::move(datum), Value()));
    if (open.empty()) return datum;
    OpenList& list = open.back();
    if (list.dot == OpenList::Dot::TailRead) Fail(u"misplaced dot on input");
    if (list.dot == OpenList::Dot::Seen) {
      list.tail = std::move(datum);
      list.dot = OpenList::Dot::TailRead;
    } else {
      list.items.push_back(std::move(datum));
    }
  }
}

}  // namespace acadsim::lisp
