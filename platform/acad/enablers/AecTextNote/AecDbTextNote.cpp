#include "AecDbTextNote.h"

#include <dbfiler.h>

ACRX_DXF_DEFINE_MEMBERS(AecDbTextNote, AcDbObject, 0, 0, 0, AEC_TEXT_NOTE, AecArchBase);

AecDbTextNote::AecDbTextNote() = default;
AecDbTextNote::~AecDbTextNote() = default;

Acad::ErrorStatus AecDbTextNote::setText(const ACHAR* text) {
  if (text == nullptr) return Acad::eInvalidInput;
  if (!objectId().isNull() && !isWriteEnabled()) return Acad::eNotOpenForWrite;
  mText = text;
  return Acad::eOk;
}

Acad::ErrorStatus AecDbTextNote::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbObject::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  resbuf rb{};
  while (!filer->atEOF() && !filer->atSubclassData(u"AecDbTextNote")) filer->readResBuf(&rb);
  while (filer->readResBuf(&rb) == Acad::eOk) {
    if ((rb.restype == 1 || rb.restype == 3) && rb.resval.rstring != nullptr) {
      mText = rb.resval.rstring;
      break;
    }
  }
  return filer->filerStatus();
}
