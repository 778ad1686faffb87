// The host's document manager: owns the open documents, knows the current and the active one, tells reactors.
#pragma once
#include <acdocman.h>

#include <functional>
#include <memory>
#include <vector>

#include "Document.h"

namespace acadsim {

class DocumentManager : public AcApDocManager {
 public:
  static DocumentManager& instance();

  AcApDocument* curDocument() const override { return m_current; }
  AcApDocument* mdiActiveDocument() const override { return m_active; }
  AcApDocument* document(const AcDbDatabase* pDb) const override;
  Acad::ErrorStatus lockDocument(AcApDocument* pDoc, AcAp::DocLockMode mode = AcAp::kWrite,
                                 const ACHAR* pGlobalCmdName = nullptr, const ACHAR* pLocalCmdName = nullptr,
                                 bool prompt = true) override;
  Acad::ErrorStatus unlockDocument(AcApDocument* pDoc) override;
  AcApDocumentIterator* newAcApDocumentIterator() override;
  void addReactor(AcApDocManagerReactor* reactor) override;
  void removeReactor(AcApDocManagerReactor* reactor) override;
  Acad::ErrorStatus setCurDocument(AcApDocument* pDoc, AcAp::DocLockMode mode = AcAp::kNone,
                                   bool activate = false) override;
  Acad::ErrorStatus activateDocument(AcApDocument* pAcTargetDocument, bool bPassScript = false) override;
  int documentCount() const override { return static_cast<int>(m_documents.size()); }

  // The open document behind pDoc, or null when pDoc is not one of them.
  Document* find(const AcApDocument* pDoc) const;
  const std::vector<std::unique_ptr<Document>>& documents() const { return m_documents; }
  // Takes the document over, then tells documentCreateStarted.
  Document* adopt(std::unique_ptr<Document> document);
  // Deletes the document; when it was current, the one before it (else the next) becomes current and active.
  void discard(Document* document);
  // Calls notify on every reactor; one added meanwhile hears from the next event on, one removed is skipped.
  void tellReactors(const std::function<void(AcApDocManagerReactor&)>& notify);

 private:
  DocumentManager() = default;
  bool vetoed(Document& doc, AcAp::DocLockMode myNewMode, const ACHAR* globalCommand);

  std::vector<std::unique_ptr<Document>> m_documents;
  std::vector<AcApDocManagerReactor*> m_reactors;
  Document* m_current = nullptr;
  Document* m_active = nullptr;
};

}  // namespace acadsim
