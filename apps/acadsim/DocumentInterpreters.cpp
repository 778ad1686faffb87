#include "DocumentInterpreters.h"

#include "acadsim/Documents.h"

namespace acadsim {

DocumentInterpreters::DocumentInterpreters() { acDocManager->addReactor(this); }

DocumentInterpreters::~DocumentInterpreters() { acDocManager->removeReactor(this); }

lisp::Interpreter* DocumentInterpreters::currentInterpreter() {
  AcApDocument* doc = acDocManager->curDocument();
  if (doc == nullptr) return nullptr;
  std::unique_ptr<lisp::Interpreter>& interpreter = m_interpreters[doc];
  if (interpreter == nullptr) interpreter = std::make_unique<lisp::Interpreter>(DocumentLispFunctions(doc));
  return interpreter.get();
}

LispOutcome DocumentInterpreters::evaluate(std::u16string_view source) {
  lisp::Interpreter* interpreter = currentInterpreter();
  if (interpreter == nullptr) return {false, {}, u"no drawing is open", {}};
  const lisp::Interpreter::Evaluation result = interpreter->evaluate(source);
  return {result.ok, result.printed, result.error, result.answer};
}

bool DocumentInterpreters::definesCommand(std::u16string_view name) {
  lisp::Interpreter* interpreter = currentInterpreter();
  return interpreter != nullptr && interpreter->definesFunction(u"C:" + std::u16string(name));
}

void DocumentInterpreters::documentToBeDestroyed(AcApDocument* doc) { m_interpreters.erase(doc); }

}  // namespace acadsim
