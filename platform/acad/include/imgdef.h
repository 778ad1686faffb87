// Raster image definitions and their reactors.
#pragma once
#include <string>

#include "dbmain.h"
#include "gevec2d.h"

// DXF "IMAGEDEF"
class AcDbRasterImageDef : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbRasterImageDef);
  AcDbRasterImageDef();
  ~AcDbRasterImageDef() override;

  // The file name as saved (group 1), Windows separators and all.
  const ACHAR* sourceFileName() const { return mSourceFileName.c_str(); }
  // The file found for it, as AutoCAD looks: the saved path (a relative one from the drawing's folder, $DWGPREFIX),
  // else the bare file name in the drawing's folder; the saved name when neither exists. Valid until the next call.
  const ACHAR* activeFileName() const;
  // A DXF file carries no embedded image data, so every definition read from one refers to a file.
  bool isEmbedded() const { return false; }
  bool isLoaded() const { return mLoaded; }
  // In pixels.
  AcGeVector2d size() const { return mSize; }

  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

 private:
  std::u16string mSourceFileName;
  mutable std::u16string mActiveFileName;
  AcGeVector2d mSize;
  bool mLoaded = false;
};

// DXF "IMAGEDEF_REACTOR"
class AcDbRasterImageDefReactor : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbRasterImageDefReactor);
  AcDbRasterImageDefReactor();
  ~AcDbRasterImageDefReactor() override;
};
