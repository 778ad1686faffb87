#include "winbase.h"

// Rounds half away from zero; -1 for a zero denominator or a result outside +-2147483647, as Windows does.
extern "C" int WINAPI MulDiv(int nNumber, int nNumerator, int nDenominator) {
  if (nDenominator == 0) return -1;
  long long product = static_cast<long long>(nNumber) * nNumerator;
  long long divisor = nDenominator;
  if (divisor < 0) {
    product = -product;
    divisor = -divisor;
  }
  long long half = divisor / 2;
  long long result = product >= 0 ? (product + half) / divisor : (product - half) / divisor;
  if (result > 2147483647LL || result < -2147483647LL) return -1;
  return static_cast<int>(result);
}
