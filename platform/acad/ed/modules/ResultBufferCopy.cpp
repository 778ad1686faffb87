#include "ResultBufferCopy.h"

#include <acutads.h>

#include <cstring>

#include "../../ut/ResultBufferTypes.h"

namespace acadsim {

resbuf* CopyResbuf(const resbuf* rb) {
  if (rb == nullptr) return nullptr;
  resbuf* copy = acutNewRb(rb->restype);
  copy->resval = rb->resval;
  switch (ut::KindOfType(rb->restype)) {
    case ut::ValueKind::String:
      copy->resval.rstring = nullptr;
      acutNewString(rb->resval.rstring, copy->resval.rstring);
      break;
    case ut::ValueKind::Binary: {
      const short length = rb->resval.rbinary.clen > 0 && rb->resval.rbinary.buf ? rb->resval.rbinary.clen : 0;
      copy->resval.rbinary.clen = length;
      copy->resval.rbinary.buf = length > 0 ? new char[length] : nullptr;
      if (length > 0) std::memcpy(copy->resval.rbinary.buf, rb->resval.rbinary.buf, length);
      break;
    }
    default:
      break;
  }
  return copy;
}

resbuf* CopyResbufChain(const resbuf* rb) {
  resbuf* head = nullptr;
  resbuf** tail = &head;
  for (; rb != nullptr; rb = rb->rbnext) {
    *tail = CopyResbuf(rb);
    tail = &(*tail)->rbnext;
  }
  return head;
}

}  // namespace acadsim
