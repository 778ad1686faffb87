// The selection-set and entity-name functions: ssget, sslength, ssname, ssadd, ssdel, ssmemb, ssnamex,
// ssgetfirst, sssetfirst, entget, entlast, entnext, entdel, entmake and handent, over the host's ADS calls.
#include <acedads.h>
#include <acutads.h>

#include <array>
#include <memory>
#include <optional>

#include "../../ut/ResultBufferTypes.h"
#include "LispArguments.h"
#include "LispBuiltins.h"
#include "LispError.h"
#include "LispPrinter.h"
#include "LispResbuf.h"
#include "LispSession.h"

namespace acadsim::lisp {
namespace {

struct ReleaseResbuf {
  void operator()(resbuf* rb) const { acutRelRb(rb); }
};
using Chain = std::unique_ptr<resbuf, ReleaseResbuf>;

Value NameValue(const int64_t name[2], bool selectionSet) {
  Name value;
  value.id[0] = name[0];
  value.id[1] = name[1];
  value.selectionSet = selectionSet;
  return value;
}

const Name& EntityArg(const Value& v) {
  const Name* name = std::get_if<Name>(&v);
  if (name == nullptr || name->selectionSet) BadArgumentType(u"lentityp", v);
  return *name;
}

const Name& SetArg(const Value& v) {
  const Name* name = std::get_if<Name>(&v);
  if (name == nullptr || !name->selectionSet) BadArgumentType(u"lselsetp", v);
  return *name;
}

// An index given as an integer or a real, as ssname and ssnamex take it.
int32_t IndexArg(const Value& v) {
  if (const int32_t* i = std::get_if<int32_t>(&v)) return *i;
  if (const double* r = std::get_if<double>(&v)) return static_cast<int32_t>(*r);
  BadArgumentType(u"numberp:", v);
}

// A point: a list of two or three numbers.
std::optional<std::array<double, 3>> PointOf(const Value& v) {
  if (!AsCons(v)) return std::nullopt;
  std::vector<Value> items = ListItems(v);
  if (items.size() < 2 || items.size() > 3) return std::nullopt;
  std::array<double, 3> p{0, 0, 0};
  for (size_t i = 0; i < items.size(); ++i) {
    if (!IsNumber(items[i])) return std::nullopt;
    p[i] = NumberArg(items[i]);
  }
  return p;
}

// A DXF association list ((code . value) ... (code x y z)) as a chain of groups, as entmake and ssget's
// filter-list take it.
Chain GroupsOf(const Value& list) {
  Chain head;
  resbuf* last = nullptr;
  auto append = [&](resbuf* rb) {
    if (last == nullptr) head.reset(rb);
    else last->rbnext = rb;
    last = rb;
  };
  for (const Value& item : ListItems(list)) {
    const Cons* cell = AsCons(item);
    const int32_t* code = cell ? std::get_if<int32_t>(&cell->car) : nullptr;
    if (code == nullptr) Fail(u"bad DXF group: " + Prin1Text(item));
    const Value& value = cell->cdr;
    resbuf* rb = acutNewRb(*code);
    append(rb);
    const ut::ValueKind kind = *code == -1 || *code == -2 ? ut::ValueKind::Name
                               : *code == -4            ? ut::ValueKind::String
                                                        : ut::KindOfType(*code);
    switch (kind) {
      case ut::ValueKind::String:
        if (const std::u16string* text = AsString(value)) {
          rb->resval.rstring = new ACHAR[text->size() + 1];
          std::copy(text->begin(), text->end(), rb->resval.rstring);
          rb->resval.rstring[text->size()] = 0;
          continue;
        }
        break;
      case ut::ValueKind::Real:
        if (IsNumber(value)) {
          rb->resval.rreal = NumberArg(value);
          continue;
        }
        break;
      case ut::ValueKind::Short:
        if (const int32_t* i = std::get_if<int32_t>(&value)) {
          rb->resval.rint = static_cast<short>(*i);
          continue;
        }
        break;
      case ut::ValueKind::Long:
        if (const int32_t* i = std::get_if<int32_t>(&value)) {
          rb->resval.rlong = *i;
          continue;
        }
        break;
      case ut::ValueKind::Int64:
        if (const int32_t* i = std::get_if<int32_t>(&value)) {
          rb->resval.mnInt64 = *i;
          continue;
        }
        break;
      case ut::ValueKind::Point:
        if (auto p = PointOf(value)) {
          for (int i = 0; i < 3; ++i) rb->resval.rpoint[i] = (*p)[static_cast<size_t>(i)];
          continue;
        }
        break;
      case ut::ValueKind::Name:
        if (const Name* name = std::get_if<Name>(&value); name && !name->selectionSet) {
          rb->resval.rlname[0] = name->id[0];
          rb->resval.rlname[1] = name->id[1];
          continue;
        }
        break;
      default: break;
    }
    Fail(u"bad DXF group: " + Prin1Text(item));
  }
  return head;
}

// (ssget [mode] [pt1 [pt2]] [filter-list]); without a mode or a point there is no user to ask: nil.
Value Ssget(Session&, Args args) {
  std::optional<std::u16string> mode;
  std::vector<std::array<double, 3>> points;
  Chain filter;
  for (size_t i = 0; i < args.size(); ++i) {
    if (const std::u16string* text = AsString(args[i]); text && i == 0) {
      mode = *text;
    } else if (auto p = PointOf(args[i]); p && points.size() < 2) {
      points.push_back(*p);
    } else if (AsCons(args[i]) && i + 1 == args.size()) {
      filter = GroupsOf(args[i]);
    } else if (!IsNil(args[i])) {
      BadArgumentType(u"listp", args[i]);
    }
  }
  if (!mode && points.empty()) return Value();
  ads_name ss;
  const double* pt1 = points.size() > 0 ? points[0].data() : nullptr;
  const double* pt2 = points.size() > 1 ? points[1].data() : nullptr;
  if (acedSSGet(mode ? mode->c_str() : nullptr, pt1, pt2, filter.get(), ss) != RTNORM) return Value();
  return NameValue(ss, true);
}

Value Sslength(Session&, Args args) {
  ExpectCount(args, 1, 1);
  Adesk::Int32 length = 0;
  if (acedSSLength(SetArg(args[0]).id, &length) != RTNORM) BadArgumentType(u"lselsetp", args[0]);
  return static_cast<int32_t>(length);
}

Value Ssname(Session&, Args args) {
  ExpectCount(args, 2, 2);
  ads_name ent;
  if (acedSSName(SetArg(args[0]).id, IndexArg(args[1]), ent) != RTNORM) return Value();
  return NameValue(ent, false);
}

Value Ssadd(Session&, Args args) {
  ExpectCount(args, 0, 2);
  ads_name none = {0, 0}, result;
  const int64_t* ename = args.size() > 0 ? EntityArg(args[0]).id : none;
  const int64_t* set = args.size() > 1 ? SetArg(args[1]).id : none;
  if (acedSSAdd(ename, set, result) != RTNORM) return Value();
  return NameValue(result, true);
}

Value Ssdel(Session&, Args args) {
  ExpectCount(args, 2, 2);
  const Name& set = SetArg(args[1]);
  if (acedSSDel(EntityArg(args[0]).id, set.id) != RTNORM) return Value();
  return args[1];
}

Value Ssmemb(Session&, Args args) {
  ExpectCount(args, 2, 2);
  const Name& set = SetArg(args[1]);
  return acedSSMemb(EntityArg(args[0]).id, set.id) == RTNORM ? args[0] : Value();
}

// (ssnamex ss [index]): a list of each member's (sel_id ename data...) list, or of the one indexed.
Value Ssnamex(Session& session, Args args) {
  ExpectCount(args, 1, 2);
  const Name& set = SetArg(args[0]);
  Adesk::Int32 length = 0;
  if (acedSSLength(set.id, &length) != RTNORM) return Value();
  int32_t first = 0, last = length;
  if (args.size() == 2) {
    first = IndexArg(args[1]);
    if (first < 0 || first >= length) return Value();
    last = first + 1;
  }
  std::vector<Value> items;
  for (int32_t i = first; i < last; ++i) {
    resbuf* info = nullptr;
    if (acedSSNameX(&info, set.id, i) != RTNORM) return Value();
    Chain owned(info);
    items.push_back(FromResbufChain(info, session.symbols()));
  }
  return items.empty() ? Value() : MakeList(std::move(items));
}

Value SetOrNil(resbuf* rb) {
  if (rb == nullptr || rb->restype != RTPICKS) return Value();
  return NameValue(rb->resval.rlname, true);
}

// (ssgetfirst): (gripped-set pick-first-set), the first always nil as AutoCAD keeps grips only on
// selected objects.
Value Ssgetfirst(Session&, Args args) {
  ExpectCount(args, 0, 0);
  resbuf *grips = nullptr, *picks = nullptr;
  if (acedSSGetFirst(&grips, &picks) != RTNORM) return Value();
  Value result = MakeList({SetOrNil(grips), SetOrNil(picks)});
  acutRelRb(grips);
  acutRelRb(picks);
  return result;
}

// (sssetfirst gripset [pickset]): the pick-first set becomes pickset (gripset is not used); gives the
// two arguments back as a list.
Value Sssetfirst(Session&, Args args) {
  ExpectCount(args, 1, 2);
  if (!IsNil(args[0])) SetArg(args[0]);
  const int64_t* pickset = args.size() > 1 && !IsNil(args[1]) ? SetArg(args[1]).id : nullptr;
  if (acedSSSetFirst(pickset, nullptr) != RTNORM) return Value();
  return MakeList({args[0], args.size() > 1 ? args[1] : Value()});
}

Value Entget(Session& session, Args args) {
  ExpectCount(args, 1, 2);
  Chain data(acdbEntGet(EntityArg(args[0]).id));
  if (!data) return Value();
  // A single group would come back bare; entget always gives the list.
  if (data->rbnext == nullptr) return MakeList({FromResbufChain(data.get(), session.symbols())});
  return FromResbufChain(data.get(), session.symbols());
}

Value Entlast(Session&, Args args) {
  ExpectCount(args, 0, 0);
  ads_name ent;
  return acdbEntLast(ent) == RTNORM ? NameValue(ent, false) : Value();
}

Value Entnext(Session&, Args args) {
  ExpectCount(args, 0, 1);
  ads_name none = {0, 0}, next;
  const int64_t* from = args.empty() || IsNil(args[0]) ? none : EntityArg(args[0]).id;
  return acdbEntNext(from, next) == RTNORM ? NameValue(next, false) : Value();
}

Value Entdel(Session&, Args args) {
  ExpectCount(args, 1, 1);
  return acdbEntDel(EntityArg(args[0]).id) == RTNORM ? args[0] : Value();
}

Value Entmake(Session&, Args args) {
  ExpectCount(args, 0, 1);
  if (args.empty() || IsNil(args[0])) return Value();
  if (!AsCons(args[0])) BadArgumentType(u"listp", args[0]);
  Chain groups = GroupsOf(args[0]);
  return acdbEntMake(groups.get()) == RTNORM ? args[0] : Value();
}

Value Handent(Session&, Args args) {
  ExpectCount(args, 1, 1);
  ads_name ent;
  return acdbHandEnt(StringArg(args[0]).c_str(), ent) == RTNORM ? NameValue(ent, false) : Value();
}

constexpr std::array kFunctions = {
    BuiltinDefinition{u"ssget", Ssget},        BuiltinDefinition{u"sslength", Sslength},
    BuiltinDefinition{u"ssname", Ssname},      BuiltinDefinition{u"ssadd", Ssadd},
    BuiltinDefinition{u"ssdel", Ssdel},        BuiltinDefinition{u"ssmemb", Ssmemb},
    BuiltinDefinition{u"ssnamex", Ssnamex},    BuiltinDefinition{u"ssgetfirst", Ssgetfirst},
    BuiltinDefinition{u"sssetfirst", Sssetfirst}, BuiltinDefinition{u"entget", Entget},
    BuiltinDefinition{u"entlast", Entlast},    BuiltinDefinition{u"entnext", Entnext},
    BuiltinDefinition{u"entdel", Entdel},      BuiltinDefinition{u"entmake", Entmake},
    BuiltinDefinition{u"handent", Handent},
};

}  // namespace

std::span<const BuiltinDefinition> SelectionFunctions() { return kFunctions; }

}  // namespace acadsim::lisp
