#include "DxfResbuf.h"

#include <acadsim/DxfGroupKind.h>
#include <acutads.h>
#include <qvwide.h>

#include <charconv>
#include <cstring>

#include "../ut/ResultBufferTypes.h"
#include "DatabaseImpl.h"

namespace acadsim {

uint64_t parseHandle(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\r')) text.remove_suffix(1);
  if (text.empty() || text.size() > 16) return 0;
  uint64_t value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
  return ec == std::errc() && end == text.data() + text.size() ? value : 0;
}

void setEntityName(int64_t name[2], const AcDbStub* stub) {
  name[0] = stub ? static_cast<int64_t>(stub->index) : 0;
  name[1] = stub ? static_cast<int64_t>(stub->db->serial()) : 0;
}

resbuf* groupToResbuf(const DxfData& data, size_t i, const DatabaseImpl* db) {
  using ut::ValueKind;
  int code = data.code(i);
  ValueKind kind = ut::KindOfType(code);
  if (kind == ValueKind::Unknown || kind == ValueKind::None) return nullptr;
  resbuf* rb = acutNewRb(code);
  if (rb == nullptr) return nullptr;
  switch (kind) {
    case ValueKind::Real:
      rb->resval.rreal = data.type(i) == DxfData::Type::Real ? data.real(i) : static_cast<double>(data.integer(i));
      break;
    case ValueKind::Point:
      if (data.type(i) == DxfData::Type::Point) data.point(i, rb->resval.rpoint);
      else rb->resval.rpoint[0] = data.type(i) == DxfData::Type::Real ? data.real(i) : 0.0;
      break;
    case ValueKind::Short:
      rb->resval.rint = static_cast<short>(data.integer(i));
      break;
    case ValueKind::Long:
      rb->resval.rlong = static_cast<int32_t>(data.integer(i));
      break;
    case ValueKind::Int64:
      rb->resval.mnInt64 = data.integer(i);
      break;
    case ValueKind::String:
      rb->resval.rstring = acadsim::newHostString(Utf8ToWide(data.string(i)));
      break;
    case ValueKind::Name: {
      const AcDbStub* stub = nullptr;
      if (db != nullptr) stub = db->findStub(parseHandle(data.string(i)));
      if (stub != nullptr && stub->object == nullptr) stub = nullptr;
      setEntityName(rb->resval.rlname, stub);
      break;
    }
    case ValueKind::Binary: {
      std::string_view bytes = data.string(i);
      rb->resval.rbinary.clen = static_cast<short>(bytes.size());
      rb->resval.rbinary.buf = new char[bytes.size() ? bytes.size() : 1];
      std::memcpy(rb->resval.rbinary.buf, bytes.data(), bytes.size());
      break;
    }
    default:
      break;
  }
  return rb;
}

void appendGroupsAsResbufs(const DxfData& data, size_t first, size_t last, const DatabaseImpl* db,
                           resbuf**& tail) {
  for (size_t i = first; i < last; ++i) {
    if (resbuf* rb = groupToResbuf(data, i, db)) {
      *tail = rb;
      tail = &rb->rbnext;
    }
  }
}

void appendResbufGroup(const resbuf& rb, DxfData& data) {
  using ut::ValueKind;
  int code = rb.restype;
  switch (ut::KindOfType(code)) {
    case ValueKind::Real: data.addReal(code, rb.resval.rreal); break;
    case ValueKind::Point: data.addPoint(code, rb.resval.rpoint, 3); break;
    case ValueKind::Short: data.addInteger(code, rb.resval.rint); break;
    case ValueKind::Long: data.addInteger(code, rb.resval.rlong); break;
    case ValueKind::Int64: data.addInteger(code, rb.resval.mnInt64); break;
    case ValueKind::String:
      data.addString(code, rb.resval.rstring ? WideToUtf8(rb.resval.rstring) : std::string());
      break;
    case ValueKind::Binary:
      data.addBinary(code, std::string_view(rb.resval.rbinary.buf,
                                            rb.resval.rbinary.buf ? static_cast<size_t>(rb.resval.rbinary.clen) : 0));
      break;
    default: break;
  }
}

}  // namespace acadsim
