#include "DocumentManager.h"

#include <acadsim/SystemVariables.h>
#include <dbapserv.h>

#include <algorithm>

namespace acadsim {
namespace {

void SetHostString(std::u16string_view name, const std::u16string& value) {
  resbuf rb{};
  rb.restype = RTSTR;
  rb.resval.rstring = const_cast<ACHAR*>(value.c_str());
  setHostSystemVariable(name, rb);
}

// A snapshot of the documents, so a document closed while the caller walks them is simply skipped.
class DocumentIterator : public AcApDocumentIterator {
 public:
  explicit DocumentIterator(std::vector<Document*> documents) : m_documents(std::move(documents)) {}
  bool done() const override { return m_position >= m_documents.size(); }
  void step() override {
    if (!done()) ++m_position;
  }
  AcApDocument* document() override { return done() ? nullptr : m_documents[m_position]; }

 private:
  std::vector<Document*> m_documents;
  size_t m_position = 0;
};

}  // namespace

DocumentManager& DocumentManager::instance() {
  static DocumentManager* manager = new DocumentManager();
  return *manager;
}

Document* DocumentManager::find(const AcApDocument* pDoc) const {
  for (const auto& doc : m_documents) {
    if (doc.get() == pDoc) return doc.get();
  }
  return nullptr;
}

AcApDocument* DocumentManager::document(const AcDbDatabase* pDb) const {
  for (const auto& doc : m_documents) {
    if (pDb != nullptr && doc->database() == pDb) return doc.get();
  }
  return nullptr;
}

void DocumentManager::tellReactors(const std::function<void(AcApDocManagerReactor&)>& notify) {
  const std::vector<AcApDocManagerReactor*> snapshot = m_reactors;
  for (AcApDocManagerReactor* reactor : snapshot) {
    if (std::find(m_reactors.begin(), m_reactors.end(), reactor) != m_reactors.end()) notify(*reactor);
  }
}

bool DocumentManager::vetoed(Document& doc, AcAp::DocLockMode myNewMode, const ACHAR* globalCommand) {
  const AcAp::DocLockMode current = doc.lockMode();
  bool refused = false;
  tellReactors([&](AcApDocManagerReactor& reactor) {
    reactor.mAsking = true;
    reactor.mVeto = false;
    reactor.documentLockModeWillChange(&doc, current, myNewMode, current, globalCommand);
    refused = refused || reactor.mVeto;
    reactor.mAsking = false;
    reactor.mVeto = false;
  });
  return refused;
}

Acad::ErrorStatus DocumentManager::lockDocument(AcApDocument* pDoc, AcAp::DocLockMode mode,
                                                const ACHAR* pGlobalCmdName, const ACHAR*, bool) {
  Document* doc = find(pDoc);
  if (doc == nullptr) return Acad::eInvalidInput;
  const std::u16string command = pGlobalCmdName == nullptr ? u"" : pGlobalCmdName;
  if (vetoed(*doc, mode, command.c_str())) {
    tellReactors([&](AcApDocManagerReactor& r) { r.documentLockModeChangeVetoed(doc, command.c_str()); });
    return Acad::eNotApplicable;
  }
  const AcAp::DocLockMode previous = doc->lockMode();
  doc->locks().push_back({mode, command});
  tellReactors([&](AcApDocManagerReactor& r) { r.documentLockModeChanged(doc, previous, mode, mode, command.c_str()); });
  return Acad::eOk;
}

Acad::ErrorStatus DocumentManager::unlockDocument(AcApDocument* pDoc) {
  Document* doc = find(pDoc);
  if (doc == nullptr) return Acad::eInvalidInput;
  if (doc->locks().empty()) return Acad::eNotApplicable;
  const Document::Lock released = doc->locks().back();
  doc->locks().pop_back();
  const AcAp::DocLockMode now = doc->lockMode();
  tellReactors([&](AcApDocManagerReactor& r) {
    r.documentLockModeChanged(doc, released.mode, now, now, released.globalCommand.c_str());
  });
  return Acad::eOk;
}

AcApDocumentIterator* DocumentManager::newAcApDocumentIterator() {
  std::vector<Document*> documents;
  for (const auto& doc : m_documents) documents.push_back(doc.get());
  return new DocumentIterator(std::move(documents));
}

void DocumentManager::addReactor(AcApDocManagerReactor* reactor) {
  if (reactor != nullptr && std::find(m_reactors.begin(), m_reactors.end(), reactor) == m_reactors.end()) {
    m_reactors.push_back(reactor);
  }
}

void DocumentManager::removeReactor(AcApDocManagerReactor* reactor) { std::erase(m_reactors, reactor); }

Acad::ErrorStatus DocumentManager::setCurDocument(AcApDocument* pDoc, AcAp::DocLockMode mode, bool activate) {
  Document* doc = find(pDoc);
  if (doc == nullptr) return Acad::eInvalidInput;
  if (doc != m_current) {
    m_current = doc;
    acdbHostApplicationServices()->setWorkingDatabase(doc->database());
    SetHostString(u"DWGNAME", doc->docTitle());
    SetHostString(u"DWGPREFIX", doc->folder());
    tellReactors([&](AcApDocManagerReactor& r) { r.documentBecameCurrent(doc); });
  }
  if (mode != AcAp::kNone) {
    if (Acad::ErrorStatus es = lockDocument(doc, mode); es != Acad::eOk) return es;
  }
  return activate ? activateDocument(doc) : Acad::eOk;
}

Acad::ErrorStatus DocumentManager::activateDocument(AcApDocument* pAcTargetDocument, bool) {
  Document* doc = find(pAcTargetDocument);
  if (doc == nullptr) return Acad::eInvalidInput;
  if (doc == m_active) return setCurDocument(doc);
  if (Document* previous = m_active) {
    tellReactors([&](AcApDocManagerReactor& r) { r.documentToBeDeactivated(previous); });
  }
  tellReactors([&](AcApDocManagerReactor& r) { r.documentToBeActivated(doc); });
  m_active = doc;
  setCurDocument(doc);
  tellReactors([&](AcApDocManagerReactor& r) { r.documentActivated(doc); });
  return Acad::eOk;
}

Document* DocumentManager::adopt(std::unique_ptr<Document> document) {
  Document* doc = document.get();
  m_documents.push_back(std::move(document));
  return doc;
}

void DocumentManager::discard(Document* document) {
  auto it = std::find_if(m_documents.begin(), m_documents.end(), [&](const auto& d) { return d.get() == document; });
  if (it == m_documents.end()) return;
  Document* successor = nullptr;
  if (it != m_documents.begin()) successor = std::prev(it)->get();
  else if (std::next(it) != m_documents.end()) successor = std::next(it)->get();
  const bool wasCurrent = document == m_current;
  const bool wasActive = document == m_active;
  if (wasCurrent) m_current = nullptr;
  if (wasActive) m_active = nullptr;
  std::unique_ptr<Document> doomed = std::move(*it);
  m_documents.erase(it);
  if (acdbHostApplicationServices()->workingDatabase() == doomed->database()) {
    acdbHostApplicationServices()->setWorkingDatabase(nullptr);
  }
  doomed.reset();
  if (successor != nullptr && wasActive) activateDocument(successor);
  else if (successor != nullptr && wasCurrent) setCurDocument(successor);
}

}  // namespace acadsim

AcApDocManager* acDocManagerPtr() { return &acadsim::DocumentManager::instance(); }
