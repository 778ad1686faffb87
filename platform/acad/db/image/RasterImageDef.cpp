// AcDbRasterImageDef: the image file an IMAGE shows.
#include <filesystem>
#include <imgdef.h>
#include <qvwide.h>

#include "../blocks/DxfGroupValues.h"
#include "ImageFileSearch.h"

namespace groups = acadsim::blockgroups;

ACRX_DXF_DEFINE_MEMBERS(AcDbRasterImageDef, AcDbObject, 0, 0, 0, IMAGEDEF, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbRasterImageDef);
AcDbRasterImageDef::AcDbRasterImageDef() = default;
AcDbRasterImageDef::~AcDbRasterImageDef() = default;

// Looked up on every call: the file may appear or go while the drawing is open. Relative paths start from the
// drawing's folder: the one it was read from, else the $DWGPREFIX it saved.
const ACHAR* AcDbRasterImageDef::activeFileName() const {
  std::string folder;
  if (AcDbDatabase* db = database()) {
    std::string file = WideToUtf8(db->originalFileName());
    if (!file.empty()) {
      folder = std::filesystem::path(file).parent_path().string();
    } else if (const acadsim::DxfData* prefix = db->impl().header("$DWGPREFIX");
               prefix != nullptr && !prefix->empty() && prefix->type(0) == acadsim::DxfData::Type::String) {
      folder = prefix->string(0);
    }
  }
  std::string found = acadsim::findImageFile(WideToUtf8(mSourceFileName), folder);
  mActiveFileName = found.empty() ? mSourceFileName : Utf8ToWide(found);
  return mActiveFileName.c_str();
}

Acad::ErrorStatus AcDbRasterImageDef::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbObject::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  filer->atSubclassData(u"AcDbRasterImageDef");
  acadsim::DxfGroupView g;
  AcGePoint2d pixels;
  while (filer->readGroup(g)) {
    switch (g.code) {
      case 1: mSourceFileName = Utf8ToWide(g.text); break;
      case 10:
        if (groups::finitePoint2d(g, pixels) && pixels.x >= 0.0 && pixels.y >= 0.0)
          mSize = AcGeVector2d(pixels.x, pixels.y);
        break;
      case 280: mLoaded = g.integer != 0; break;
      default: break;
    }
  }
  return filer->filerStatus();
}
