// The values of AutoLISP: nil, integers, reals, strings, symbols, lists, functions and entity names.
#pragma once
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace acadsim::lisp {

struct Symbol;
struct Cons;
struct Function;

// An entity name or a selection-set name, as the host hands them out (ads_name).
struct Name {
  int64_t id[2] = {0, 0};
  bool selectionSet = false;
};

using StringRef = std::shared_ptr<const std::u16string>;
using ConsRef = std::shared_ptr<const Cons>;
using FunctionRef = std::shared_ptr<const Function>;

// std::monostate is nil, the empty list.
using Value = std::variant<std::monostate, int32_t, double, StringRef, Symbol*, ConsRef, FunctionRef, Name>;
using Args = std::span<const Value>;

// Symbols live as long as their session; a nil value is an unbound symbol, as in AutoLISP.
struct Symbol {
  std::u16string name;
  Value value;
};

struct Cons {
  Cons(Value carValue, Value cdrValue);
  // Releases long chains without recursing once per cell.
  ~Cons();
  Cons(const Cons&) = delete;
  Cons& operator=(const Cons&) = delete;

  Value car;
  Value cdr;
};

inline bool IsNil(const Value& v) { return std::holds_alternative<std::monostate>(v); }
inline const Cons* AsCons(const Value& v) {
  const ConsRef* cell = std::get_if<ConsRef>(&v);
  return cell ? cell->get() : nullptr;
}
inline Symbol* AsSymbol(const Value& v) {
  Symbol* const* symbol = std::get_if<Symbol*>(&v);
  return symbol ? *symbol : nullptr;
}
inline const std::u16string* AsString(const Value& v) {
  const StringRef* text = std::get_if<StringRef>(&v);
  return text ? text->get() : nullptr;
}
inline const Function* AsFunction(const Value& v) {
  const FunctionRef* fn = std::get_if<FunctionRef>(&v);
  return fn ? fn->get() : nullptr;
}
inline bool IsNumber(const Value& v) { return std::holds_alternative<int32_t>(v) || std::holds_alternative<double>(v); }

// A new cell; "insufficient node space" once the process holds too many.
Value MakeCons(Value car, Value cdr);
Value MakeString(std::u16string text);
Value MakeList(std::vector<Value> items);

// The items of a proper list; "bad list: ..." for a dotted one, "bad argument type: listp ..." for an atom.
std::vector<Value> ListItems(const Value& list);

}  // namespace acadsim::lisp
