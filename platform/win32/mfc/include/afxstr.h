// MFC's wide CString: a value string with resource loading and formatting.
#pragma once
#include <windows.h>

#include <string>
#include <string_view>

#define AFXAPI

class CStringW {
 public:
  CStringW() = default;
  CStringW(const WCHAR* text) : m_text(text != nullptr ? text : u"") {}
  CStringW(const WCHAR* text, int length) : m_text(text, static_cast<size_t>(length < 0 ? 0 : length)) {}
  CStringW(std::u16string_view text) : m_text(text) {}

  // From the string table of AfxFindStringResourceHandle(nID). FALSE, leaving the string empty, when no
  // module has the entry.
  BOOL LoadString(UINT nID);
  BOOL LoadString(HINSTANCE hInstance, UINT nID);
  // printf-style with the wide conventions (%s takes a wide string).
  void Format(const WCHAR* format, ...);

  int GetLength() const { return static_cast<int>(m_text.size()); }
  bool IsEmpty() const { return m_text.empty(); }
  void Empty() { m_text.clear(); }
  const WCHAR* GetString() const { return m_text.c_str(); }
  operator const WCHAR*() const { return m_text.c_str(); }
  WCHAR GetAt(int index) const { return m_text.at(static_cast<size_t>(index)); }
  // The last position of ch, or -1.
  int ReverseFind(WCHAR ch) const;
  CStringW Mid(int first) const;
  CStringW Left(int count) const;

  CStringW& operator+=(const CStringW& other) {
    m_text += other.m_text;
    return *this;
  }
  CStringW& operator+=(const WCHAR* text) {
    if (text != nullptr) m_text += text;
    return *this;
  }
  CStringW& operator+=(WCHAR ch) {
    m_text += ch;
    return *this;
  }
  friend CStringW operator+(CStringW left, const CStringW& right) { return left += right; }
  friend CStringW operator+(CStringW left, const WCHAR* right) { return left += right; }
  friend CStringW operator+(const WCHAR* left, const CStringW& right) { return CStringW(left) += right; }
  friend CStringW operator+(CStringW left, WCHAR right) { return left += right; }
  friend CStringW operator+(WCHAR left, const CStringW& right) { return CStringW(std::u16string(1, left)) += right; }
  friend bool operator==(const CStringW& left, const CStringW& right) { return left.m_text == right.m_text; }
  friend bool operator==(const CStringW& left, const WCHAR* right) { return left.m_text == (right ? right : u""); }

 private:
  std::u16string m_text;
};

typedef CStringW CString;
