// The font face and fixed height of a text style.
#include "TextStyleLook.h"

#include <acutads.h>
#include <adscodes.h>
#include <dbsymtb.h>

namespace acadsim::gs {

namespace {

std::u16string lower(std::u16string s) {
  for (char16_t& c : s)
    if (c >= u'A' && c <= u'Z') c = char16_t(c - u'A' + u'a');
  return s;
}

// The family name AutoCAD keeps for a TrueType style in the first 1000 group of its ACAD data.
std::u16string familyFromXData(const AcDbTextStyleTableRecord& style) {
  resbuf* data = style.xData(u"ACAD");
  std::u16string family;
  for (resbuf* rb = data; rb; rb = rb->rbnext)
    if (rb->restype == 1000 && rb->resval.rstring) {
      family = rb->resval.rstring;
      break;
    }
  if (data) acutRelRb(data);
  return family;
}

std::u16string faceFromFile(std::u16string file) {
  size_t slash = file.find_last_of(u"/\\");
  if (slash != std::u16string::npos) file.erase(0, slash + 1);
  size_t dot = file.rfind(u'.');
  std::u16string extension = dot == std::u16string::npos ? u"" : lower(file.substr(dot));
  if (extension != u".ttf" && extension != u".ttc" && extension != u".otf") return {};
  return file.substr(0, dot);
}

}  // namespace

TextStyleLook textStyleLook(AcDbObjectId styleId) {
  TextStyleLook look;
  AcDbTextStyleTableRecord* style = nullptr;
  if (styleId.isNull() || acdbOpenObject(style, styleId, AcDb::kForRead) != Acad::eOk) return look;
  look.height = style->textSize();
  std::u16string face = familyFromXData(*style);
  const ACHAR* file = nullptr;
  if (face.empty() && style->fileName(file) == Acad::eOk && file) face = faceFromFile(file);
  if (!face.empty()) look.face = face;
  style->close();
  return look;
}

}  // namespace acadsim::gs
