// AecDbTextNote: the architectural text note, kept in an object's extension dictionary as "AEC_TEXT_NOTE".
#pragma once
#include <dbmain.h>

#include <string>

// DXF name "AEC_TEXT_NOTE", the name the architectural product gives the record of this class.
class AecDbTextNote : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AecDbTextNote);
  AecDbTextNote();
  ~AecDbTextNote() override;

  // The note, lines separated by line feeds as the product stores them.
  const ACHAR* text() const { return mText.c_str(); }
  Acad::ErrorStatus setText(const ACHAR* text);

  // Reads subclass marker 100 "AecDbTextNote" and the note from the first group 1 or 3 after it.
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

 private:
  std::u16string mText;
};
