// The document manager: the open drawings, which one is current, their locks and the reactors that follow them.
#pragma once
#include "AdAChar.h"
#include "acadstrc.h"
#include "rxboiler.h"
#include "rxobject.h"

class AcDbDatabase;
class AcApDocManager;
namespace acadsim {
class DocumentManager;
}  // namespace acadsim

struct AcAp {
  enum DocLockMode {
    kNone = 0x00,
    kAutoWrite = 0x01,
    kNotLocked = 0x02,
    kWrite = 0x04,
    kProtectedAutoWrite = 0x14,
    kRead = 0x20,
    kXWrite = 0x40
  };
};

// One open drawing. The host owns it; it lives from documentCreated to documentToBeDestroyed.
class AcEdInputPointManager;

class AcApDocument : public AcRxObject {
 public:
  ACRX_DECLARE_MEMBERS(AcApDocument);
  // The full path of the drawing's file; for a drawing never saved, its name alone ("Drawing1.dwg").
  virtual const ACHAR* fileName() const = 0;
  virtual AcApDocManager* docManager() const = 0;
  virtual AcDbDatabase* database() const = 0;
  // The lock held now (the innermost one), kNotLocked when none is held.
  virtual AcAp::DocLockMode lockMode(bool bIncludeMyLocks = false) const = 0;
  virtual AcAp::DocLockMode myLockMode() const = 0;
  // True when no command of the document is in progress (CMDACTIVE is 0).
  virtual bool isQuiescent() const = 0;
  // The file name without its folder, as the drawing window's title shows it.
  virtual const ACHAR* docTitle() const = 0;
  virtual bool isReadOnly() const = 0;
  // The document's input point monitors; never null for an open document.
  virtual AcEdInputPointManager* inputPointManager() = 0;
};

// Walks the open documents in the order they were opened. The caller deletes it.
class AcApDocumentIterator : public AcRxObject {
 public:
  ACRX_DECLARE_MEMBERS(AcApDocumentIterator);
  virtual bool done() const = 0;
  virtual void step() = 0;
  virtual AcApDocument* document() = 0;
};

// Every notification does nothing unless overridden.
class AcApDocManagerReactor : public AcRxObject {
 public:
  ACRX_DECLARE_MEMBERS(AcApDocManagerReactor);
  virtual void documentCreateStarted(AcApDocument* pDocCreating);
  virtual void documentCreated(AcApDocument* pDocCreating);
  virtual void documentToBeDestroyed(AcApDocument* pDocToDestroy);
  virtual void documentDestroyed(const ACHAR* fileName);
  virtual void documentCreateCanceled(AcApDocument* pDocCreateCancelled);
  virtual void documentLockModeWillChange(AcApDocument*, AcAp::DocLockMode myCurrentMode,
                                          AcAp::DocLockMode myNewMode, AcAp::DocLockMode currentMode,
                                          const ACHAR* pGlobalCmdName);
  virtual void documentLockModeChangeVetoed(AcApDocument*, const ACHAR* pGlobalCmdName);
  virtual void documentLockModeChanged(AcApDocument*, AcAp::DocLockMode myPreviousMode,
                                       AcAp::DocLockMode myCurrentMode, AcAp::DocLockMode currentMode,
                                       const ACHAR* pGlobalCmdName);
  virtual void documentBecameCurrent(AcApDocument*);
  virtual void documentToBeActivated(AcApDocument* pActivatingDoc);
  virtual void documentToBeDeactivated(AcApDocument* pDeActivatedDoc);
  virtual void documentActivationModified(bool bActivation);
  virtual void documentActivated(AcApDocument* pActivatedDoc);

 protected:
  AcApDocManagerReactor() = default;
  // Called inside documentLockModeWillChange: the lock is refused (documentLockModeChangeVetoed follows).
  // eNotApplicable outside that notification.
  Acad::ErrorStatus veto();

 private:
  friend class acadsim::DocumentManager;
  bool mAsking = false;
  bool mVeto = false;
};

class AcApDocManager : public AcRxObject {
 public:
  ACRX_DECLARE_MEMBERS(AcApDocManager);
  // The document commands and ObjectARX calls act on; null when no drawing is open.
  virtual AcApDocument* curDocument() const = 0;
  // The document whose window is active; the host has one window at a time, so the current one.
  virtual AcApDocument* mdiActiveDocument() const = 0;
  // The document whose database is pDb, or null.
  virtual AcApDocument* document(const AcDbDatabase* pDb) const = 0;
  // Locks stack: each lockDocument pairs with one unlockDocument. The host runs one execution context,
  // so a lock is refused only by a reactor's veto (eNotApplicable) or for a document not open (eInvalidInput).
  virtual Acad::ErrorStatus lockDocument(AcApDocument* pDoc, AcAp::DocLockMode mode = AcAp::kWrite,
                                         const ACHAR* pGlobalCmdName = nullptr,
                                         const ACHAR* pLocalCmdName = nullptr, bool prompt = true) = 0;
  // eNotApplicable when the document holds no lock; eInvalidInput for a document not open.
  virtual Acad::ErrorStatus unlockDocument(AcApDocument* pDoc) = 0;
  virtual AcApDocumentIterator* newAcApDocumentIterator() = 0;
  // A reactor added twice is told once.
  virtual void addReactor(AcApDocManagerReactor*) = 0;
  virtual void removeReactor(AcApDocManagerReactor*) = 0;
  // Makes pDoc current (its database the working one; DWGNAME and DWGPREFIX follow). With a mode other
  // than kNone the document is locked too; with activate it also becomes the active document.
  virtual Acad::ErrorStatus setCurDocument(AcApDocument* pDoc, AcAp::DocLockMode mode = AcAp::kNone,
                                           bool activate = false) = 0;
  virtual Acad::ErrorStatus activateDocument(AcApDocument* pAcTargetDocument, bool bPassScript = false) = 0;
  virtual int documentCount() const = 0;
};

// The host's document manager; it exists for the whole session.
AcApDocManager* acDocManagerPtr();
#define acDocManager acDocManagerPtr()

inline AcApDocument* curDoc() { return ::acDocManager->curDocument(); }
