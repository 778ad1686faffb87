// A memory DC holding a bitmap for the scope of one transfer.
#pragma once
#include <windows.h>

class CDibSelectedBitmap {
 public:
  CDibSelectedBitmap(HDC compatible, HBITMAP bitmap) : m_dc(CreateCompatibleDC(compatible)) {
    if (m_dc) m_previous = SelectObject(m_dc, bitmap);
  }
  ~CDibSelectedBitmap() {
    if (!m_dc) return;
    if (m_previous) SelectObject(m_dc, m_previous);
    DeleteDC(m_dc);
  }
  CDibSelectedBitmap(const CDibSelectedBitmap&) = delete;
  CDibSelectedBitmap& operator=(const CDibSelectedBitmap&) = delete;
  // Null when the DC could not be made or the bitmap not selected (it may be selected elsewhere).
  HDC Dc() const { return m_previous ? m_dc : nullptr; }

 private:
  HDC m_dc;
  HGDIOBJ m_previous = nullptr;
};
