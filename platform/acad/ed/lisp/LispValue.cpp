#include "LispValue.h"

#include "LispError.h"
#include "LispPrinter.h"

namespace acadsim::lisp {
namespace {

// About 64 bytes a cell: the interpreter stops well before it takes the host's memory.
constexpr size_t kMaxLiveCells = 4'000'000;

size_t& LiveCells() {
  static size_t count = 0;
  return count;
}

// Cells whose last owner went away, released one at a time by the outermost destructor.
struct Graveyard {
  std::vector<ConsRef> cells;
  bool draining = false;
};

Graveyard& TheGraveyard() {
  static Graveyard graveyard;
  return graveyard;
}

void Bury(Value& v, Graveyard& graveyard) {
  if (ConsRef* cell = std::get_if<ConsRef>(&v); cell && cell->use_count() == 1)
    graveyard.cells.push_back(std::move(*cell));
}

}  // namespace

Cons::Cons(Value carValue, Value cdrValue) : car(std::move(carValue)), cdr(std::move(cdrValue)) { ++LiveCells(); }

Cons::~Cons() {
  --LiveCells();
  Graveyard& graveyard = TheGraveyard();
  Bury(car, graveyard);
  Bury(cdr, graveyard);
  if (graveyard.draining) return;
  graveyard.draining = true;
  while (!graveyard.cells.empty()) {
    ConsRef last = std::move(graveyard.cells.back());
    graveyard.cells.pop_back();
    last.reset();
  }
  graveyard.draining = false;
}

Value MakeCons(Value car, Value cdr) {
  if (LiveCells() >= kMaxLiveCells) Fail(u"insufficient node space");
  return ConsRef(std::make_shared<const Cons>(std::move(car), std::move(cdr)));
}

Value MakeString(std::u16string text) { return StringRef(std::make_shared<const std::u16string>(std::move(text))); }

Value MakeList(std::vector<Value> items) {
  Value list;
  for (auto it = items.rbegin(); it != items.rend(); ++it) list = MakeCons(std::move(*it), std::move(list));
  return list;
}

std::vector<Value> ListItems(const Value& list) {
  if (!IsNil(list) && !AsCons(list)) Fail(u"bad argument type: listp " + Prin1Text(list));
  std::vector<Value> items;
  const Value* rest = &list;
  while (const Cons* cell = AsCons(*rest)) {
    items.push_back(cell->car);
    rest = &cell->cdr;
  }
  if (!IsNil(*rest)) Fail(u"bad list: " + Prin1Text(list));
  return items;
}

}  // namespace acadsim::lisp
