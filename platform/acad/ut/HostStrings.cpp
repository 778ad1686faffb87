#include <acutmem.h>
#include <algorithm>
#include <new>
#include <string>

Acad::ErrorStatus acutNewString(const ACHAR* pInput, ACHAR*& rpOutput) {
  rpOutput = nullptr;
  if (pInput == nullptr) return Acad::eOk;
  const size_t length = std::char_traits<ACHAR>::length(pInput);
  rpOutput = new (std::nothrow) ACHAR[length + 1];
  if (rpOutput == nullptr) return Acad::eOutOfMemory;
  std::copy(pInput, pInput + length + 1, rpOutput);
  return Acad::eOk;
}

void acutDelString(ACHAR*& pString) {
  delete[] pString;
  pString = nullptr;
}
