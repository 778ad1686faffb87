// A bound on how much of the machine stack one evaluation may use, so deep recursion is a LISP error.
#pragma once
#include <cstdint>

namespace acadsim::lisp {

// Marks where an evaluation starts; an evaluation nested inside another keeps the outer mark.
class StackBase {
 public:
  StackBase();
  ~StackBase();
  StackBase(const StackBase&) = delete;
  StackBase& operator=(const StackBase&) = delete;

 private:
  bool m_outermost;
};

// Throws "LISP stack overflow" once the evaluation has gone deeper than it may.
void CheckStack();

}  // namespace acadsim::lisp
