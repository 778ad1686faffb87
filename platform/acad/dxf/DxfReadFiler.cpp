#include "DxfReadFiler.h"

#include <qvwide.h>


namespace acadsim {

bool DxfReadFiler::readGroup(DxfGroupView& g) {
  if (pos_ >= end_) return false;
  size_t i = pos_++;
  g.code = groups_.code(i);
  switch (groups_.type(i)) {
    case DxfData::Type::String:
      g.type = DxfGroupView::Type::String;
      g.text = groups_.string(i);
      break;
    case DxfData::Type::Binary:
      g.type = DxfGroupView::Type::Binary;
      g.text = groups_.string(i);
      break;
    case DxfData::Type::Real:
      g.type = DxfGroupView::Type::Real;
      g.real = groups_.real(i);
      g.text = {};
      break;
    case DxfData::Type::Integer:
      g.type = DxfGroupView::Type::Integer;
      g.integer = groups_.integer(i);
      g.real = static_cast<double>(g.integer);
      g.text = {};
      break;
    case DxfData::Type::Point:
      g.type = DxfGroupView::Type::Point;
      groups_.point(i, g.point);
      g.real = g.point[0];
      g.text = {};
      break;
  }
  return true;
}

void DxfReadFiler::pushBackItem() {
  if (pos_ > 0) --pos_;
}

bool DxfReadFiler::atSubclassData(const ACHAR* subClassName) {
  if (pos_ >= end_ || groups_.code(pos_) != 100 || subClassName == nullptr) return false;
  if (groups_.string(pos_) != WideToUtf8(subClassName)) return false;
  ++pos_;
  return true;
}

Acad::ErrorStatus DxfReadFiler::readResBuf(resbuf* pRb) {
  if (pRb == nullptr) return Acad::eInvalidInput;
  if (pos_ >= end_) return Acad::eEndOfFile;
  size_t i = pos_++;
  pRb->restype = static_cast<short>(groups_.code(i));
  switch (groups_.type(i)) {
    case DxfData::Type::String:
      text_ = Utf8ToWide(groups_.string(i));
      pRb->resval.rstring = text_.data();
      break;
    case DxfData::Type::Binary:
      bytes_.assign(groups_.string(i));
      pRb->resval.rbinary.clen = static_cast<short>(bytes_.size());
      pRb->resval.rbinary.buf = bytes_.data();
      break;
    case DxfData::Type::Real:
      pRb->resval.rreal = groups_.real(i);
      break;
    case DxfData::Type::Point:
      groups_.point(i, pRb->resval.rpoint);
      break;
    case DxfData::Type::Integer: {
      int64_t v = groups_.integer(i);
      DxfGroupKind kind = dxfGroupKind(groups_.code(i));
      if (kind == DxfGroupKind::Int32) pRb->resval.rlong = static_cast<int32_t>(v);
      else if (kind == DxfGroupKind::Int64) pRb->resval.mnInt64 = v;
      else pRb->resval.rint = static_cast<short>(v);
      break;
    }
  }
  return Acad::eOk;
}

Acad::ErrorStatus DxfReadFiler::setError(Acad::ErrorStatus es, const ACHAR* message) {
  status_ = es;
  message_ = message ? message : u"";
  return es;
}

}  // namespace acadsim
