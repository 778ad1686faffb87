// Arithmetic and comparison: 32-bit integers that wrap as AutoLISP's do, reals once any argument is real.
#include <array>
#include <cmath>
#include <limits>

#include "LispArguments.h"
#include "LispBuiltins.h"
#include "LispError.h"
#include "LispSession.h"

namespace acadsim::lisp {
namespace {

int32_t Wrap(int64_t value) { return static_cast<int32_t>(static_cast<uint32_t>(value)); }

// A number in progress: stays an integer until a real joins it, left to right as AutoLISP folds.
struct Number {
  bool real = false;
  int32_t integer = 0;
  double value = 0;

  static Number Of(const Value& v) {
    if (const int32_t* i = std::get_if<int32_t>(&v)) return {false, *i, 0};
    return {true, 0, NumberArg(v)};
  }
  double asReal() const { return real ? value : integer; }
  Value result() const { return real ? Value(value) : Value(integer); }
};

enum class Op { Add, Subtract, Multiply, Divide, Remainder };

Number Combine(Op op, const Number& a, const Number& b) {
  if (!a.real && !b.real) {
    const int64_t x = a.integer, y = b.integer;
    switch (op) {
      case Op::Add: return {false, Wrap(x + y), 0};
      case Op::Subtract: return {false, Wrap(x - y), 0};
      case Op::Multiply: return {false, Wrap(x * y), 0};
      case Op::Divide:
        if (y == 0) Fail(u"divide by zero");
        return {false, Wrap(x / y), 0};
      case Op::Remainder:
        if (y == 0) Fail(u"divide by zero");
        return {false, Wrap(x % y), 0};
    }
  }
  const double x = a.asReal(), y = b.asReal();
  switch (op) {
    case Op::Add: return {true, 0, x + y};
    case Op::Subtract: return {true, 0, x - y};
    case Op::Multiply: return {true, 0, x * y};
    case Op::Divide:
      if (y == 0) Fail(u"divide by zero");
      return {true, 0, x / y};
    case Op::Remainder:
      if (y == 0) Fail(u"divide by zero");
      return {true, 0, std::fmod(x, y)};
  }
  return a;
}

// No argument gives 0 and one gives itself (negated for "-"), as AutoLISP documents for all five.
Value Fold(Op op, Args args) {
  for (const Value& arg : args) Number::Of(arg);
  if (args.empty()) return Value(0);
  Number result = Number::Of(args[0]);
  if (args.size() == 1 && op == Op::Subtract) return Combine(op, Number{}, result).result();
  for (size_t i = 1; i < args.size(); ++i) result = Combine(op, result, Number::Of(args[i]));
  return result.result();
}

Value Add(Session&, Args args) { return Fold(Op::Add, args); }
Value Subtract(Session&, Args args) { return Fold(Op::Subtract, args); }
Value Multiply(Session&, Args args) { return Fold(Op::Multiply, args); }
Value Divide(Session&, Args args) { return Fold(Op::Divide, args); }
Value Remainder(Session&, Args args) { return Fold(Op::Remainder, args); }

Value Step(Args args, int32_t by) {
  ExpectCount(args, 1, 1);
  return Combine(Op::Add, Number::Of(args[0]), Number{false, by, 0}).result();
}
Value Increment(Session&, Args args) { return Step(args, 1); }
Value Decrement(Session&, Args args) { return Step(args, -1); }

Value Abs(Session&, Args args) {
  ExpectCount(args, 1, 1);
  const Number n = Number::Of(args[0]);
  if (n.real) return std::fabs(n.value);
  return Wrap(std::abs(static_cast<int64_t>(n.integer)));
}

Value Extreme(Args args, bool largest) {
  for (const Value& arg : args) Number::Of(arg);
  if (args.empty()) return Value(0);
  bool anyReal = false;
  size_t best = 0;
  for (size_t i = 0; i < args.size(); ++i) {
    const Number n = Number::Of(args[i]);
    anyReal |= n.real;
    const double b = Number::Of(args[best]).asReal();
    if (largest ? n.asReal() > b : n.asReal() < b) best = i;
  }
  const Number winner = Number::Of(args[best]);
  return anyReal ? Value(winner.asReal()) : winner.result();
}
Value Min(Session&, Args args) { return Extreme(args, false); }
Value Max(Session&, Args args) { return Extreme(args, true); }

// A real beyond the 32-bit range stays a (truncated) real, as AutoLISP documents.
Value Fix(Session&, Args args) {
  ExpectCount(args, 1, 1);
  const Number n = Number::Of(args[0]);
  if (!n.real) return n.integer;
  const double truncated = std::trunc(n.value);
  if (truncated >= std::numeric_limits<int32_t>::min() && truncated <= std::numeric_limits<int32_t>::max())
    return static_cast<int32_t>(truncated);
  return truncated;
}

Value Float(Session&, Args args) {
  ExpectCount(args, 1, 1);
  return Number::Of(args[0]).asReal();
}

enum class Order { Equal, NotEqual, Less, Greater, LessOrEqual, GreaterOrEqual };

// Numbers compare by value and strings by their characters; for = and /= anything else compares by
// identity, while an ordering of anything else is a type error.
int Compare(const Value& a, const Value& b, bool ordering) {
  if (IsNumber(a) && IsNumber(b)) {
    const double x = NumberArg(a), y = NumberArg(b);
    return x < y ? -1 : x > y ? 1 : 0;
  }
  const std::u16string* s = AsString(a);
  const std::u16string* t = AsString(b);
  if (s && t) return s->compare(*t) < 0 ? -1 : s->compare(*t) > 0 ? 1 : 0;
  if (ordering) {
    if (s) BadArgumentType(u"stringp", b);
    BadArgumentType(u"numberp:", IsNumber(a) ? b : a);
  }
  if (AsSymbol(a) && AsSymbol(a) == AsSymbol(b)) return 0;
  if (IsNil(a) && IsNil(b)) return 0;
  return 2;
}

bool Holds(Order order, int c) {
  switch (order) {
    case Order::Equal: return c == 0;
    case Order::NotEqual: return c != 0;
    case Order::Less: return c == -1;
    case Order::Greater: return c == 1;
    case Order::LessOrEqual: return c == -1 || c == 0;
    case Order::GreaterOrEqual: return c == 1 || c == 0;
  }
  return false;
}

Value Comparison(Session& session, Args args, Order order) {
  ExpectCount(args, 1);
  const bool ordering = order != Order::Equal && order != Order::NotEqual;
  bool holds = true;
  for (size_t i = 1; i < args.size(); ++i) holds &= Holds(order, Compare(args[i - 1], args[i], ordering));
  return session.truth(holds);
}

Value Equal(Session& s, Args args) { return Comparison(s, args, Order::Equal); }
Value NotEqual(Session& s, Args args) { return Comparison(s, args, Order::NotEqual); }
Value Less(Session& s, Args args) { return Comparison(s, args, Order::Less); }
Value Greater(Session& s, Args args) { return Comparison(s, args, Order::Greater); }
Value LessOrEqual(Session& s, Args args) { return Comparison(s, args, Order::LessOrEqual); }
Value GreaterOrEqual(Session& s, Args args) { return Comparison(s, args, Order::GreaterOrEqual); }

constexpr std::array kFunctions = {
    BuiltinDefinition{u"+", Add},        BuiltinDefinition{u"-", Subtract},      BuiltinDefinition{u"*", Multiply},
    BuiltinDefinition{u"/", Divide},     BuiltinDefinition{u"rem", Remainder},   BuiltinDefinition{u"1+", Increment},
    BuiltinDefinition{u"1-", Decrement}, BuiltinDefinition{u"abs", Abs},         BuiltinDefinition{u"min", Min},
    BuiltinDefinition{u"max", Max},      BuiltinDefinition{u"fix", Fix},         BuiltinDefinition{u"float", Float},
    BuiltinDefinition{u"=", Equal},      BuiltinDefinition{u"/=", NotEqual},     BuiltinDefinition{u"<", Less},
    BuiltinDefinition{u">", Greater},    BuiltinDefinition{u"<=", LessOrEqual}, BuiltinDefinition{u">=", GreaterOrEqual},
};

}  // namespace

std::span<const BuiltinDefinition> ArithmeticFunctions() { return kFunctions; }

}  // namespace acadsim::lisp
