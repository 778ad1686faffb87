// Result-buffer chains: allocation, release and building from argument lists.
#include <acutads.h>
#include <cstdarg>
#include <cstring>
#include <new>
#include "ResultBufferTypes.h"

using acadsim::ut::KindOfType;
using acadsim::ut::ValueKind;

struct resbuf* acutNewRb(int type) {
  resbuf* rb = new (std::nothrow) resbuf{};
  if (rb != nullptr) rb->restype = static_cast<short>(type);
  return rb;
}

int acutRelRb(struct resbuf* rb) {
  while (rb != nullptr) {
    resbuf* next = rb->rbnext;
    switch (KindOfType(rb->restype)) {
      case ValueKind::String:
        acutDelString(rb->resval.rstring);
        break;
      case ValueKind::Binary:
        delete[] rb->resval.rbinary.buf;
        break;
      default:
        break;
    }
    delete rb;
    rb = next;
  }
  return RTNORM;
}

namespace {

// Fills rb's value from the next argument; false when the type has no value layout.
bool TakeValue(resbuf& rb, va_list& args) {
  switch (KindOfType(rb.restype)) {
    case ValueKind::None:
      return true;
    case ValueKind::Real:
      rb.resval.rreal = va_arg(args, double);
      return true;
    case ValueKind::Point: {
      const ads_real* point = va_arg(args, const ads_real*);
      if (point == nullptr) return false;
      std::memcpy(rb.resval.rpoint, point, sizeof(rb.resval.rpoint));
      return true;
    }
    case ValueKind::Short:
      rb.resval.rint = static_cast<short>(va_arg(args, int));
      return true;
    case ValueKind::Long:
      rb.resval.rlong = static_cast<int32_t>(va_arg(args, int));
      return true;
    case ValueKind::Int64:
      rb.resval.mnInt64 = va_arg(args, int64_t);
      return true;
    case ValueKind::String:
      return acutNewString(va_arg(args, const ACHAR*), rb.resval.rstring) == Acad::eOk;
    case ValueKind::Name: {
      const int64_t* name = va_arg(args, const int64_t*);
      if (name == nullptr) return false;
      rb.resval.rlname[0] = name[0];
      rb.resval.rlname[1] = name[1];
      return true;
    }
    case ValueKind::Binary: {
      const ads_binary* chunk = va_arg(args, const ads_binary*);
      if (chunk == nullptr || chunk->clen < 0 || (chunk->clen > 0 && chunk->buf == nullptr)) return false;
      rb.resval.rbinary.clen = chunk->clen;
      rb.resval.rbinary.buf = new (std::nothrow) char[chunk->clen > 0 ? chunk->clen : 1];
      if (rb.resval.rbinary.buf == nullptr) return false;
      if (chunk->clen > 0) std::memcpy(rb.resval.rbinary.buf, chunk->buf, chunk->clen);
      return true;
    }
    case ValueKind::Unknown:
      return false;
  }
  return false;
}

}  // namespace

// A point, name or binary argument that is null, or a type without a value layout, fails the whole list.
struct resbuf* acutBuildList(int rtype, ...) {
  va_list args;
  va_start(args, rtype);
  resbuf* head = nullptr;
  resbuf** tail = &head;
  for (int type = rtype; type != 0 && type != RTNONE; type = va_arg(args, int)) {
    resbuf* rb = acutNewRb(type);
    if (rb != nullptr) {
      *tail = rb;
      tail = &rb->rbnext;
    }
    if (rb == nullptr || !TakeValue(*rb, args)) {
      acutRelRb(head);
      head = nullptr;
      break;
    }
  }
  va_end(args);
  return head;
}
