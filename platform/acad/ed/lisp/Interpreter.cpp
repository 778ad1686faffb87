// The command line's entry to AutoLISP: read, evaluate, and report the value or the error.
#include <acadsim/Lisp.h>

#include <new>

#include "LispError.h"
#include "LispPrinter.h"
#include "LispReader.h"
#include "LispSession.h"
#include "LispStack.h"

namespace acadsim::lisp {

Interpreter::Interpreter(const LispFunctionTable* documentFunctions)
    : m_session(std::make_unique<Session>(documentFunctions)) {}

Interpreter::~Interpreter() = default;

// Nothing escapes: an outside function that throws fails the evaluation like any AutoLISP error.
bool Interpreter::definesFunction(std::u16string_view name) { return m_session->namesFunction(name); }

Interpreter::Evaluation Interpreter::evaluate(std::u16string_view source) {
  StackBase stackBase;
  Evaluation result;
  try {
    Reader reader(m_session->symbols(), source);
    std::optional<Value> last;
    while (std::optional<Value> form = reader.next()) last = m_session->eval(*form);
    if (last) {
      result.printed = Prin1Text(*last);
      result.answer = AnswerText(*last);
    }
  } catch (const LispError& error) {
    result = {false, {}, error.message, {}};
  } catch (const std::bad_alloc&) {
    result = {false, {}, u"insufficient memory", {}};
  } catch (...) {
    result = {false, {}, u"ADS request error", {}};
  }
  return result;
}

}  // namespace acadsim::lisp
