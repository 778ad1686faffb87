// One AutoLISP interpreter per open document, made when the document first evaluates and dropped with it.
#pragma once
#include <acdocman.h>

#include <map>
#include <memory>

#include "acadsim/CommandProcessor.h"
#include "acadsim/Lisp.h"

namespace acadsim {

class DocumentInterpreters : public AcApDocManagerReactor {
 public:
  DocumentInterpreters();
  ~DocumentInterpreters() override;

  // Evaluates in the current document; without one there is nothing to evaluate in.
  LispOutcome evaluate(std::u16string_view source);
  // Whether the current document's AutoLISP defines "C:" + name.
  bool definesCommand(std::u16string_view name);
  void documentToBeDestroyed(AcApDocument* doc) override;

 private:
  lisp::Interpreter* currentInterpreter();

  std::map<const AcApDocument*, std::unique_ptr<lisp::Interpreter>> m_interpreters;
};

}  // namespace acadsim
