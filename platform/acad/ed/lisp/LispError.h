// An AutoLISP error on its way from where it happened to the top of the evaluation.
#pragma once
#include <string>

namespace acadsim::lisp {

// Thrown only inside the interpreter; Interpreter::evaluate turns it into the text after "; error: ".
struct LispError {
  std::u16string message;
};

[[noreturn]] inline void Fail(std::u16string message) { throw LispError{std::move(message)}; }

}  // namespace acadsim::lisp
