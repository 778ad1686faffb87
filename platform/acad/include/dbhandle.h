// AcDbHandle: the 64-bit handle that names an object within its drawing, shown as hexadecimal text.
#pragma once
#include <cstddef>
#include "AdAChar.h"
#include "adesk.h"

class AcDbHandle {
 public:
  AcDbHandle() = default;
  AcDbHandle(int lo, int hi) : mValue((Adesk::UInt64(Adesk::UInt32(hi)) << 32) | Adesk::UInt32(lo)) {}
  AcDbHandle(Adesk::UInt64 value) : mValue(value) {}  // NOLINT: AutoCAD converts implicitly too
  // Parses hexadecimal text; text that is not a handle gives the null handle.
  explicit AcDbHandle(const ACHAR* text);
  AcDbHandle& operator=(const ACHAR* text);

  operator Adesk::UInt64() const { return mValue; }
  bool isNull() const { return mValue == 0; }
  void setNull() { mValue = 0; }
  Adesk::UInt32 low() const { return Adesk::UInt32(mValue); }
  Adesk::UInt32 high() const { return Adesk::UInt32(mValue >> 32); }
  void setLow(Adesk::UInt32 low) { mValue = (mValue & ~Adesk::UInt64(0xFFFFFFFF)) | low; }
  void setHigh(Adesk::UInt32 high) { mValue = (Adesk::UInt64(high) << 32) | low(); }

  // Upper-case hexadecimal without leading zeros ("1F"; "0" for null). The buffer holds 17 characters.
  void getIntoAsciiBuffer(ACHAR* pBuf) const;
  bool getIntoAsciiBuffer(ACHAR* pBuf, size_t nBufLen) const;

  AcDbHandle& operator++() { ++mValue; return *this; }
  AcDbHandle operator++(int) { AcDbHandle old = *this; ++mValue; return old; }
  void increment() { ++mValue; }
  void decrement() { --mValue; }
  AcDbHandle operator+(const AcDbHandle& other) const { return AcDbHandle(mValue + other.mValue); }
  AcDbHandle& operator+=(const AcDbHandle& other) { mValue += other.mValue; return *this; }
  bool operator==(const AcDbHandle& other) const { return mValue == other.mValue; }
  bool operator!=(const AcDbHandle& other) const { return mValue != other.mValue; }
  bool operator<(const AcDbHandle& other) const { return mValue < other.mValue; }
  bool operator>(const AcDbHandle& other) const { return mValue > other.mValue; }

 private:
  Adesk::UInt64 mValue = 0;
};
