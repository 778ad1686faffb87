#include "DocumentInterpreters.h"

#include "acadsim/Documents.h"

namespace acadsim {

DocumentInterpreters::DocumentInterpreters() { acDocManager->addReactor(this); }

DocumentInterpreters::~DocumentInterpreters() { acDocManager->removeReactor(this); }

LispOutcome DocumentInterpreters::evaluate(std::u16string_view source) {
  AcApDocument* doc = acDocManager->curDocument();
  if (doc == nullptr) return {false, {}, u"no drawing is open"};
  std::unique_ptr<lisp::Interpreter>& interpreter = m_interpreters[doc];
  if (interpreter == nullptr) interpreter = std::make_unique<lisp::Interpreter>(DocumentLispFunctions(doc));
  const lisp::Interpreter::Evaluation result = interpreter->evaluate(source);
  return {result.ok, result.printed, result.error};
}

void DocumentInterpreters::documentToBeDestroyed(AcApDocument* doc) { m_interpreters.erase(doc); }

}  // namespace acadsim
