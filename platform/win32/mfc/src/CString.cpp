#include <afxstr.h>
#include <afxwin.h>
#include <qvwide.h>

#include <cstdarg>

BOOL CStringW::LoadString(UINT nID) { return LoadString(AfxFindStringResourceHandle(nID), nID); }

BOOL CStringW::LoadString(HINSTANCE hInstance, UINT nID) {
  m_text.clear();
  if (hInstance == nullptr) return FALSE;
  // A zero buffer size hands out the resource text itself, of any length.
  const WCHAR* text = nullptr;
  const int length = LoadStringW(hInstance, nID, reinterpret_cast<LPWSTR>(&text), 0);
  if (length <= 0 || text == nullptr) return FALSE;
  m_text.assign(text, static_cast<size_t>(length));
  return TRUE;
}

void CStringW::Format(const WCHAR* format, ...) {
  va_list args;
  va_start(args, format);
  m_text = format != nullptr ? VFormatW(format, args) : std::u16string();
  va_end(args);
}

int CStringW::ReverseFind(WCHAR ch) const {
  const size_t at = m_text.rfind(ch);
  return at == std::u16string::npos ? -1 : static_cast<int>(at);
}

CStringW CStringW::Mid(int first) const {
  if (first < 0) first = 0;
  if (static_cast<size_t>(first) >= m_text.size()) return CStringW();
  return CStringW(std::u16string_view(m_text).substr(static_cast<size_t>(first)));
}

CStringW CStringW::Left(int count) const {
  if (count <= 0) return CStringW();
  return CStringW(std::u16string_view(m_text).substr(0, static_cast<size_t>(count)));
}
