#include <dbhandle.h>

AcDbHandle::AcDbHandle(const ACHAR* text) { *this = text; }

AcDbHandle& AcDbHandle::operator=(const ACHAR* text) {
  mValue = 0;
  if (text == nullptr) return *this;
  Adesk::UInt64 value = 0;
  int digits = 0;
  for (const ACHAR* p = text; *p; ++p, ++digits) {
    int nibble = *p >= u'0' && *p <= u'9' ? *p - u'0'
                 : *p >= u'a' && *p <= u'f' ? *p - u'a' + 10
                 : *p >= u'A' && *p <= u'F' ? *p - u'A' + 10
                                            : -1;
    if (nibble < 0 || digits == 16) return *this;
    value = value << 4 | Adesk::UInt64(nibble);
  }
  mValue = value;
  return *this;
}

bool AcDbHandle::getIntoAsciiBuffer(ACHAR* pBuf, size_t nBufLen) const {
  ACHAR digits[17];
  int n = 0;
  Adesk::UInt64 v = mValue;
  do {
    digits[n++] = u"0123456789ABCDEF"[v & 15];
    v >>= 4;
  } while (v != 0);
  if (pBuf == nullptr || nBufLen < size_t(n) + 1) return false;
  for (int i = 0; i < n; ++i) pBuf[i] = digits[n - 1 - i];
  pBuf[n] = 0;
  return true;
}

void AcDbHandle::getIntoAsciiBuffer(ACHAR* pBuf) const { getIntoAsciiBuffer(pBuf, 17); }
