// AcDbTableStyle: the look of a table.
#pragma once
#include <string>

#include "dbmain.h"

// DXF "TABLESTYLE"
class AcDbTableStyle : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbTableStyle);
  AcDbTableStyle();
  ~AcDbTableStyle() override;

  // The style's entry name in the dictionary that holds it (ACAD_TABLESTYLE), a new buffer the caller frees
  // with acutDelBuffer. eNoDatabase for a style outside a database, eKeyNotFound when no dictionary lists
  // it; name is null then.
  Acad::ErrorStatus getName(ACHAR*& name) const;
  const ACHAR* description() const { return mDescription.c_str(); }

  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

 private:
  std::u16string mDescription;
};
