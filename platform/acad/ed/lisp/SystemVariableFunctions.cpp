// getvar and setvar: the host's system variables through acedGetVar and acedSetVar.
#include <acedads.h>
#include <acutads.h>

#include <array>
#include <optional>

#include "LispArguments.h"
#include "LispBuiltins.h"
#include "LispError.h"
#include "LispPrinter.h"
#include "LispSession.h"

namespace acadsim::lisp {
namespace {

// A variable's current value, or nothing for a name the host does not know.
std::optional<resbuf> Current(const std::u16string& name) {
  resbuf value{};
  if (acedGetVar(name.c_str(), &value) != RTNORM) return std::nullopt;
  return value;
}

Value ToValue(resbuf& value) {
  switch (value.restype) {
    case RTSHORT: return static_cast<int32_t>(value.resval.rint);
    case RTLONG: return value.resval.rlong;
    case RTREAL:
    case RTANG: return value.resval.rreal;
    case RTSTR: {
      Value text = MakeString(value.resval.rstring ? value.resval.rstring : u"");
      acutDelString(value.resval.rstring);
      return text;
    }
    case RTPOINT:
    case RT3DPOINT: {
      std::vector<Value> items;
      for (int i = 0; i < (value.restype == RTPOINT ? 2 : 3); ++i) items.emplace_back(value.resval.rpoint[i]);
      return MakeList(std::move(items));
    }
    default: return Value();
  }
}

Value Getvar(Session&, Args args) {
  ExpectCount(args, 1, 1);
  std::optional<resbuf> value = Current(StringArg(args[0]));
  return value ? ToValue(*value) : Value();
}

// The value in the form of the variable's own type; false when the value cannot take it.
bool Convert(const Value& v, int type, resbuf& out) {
  out.restype = static_cast<short>(type);
  switch (type) {
    case RTSHORT: {
      const int32_t* i = std::get_if<int32_t>(&v);
      if (i == nullptr || *i < -32768 || *i > 32767) return false;
      out.resval.rint = static_cast<short>(*i);
      return true;
    }
    case RTLONG: {
      const int32_t* i = std::get_if<int32_t>(&v);
      if (i == nullptr) return false;
      out.resval.rlong = *i;
      return true;
    }
    case RTREAL:
    case RTANG:
      if (!IsNumber(v)) return false;
      out.resval.rreal = NumberArg(v);
      return true;
    case RTSTR:
      return AsString(v) != nullptr;
    case RTPOINT:
    case RT3DPOINT: {
      if (!AsCons(v)) return false;
      std::vector<Value> items = ListItems(v);
      if (items.size() < 2 || items.size() > 3) return false;
      for (size_t i = 0; i < 3; ++i) {
        if (i < items.size() && !IsNumber(items[i])) return false;
        out.resval.rpoint[i] = i < items.size() ? NumberArg(items[i]) : 0.0;
      }
      out.restype = items.size() == 2 ? RTPOINT : RT3DPOINT;
      return true;
    }
    default:
      return false;
  }
}

// An unknown name, a read-only variable and a value it cannot take all get AutoCAD's one message.
Value Setvar(Session&, Args args) {
  ExpectCount(args, 2, 2);
  const std::u16string& name = StringArg(args[0]);
  const std::u16string rejected =
      u"AutoCAD variable setting rejected: " + Prin1Text(args[0]) + u" " + Prin1Text(args[1]);
  std::optional<resbuf> current = Current(name);
  if (!current) Fail(rejected);
  const int type = current->restype;
  if (type == RTSTR) acutDelString(current->resval.rstring);
  resbuf value{};
  if (!Convert(args[1], type, value)) Fail(rejected);
  std::u16string text;
  if (const std::u16string* s = AsString(args[1])) {
    text = *s;
    value.resval.rstring = text.data();
  }
  if (acedSetVar(name.c_str(), &value) != RTNORM) Fail(rejected);
  return args[1];
}

constexpr std::array kFunctions = {
    BuiltinDefinition{u"getvar", Getvar},
    BuiltinDefinition{u"setvar", Setvar},
};

}  // namespace

std::span<const BuiltinDefinition> SystemVariableFunctions() { return kFunctions; }

}  // namespace acadsim::lisp
