#include "LispLexer.h"

namespace acadsim::lisp {
namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f' || c == u'\v'; }
bool EndsAtom(char16_t c) { return IsBlank(c) || c == u'(' || c == u')' || c == u'\'' || c == u'"' || c == u';'; }
bool IsOctal(char16_t c) { return c >= u'0' && c <= u'7'; }

}  // namespace

bool Lexer::skipBlanksAndComments() {
  while (m_pos < m_source.size()) {
    const char16_t c = m_source[m_pos];
    if (IsBlank(c)) {
      ++m_pos;
    } else if (c == u';' && m_pos + 1 < m_source.size() && m_source[m_pos + 1] == u'|') {
      const size_t close = m_source.find(u"|;", m_pos + 2);
      if (close == std::u16string_view::npos) {
        m_pos = m_source.size();
        return false;
      }
      m_pos = close + 2;
    } else if (c == u';') {
      const size_t eol = m_source.find(u'\n', m_pos);
      m_pos = eol == std::u16string_view::npos ? m_source.size() : eol + 1;
    } else {
      return true;
    }
  }
  return true;
}

Token Lexer::next() {
  if (!skipBlanksAndComments()) return {Token::Kind::UnterminatedComment, {}};
  if (m_pos >= m_source.size()) return {Token::Kind::End, {}};
  const char16_t c = m_source[m_pos];
  switch (c) {
    case u'(': ++m_pos; return {Token::Kind::Open, {}};
    case u')': ++m_pos; return {Token::Kind::Close, {}};
    case u'\'': ++m_pos; return {Token::Kind::Quote, {}};
    case u'"': return readString();
    default: break;
  }
  const size_t start = m_pos;
  while (m_pos < m_source.size() && !EndsAtom(m_source[m_pos])) ++m_pos;
  std::u16string text(m_source.substr(start, m_pos - start));
  if (text == u".") return {Token::Kind::Dot, {}};
  return {Token::Kind::Atom, std::move(text)};
}

Token Lexer::readString() {
  ++m_pos;
  std::u16string text;
  while (m_pos < m_source.size()) {
    const char16_t c = m_source[m_pos++];
    if (c == u'"') return {Token::Kind::String, std::move(text)};
    if (c != u'\\') {
      text += c;
      continue;
    }
    if (m_pos >= m_source.size()) break;
    text += readEscape();
  }
  return {Token::Kind::UnterminatedString, {}};
}

// After a backslash: \n \t \r \e, up to three octal digits, or the character itself (\\ and \" among them).
char16_t Lexer::readEscape() {
  const char16_t c = m_source[m_pos++];
  switch (c) {
    case u'n': return u'\n';
    case u't': return u'\t';
    case u'r': return u'\r';
    case u'e': return 27;
    default: break;
  }
  if (!IsOctal(c)) return c;
  unsigned code = c - u'0';
  for (int digits = 1; digits < 3 && m_pos < m_source.size() && IsOctal(m_source[m_pos]); ++digits)
    code = code * 8 + (m_source[m_pos++] - u'0');
  return static_cast<char16_t>(code);
}

}  // namespace acadsim::lisp
