// The host's AutoLISP reader and evaluator, used by the command line for input that starts with "("
// (host-internal, not an ObjectARX name).
#pragma once
#include <memory>
#include <string>
#include <string_view>

#include "LispFunctions.h"

namespace acadsim::lisp {

// Whether typed text is a whole expression yet, so the command line knows when to stop reading lines.
enum class InputState { Complete, NeedMore, Malformed };

// Text joined with "\n" across lines; strings, their escapes, ";" comments and ";| |;" comments respected.
// Complete once every expression is closed; Malformed for a ")" that closes nothing.
InputState inputState(std::u16string_view source);

// The same test for input that arrives in pieces (a script's words and lines): each piece is read once,
// so a long expression costs time in proportion to its length.
class InputScanner {
 public:
  // Appends piece to the input so far and tells the state of the whole.
  InputState feed(std::u16string_view piece);

 private:
  std::u16string m_text;
  // What lies before m_scanned is read for good: whole tokens, not reaching the text's end.
  size_t m_scanned = 0;
  int m_depth = 0;
  bool m_quoteWaiting = false;
  bool m_malformed = false;
};

class Session;

// One document's AutoLISP session: its global variables and its defuns.
class Interpreter {
 public:
  struct Evaluation {
    bool ok = true;
    // The last value as the command line echoes it (prin1 form); empty for (princ)'s null symbol.
    std::u16string printed;
    // The text AutoCAD prints after "; error: " when ok is false.
    std::u16string error;
    // The last value as a prompt takes it for its reply: strings raw, reals to their full precision.
    std::u16string answer;
  };

  // documentFunctions: the functions modules defined in this document with acedDefun (may be null); it
  // must outlive the interpreter. Names are looked up in the interpreter's own built-ins and defuns first,
  // then there, then in HostLispFunctions().
  explicit Interpreter(const LispFunctionTable* documentFunctions);
  ~Interpreter();
  Interpreter(const Interpreter&) = delete;
  Interpreter& operator=(const Interpreter&) = delete;

  // Reads and evaluates every expression of source in order; an error stops there and keeps the globals
  // set so far.
  Evaluation evaluate(std::u16string_view source);
  // Whether name (a symbol such as "C:ZOOMALL") holds a function in this session.
  bool definesFunction(std::u16string_view name);

 private:
  std::unique_ptr<Session> m_session;
};

}  // namespace acadsim::lisp
