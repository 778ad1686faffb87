// AcDbMaterial: a render material, named in the drawing's material dictionary.
#pragma once
#include <string>
#include "dbmain.h"

class AcDbMaterial : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbMaterial);
  AcDbMaterial();
  ~AcDbMaterial() override;

  // The record's own buffer, valid while the material is open.
  const ACHAR* name() const { return mName.c_str(); }
  Acad::ErrorStatus setName(const ACHAR* pName);
  const ACHAR* description() const { return mDescription.c_str(); }
  Acad::ErrorStatus setDescription(const ACHAR* pDescription);

  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

 private:
  std::u16string mName;
  std::u16string mDescription;
};
