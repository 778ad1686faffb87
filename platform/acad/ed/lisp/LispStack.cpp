#include "LispStack.h"

#include "LispError.h"

namespace acadsim::lisp {
namespace {

// A third of the 8 MiB main-thread stack, leaving the rest to the host that called the interpreter.
constexpr uintptr_t kStackBudget = 3u << 20;

uintptr_t& Base() {
  static uintptr_t base = 0;
  return base;
}

uintptr_t Here() { return reinterpret_cast<uintptr_t>(__builtin_frame_address(0)); }

}  // namespace

StackBase::StackBase() : m_outermost(Base() == 0) {
  if (m_outermost) Base() = Here();
}

StackBase::~StackBase() {
  if (m_outermost) Base() = 0;
}

void CheckStack() {
  const uintptr_t base = Base();
  if (base != 0 && base > Here() && base - Here() > kStackBudget) Fail(u"LISP stack overflow");
}

}  // namespace acadsim::lisp
