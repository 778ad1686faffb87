#include "LispResbuf.h"

#include <acutads.h>
#include <qvwide.h>

#include <cstdio>
#include <memory>
#include <vector>

#include "../../ut/ResultBufferTypes.h"
#include "LispError.h"
#include "LispPrinter.h"
#include "LispStack.h"

namespace acadsim::lisp {
namespace {

using ut::KindOfType;
using ut::ValueKind;

class ChainBuilder {
 public:
  ChainBuilder() = default;
  ChainBuilder(const ChainBuilder&) = delete;
  ChainBuilder& operator=(const ChainBuilder&) = delete;
  ~ChainBuilder() { acutRelRb(m_head); }

  resbuf* add(int type) {
    resbuf* rb = acutNewRb(type);
    if (rb == nullptr) Fail(u"insufficient memory");
    (m_tail ? m_tail->rbnext : m_head) = rb;
    m_tail = rb;
    return rb;
  }
  resbuf* release() {
    resbuf* head = m_head;
    m_head = m_tail = nullptr;
    return head;
  }

  void addValue(const Value& v) {
    if (IsNil(v)) {
      add(RTNIL);
    } else if (const int32_t* i = std::get_if<int32_t>(&v)) {
      if (*i >= -32768 && *i <= 32767) add(RTSHORT)->resval.rint = static_cast<short>(*i);
      else add(RTLONG)->resval.rlong = *i;
    } else if (const double* r = std::get_if<double>(&v)) {
      add(RTREAL)->resval.rreal = *r;
    } else if (const std::u16string* text = AsString(v)) {
      addString(*text);
    } else if (Symbol* symbol = AsSymbol(v)) {
      if (symbol->name == u"T") add(RTT);
      else addString(symbol->name);
    } else if (const Name* name = std::get_if<Name>(&v)) {
      resbuf* rb = add(name->selectionSet ? RTPICKS : RTENAME);
      rb->resval.rlname[0] = name->id[0];
      rb->resval.rlname[1] = name->id[1];
    } else if (AsCons(v)) {
      addList(v);
    } else {
      Fail(u"bad argument type: " + Prin1Text(v));
    }
  }

 private:
  void addString(const std::u16string& text) {
    resbuf* rb = add(RTSTR);
    if (acutNewString(text.c_str(), rb->resval.rstring) != Acad::eOk) Fail(u"insufficient memory");
  }

  void addList(const Value& list) {
    CheckStack();
    add(RTLB);
    const Value* rest = &list;
    while (const Cons* cell = AsCons(*rest)) {
      addValue(cell->car);
      rest = &cell->cdr;
    }
    if (!IsNil(*rest)) {
      add(RTDOTE);
      addValue(*rest);
    }
    add(RTLE);
  }

  resbuf* m_head = nullptr;
  resbuf* m_tail = nullptr;
};

Value Real(double r) { return Value(r); }

Value PointList(const resbuf& rb, int count) {
  std::vector<Value> items;
  for (int i = 0; i < count; ++i) items.push_back(Real(rb.resval.rpoint[i]));
  return MakeList(std::move(items));
}

Value NameValue(const resbuf& rb, bool selectionSet) {
  Name name;
  name.id[0] = rb.resval.rlname[0];
  name.id[1] = rb.resval.rlname[1];
  name.selectionSet = selectionSet;
  return name;
}

Value StringValue(const ACHAR* text) { return MakeString(text ? std::u16string(text) : std::u16string()); }

Value BinaryText(const ads_binary& chunk) {
  std::string hex;
  char digits[3];
  for (short i = 0; i < chunk.clen; ++i) {
    std::snprintf(digits, sizeof digits, "%02X", static_cast<unsigned char>(chunk.buf[i]));
    hex += digits;
  }
  return MakeString(Utf8ToWide(hex));
}

// A DXF group as entget shows it; -1 and -2 are entity names and -4 a filter operator.
Value GroupValue(const resbuf& rb) {
  const int code = rb.restype;
  ValueKind kind = code == -1 || code == -2 ? ValueKind::Name : code == -4 ? ValueKind::String : KindOfType(code);
  Value value;
  switch (kind) {
    case ValueKind::String: value = StringValue(rb.resval.rstring); break;
    case ValueKind::Real: value = Real(rb.resval.rreal); break;
    case ValueKind::Short: value = static_cast<int32_t>(rb.resval.rint); break;
    case ValueKind::Long: value = rb.resval.rlong; break;
    case ValueKind::Int64: {
      const int64_t n = rb.resval.mnInt64;
      value = n >= INT32_MIN && n <= INT32_MAX ? Value(static_cast<int32_t>(n)) : Real(static_cast<double>(n));
      break;
    }
    case ValueKind::Name: value = NameValue(rb, false); break;
    case ValueKind::Binary: value = BinaryText(rb.resval.rbinary); break;
    case ValueKind::Point: return MakeCons(static_cast<int32_t>(code), PointList(rb, 3));
    default: Fail(u"ADS request error");
  }
  return MakeCons(static_cast<int32_t>(code), std::move(value));
}

Value ItemValue(const resbuf& rb, SymbolTable& symbols) {
  switch (rb.restype) {
    case RTNIL:
    case RTNONE: return Value();
    case RTT: return symbols.t();
    case RTVOID: return symbols.nullSymbol();
    case RTSHORT: return static_cast<int32_t>(rb.resval.rint);
    case RTLONG: return rb.resval.rlong;
    case RTREAL:
    case RTANG:
    case RTORINT: return Real(rb.resval.rreal);
    case RTSTR: return StringValue(rb.resval.rstring);
    case RTPOINT: return PointList(rb, 2);
    case RT3DPOINT: return PointList(rb, 3);
    case RTENAME: return NameValue(rb, false);
    case RTPICKS: return NameValue(rb, true);
    case RTDXF0: return MakeCons(0, StringValue(rb.resval.rstring));
    default: return GroupValue(rb);
  }
}

struct OpenList {
  std::vector<Value> items;
  bool dotted = false;
  bool tailRead = false;
  Value tail;
};

}  // namespace

resbuf* ToResbufChain(Args args) {
  if (args.empty()) return nullptr;
  ChainBuilder builder;
  for (const Value& arg : args) builder.addValue(arg);
  return builder.release();
}

Value FromResbufChain(const resbuf* chain, SymbolTable& symbols) {
  std::vector<Value> top;
  std::vector<OpenList> open;
  for (const resbuf* rb = chain; rb != nullptr; rb = rb->rbnext) {
    Value item;
    if (rb->restype == RTLB) {
      open.emplace_back();
      continue;
    }
    if (rb->restype == RTDOTE) {
      if (open.empty() || open.back().items.empty() || open.back().dotted) Fail(u"ADS request error");
      open.back().dotted = true;
      continue;
    }
    if (rb->restype == RTLE) {
      if (open.empty() || (open.back().dotted && !open.back().tailRead)) Fail(u"ADS request error");
      OpenList list = std::move(open.back());
      open.pop_back();
      item = std::move(list.tail);
      for (auto it = list.items.rbegin(); it != list.items.rend(); ++it) item = MakeCons(std::move(*it), std::move(item));
    } else {
      item = ItemValue(*rb, symbols);
    }
    if (open.empty()) {
      top.push_back(std::move(item));
    } else if (open.back().dotted) {
      if (open.back().tailRead) Fail(u"ADS request error");
      open.back().tail = std::move(item);
      open.back().tailRead = true;
    } else {
      open.back().items.push_back(std::move(item));
    }
  }
  if (!open.empty()) Fail(u"ADS request error");
  if (top.size() == 1) return std::move(top.front());
  return MakeList(std::move(top));
}

}  // namespace acadsim::lisp
