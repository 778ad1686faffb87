// AcDbDatabase::setPdmode: the point display mode of the header ($PDMODE).
#include <dbmain.h>

#include "DatabaseImpl.h"

// The mark (0 dot, 1 nothing, 2 plus, 3 cross, 4 tick) plus 32 circle, 64 square or 96 both.
Acad::ErrorStatus AcDbDatabase::setPdmode(Adesk::Int16 mode) {
  if (mode < 0 || mode > 100 || (mode & 31) > 4) return Acad::eInvalidInput;
  acadsim::DxfData value;
  value.addInteger(70, mode);
  impl().setHeader("$PDMODE", value);
  return Acad::eOk;
}
