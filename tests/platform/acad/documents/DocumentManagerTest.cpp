#include <dbapserv.h>

#include <memory>
#include <vector>

#include "DocumentTestSupport.h"

namespace {

// Writes every notification it hears as one word, with the document's title where there is one.
class RecordingDocReactor : public AcApDocManagerReactor {
 public:
  void documentCreateStarted(AcApDocument* d) override { note(u"createStarted", d); }
  void documentCreated(AcApDocument* d) override { note(u"created", d); }
  void documentToBeDestroyed(AcApDocument* d) override { note(u"toBeDestroyed", d); }
  void documentDestroyed(const ACHAR* fileName) override { events += u"destroyed(" + fileNameOf(fileName) + u")"; }
  void documentCreateCanceled(AcApDocument* d) override { note(u"createCanceled", d); }
  void documentBecameCurrent(AcApDocument* d) override { note(u"current", d); }
  void documentToBeActivated(AcApDocument* d) override { note(u"toBeActivated", d); }
  void documentToBeDeactivated(AcApDocument* d) override { note(u"toBeDeactivated", d); }
  void documentActivated(AcApDocument* d) override { note(u"activated", d); }
  void documentLockModeWillChange(AcApDocument* d, AcAp::DocLockMode, AcAp::DocLockMode myNewMode,
                                  AcAp::DocLockMode, const ACHAR*) override {
    note(u"lockWillChange", d);
    if (refuse && myNewMode == AcAp::kXWrite) veto();
  }
  void documentLockModeChangeVetoed(AcApDocument* d, const ACHAR*) override { note(u"lockVetoed", d); }
  void documentLockModeChanged(AcApDocument* d, AcAp::DocLockMode, AcAp::DocLockMode myCurrentMode,
                               AcAp::DocLockMode, const ACHAR* command) override {
    note(u"lockChanged", d);
    lastMode = myCurrentMode;
    lastCommand = command == nullptr ? u"" : command;
  }
  Acad::ErrorStatus vetoOutside() { return veto(); }

  std::u16string events;
  bool refuse = false;
  AcAp::DocLockMode lastMode = AcAp::kNone;
  std::u16string lastCommand;

 private:
  static std::u16string fileNameOf(const ACHAR* path) {
    std::u16string text = path;
    return text.substr(text.find_last_of(u'/') + 1);
  }
  void note(const char16_t* event, AcApDocument* d) {
    events += std::u16string(event) + u"(" + (d ? d->docTitle() : u"null") + u")";
  }
};

class Documents : public HostTest {
 protected:
  void SetUp() override { acDocManager->addReactor(&reactor); }
  void TearDown() override {
    acDocManager->removeReactor(&reactor);
    HostTest::TearDown();
  }
  RecordingDocReactor reactor;
  ScratchFolder folder{"manager"};
};

std::vector<AcApDocument*> OpenDocuments() {
  std::vector<AcApDocument*> docs;
  std::unique_ptr<AcApDocumentIterator> it(acDocManager->newAcApDocumentIterator());
  for (; !it->done(); it->step()) docs.push_back(it->document());
  return docs;
}

}  // namespace

TEST_F(Documents, NoDocumentIsOpenAtFirst) {
  EXPECT_EQ(acDocManager->curDocument(), nullptr);
  EXPECT_EQ(acDocManager->mdiActiveDocument(), nullptr);
  EXPECT_EQ(curDoc(), nullptr);
  EXPECT_EQ(acDocManager->documentCount(), 0);
  EXPECT_TRUE(OpenDocuments().empty());
  EXPECT_EQ(acDocManagerPtr(), acDocManager);
}

TEST_F(Documents, OpeningADrawingMakesItCurrentActiveAndTheWorkingDatabase) {
  const std::u16string path = WriteEmptyDrawing(folder, "plan.dxf");
  AcApDocument* doc = open(path);
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(curDoc(), doc);
  EXPECT_EQ(acDocManager->mdiActiveDocument(), doc);
  EXPECT_EQ(acdbHostApplicationServices()->workingDatabase(), doc->database());
  EXPECT_EQ(acDocManager->document(doc->database()), doc);
  EXPECT_EQ(std::u16string(doc->fileName()), path);
  EXPECT_EQ(std::u16string(doc->docTitle()), u"plan.dxf");
  EXPECT_EQ(doc->docManager(), acDocManager);
  EXPECT_FALSE(doc->isReadOnly());
  EXPECT_TRUE(doc->isQuiescent());
  EXPECT_EQ(StringVariable(u"DWGNAME"), u"plan.dxf");
  EXPECT_EQ(StringVariable(u"DWGPREFIX"), Utf8ToWide(folder.path().string()) + u"/");
  EXPECT_TRUE(doc->isA()->isDerivedFrom(AcApDocument::desc()));
}

TEST_F(Documents, ReactorsFollowAnOpeningFromStartToActivation) {
  AcApDocument* first = open(WriteEmptyDrawing(folder, "first.dxf"));
  reactor.events.clear();
  open(WriteEmptyDrawing(folder, "second.dxf"));
  EXPECT_EQ(reactor.events,
            u"createStarted(second.dxf)current(second.dxf)created(second.dxf)toBeDeactivated(first.dxf)"
            u"toBeActivated(second.dxf)activated(second.dxf)");
  EXPECT_EQ(acDocManager->documentCount(), 2);
  EXPECT_EQ(OpenDocuments().front(), first);
}

TEST_F(Documents, AFileThatCannotBeReadIsNoDocument) {
  std::u16string error;
  EXPECT_EQ(acadsim::OpenDocument(folder.file("missing.dxf"), error), nullptr);
  EXPECT_FALSE(error.empty());
  std::ofstream(folder.path() / "broken.dxf") << "  0\nSECTION\n  2\nENTITIES\n  0\nLINE\n 10\nnot a number\n";
  error.clear();
  EXPECT_EQ(acadsim::OpenDocument(folder.file("broken.dxf"), error), nullptr);
  EXPECT_NE(error.find(u"broken.dxf:"), std::u16string::npos);
  EXPECT_EQ(acDocManager->documentCount(), 0);
  EXPECT_EQ(curDoc(), nullptr);
  EXPECT_EQ(reactor.events, u"createStarted(missing.dxf)createCanceled(missing.dxf)"
                            u"createStarted(broken.dxf)createCanceled(broken.dxf)");
}

TEST_F(Documents, ADrawingWithoutAFileIsNamedAndNumberedAsAutoCADNamesIt) {
  AcApDocument* first = acadsim::NewDocument();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(std::u16string(first->fileName()), u"Drawing1.dwg");
  EXPECT_EQ(std::u16string(first->docTitle()), u"Drawing1.dwg");
  EXPECT_EQ(StringVariable(u"DWGNAME"), u"Drawing1.dwg");
  EXPECT_EQ(StringVariable(u"DWGPREFIX"), Utf8ToWide(std::filesystem::current_path().string()) + u"/");
  AcApDocument* second = acadsim::NewDocument();
  EXPECT_EQ(std::u16string(second->docTitle()), u"Drawing2.dwg");
  acadsim::CloseAllDocuments();
  EXPECT_EQ(std::u16string(acadsim::NewDocument()->docTitle()), u"Drawing1.dwg");
}

TEST_F(Documents, ANewDrawingHoldsTheImperialTemplate) {
  AcApDocument* doc = acadsim::NewDocument();
  ASSERT_NE(doc, nullptr);
  EXPECT_TRUE(doc->database()->layerZero().isValid());
  EXPECT_TRUE(doc->database()->continuousLinetype().isValid());
  resbuf value{};
  ASSERT_EQ(acedGetVar(u"INSUNITS", &value), RTNORM);
  EXPECT_EQ(value.resval.rint, 1);
  ASSERT_EQ(acedGetVar(u"LUNITS", &value), RTNORM);
  EXPECT_EQ(value.resval.rint, 2);
  EXPECT_EQ(StringVariable(u"CLAYER"), u"0");
}

TEST_F(Documents, ClosingTheCurrentDocumentMakesThePreviousOneCurrent) {
  AcApDocument* first = open(WriteEmptyDrawing(folder, "first.dxf"));
  AcApDocument* second = open(WriteEmptyDrawing(folder, "second.dxf"));
  AcApDocument* third = open(WriteEmptyDrawing(folder, "third.dxf"));
  reactor.events.clear();
  EXPECT_TRUE(acadsim::CloseDocument(third));
  EXPECT_EQ(curDoc(), second);
  EXPECT_EQ(acDocManager->mdiActiveDocument(), second);
  EXPECT_EQ(acdbHostApplicationServices()->workingDatabase(), second->database());
  EXPECT_EQ(StringVariable(u"DWGNAME"), u"second.dxf");
  EXPECT_EQ(reactor.events,
            u"toBeDestroyed(third.dxf)toBeActivated(second.dxf)current(second.dxf)activated(second.dxf)"
            u"destroyed(third.dxf)");
  EXPECT_TRUE(acadsim::CloseDocument(first));
  EXPECT_EQ(curDoc(), second);
  EXPECT_FALSE(acadsim::CloseDocument(first));
  EXPECT_TRUE(acadsim::CloseDocument(second));
  EXPECT_EQ(curDoc(), nullptr);
  EXPECT_EQ(acDocManager->mdiActiveDocument(), nullptr);
  EXPECT_EQ(acdbHostApplicationServices()->workingDatabase(), nullptr);
}

TEST_F(Documents, ClosingTheFirstOfSeveralMakesTheNextOneCurrent) {
  AcApDocument* first = open(WriteEmptyDrawing(folder, "first.dxf"));
  AcApDocument* second = open(WriteEmptyDrawing(folder, "second.dxf"));
  ASSERT_EQ(acDocManager->setCurDocument(first, AcAp::kNone, true), Acad::eOk);
  EXPECT_TRUE(acadsim::CloseDocument(first));
  EXPECT_EQ(curDoc(), second);
  EXPECT_EQ(acDocManager->documentCount(), 1);
}

TEST_F(Documents, SetCurDocumentChangesTheWorkingDatabaseAndActivationOnlyWhenAsked) {
  AcApDocument* first = open(WriteEmptyDrawing(folder, "first.dxf"));
  AcApDocument* second = open(WriteEmptyDrawing(folder, "second.dxf"));
  reactor.events.clear();
  EXPECT_EQ(acDocManager->setCurDocument(first), Acad::eOk);
  EXPECT_EQ(curDoc(), first);
  EXPECT_EQ(acDocManager->mdiActiveDocument(), second);
  EXPECT_EQ(acdbHostApplicationServices()->workingDatabase(), first->database());
  EXPECT_EQ(StringVariable(u"DWGNAME"), u"first.dxf");
  EXPECT_EQ(reactor.events, u"current(first.dxf)");
  EXPECT_EQ(acDocManager->setCurDocument(first), Acad::eOk);
  EXPECT_EQ(reactor.events, u"current(first.dxf)");
  EXPECT_EQ(acDocManager->activateDocument(first), Acad::eOk);
  EXPECT_EQ(acDocManager->mdiActiveDocument(), first);
  EXPECT_EQ(acDocManager->setCurDocument(nullptr), Acad::eInvalidInput);
  EXPECT_EQ(acDocManager->activateDocument(nullptr), Acad::eInvalidInput);
}

TEST_F(Documents, TheIteratorWalksTheDocumentsInOpeningOrderAndSurvivesAClose) {
  AcApDocument* first = open(WriteEmptyDrawing(folder, "first.dxf"));
  AcApDocument* second = acadsim::NewDocument();
  EXPECT_EQ(OpenDocuments(), (std::vector<AcApDocument*>{first, second}));
  std::unique_ptr<AcApDocumentIterator> it(acDocManager->newAcApDocumentIterator());
  EXPECT_EQ(it->document(), first);
  it->step();
  it->step();
  EXPECT_TRUE(it->done());
  EXPECT_EQ(it->document(), nullptr);
  it->step();
  EXPECT_TRUE(it->done());
}

TEST_F(Documents, LocksStackAndTellReactorsTheModeAndCommand) {
  AcApDocument* doc = acadsim::NewDocument();
  EXPECT_EQ(doc->lockMode(), AcAp::kNotLocked);
  reactor.events.clear();
  EXPECT_EQ(acDocManager->lockDocument(doc, AcAp::kWrite, u"PEEK"), Acad::eOk);
  EXPECT_EQ(doc->lockMode(), AcAp::kWrite);
  EXPECT_EQ(doc->myLockMode(), AcAp::kWrite);
  EXPECT_EQ(reactor.lastMode, AcAp::kWrite);
  EXPECT_EQ(reactor.lastCommand, u"PEEK");
  EXPECT_EQ(acDocManager->lockDocument(doc, AcAp::kRead), Acad::eOk);
  EXPECT_EQ(doc->lockMode(), AcAp::kRead);
  EXPECT_EQ(acDocManager->unlockDocument(doc), Acad::eOk);
  EXPECT_EQ(doc->lockMode(), AcAp::kWrite);
  EXPECT_EQ(acDocManager->unlockDocument(doc), Acad::eOk);
  EXPECT_EQ(doc->lockMode(), AcAp::kNotLocked);
  EXPECT_EQ(reactor.lastMode, AcAp::kNotLocked);
  EXPECT_EQ(reactor.lastCommand, u"PEEK");
  EXPECT_EQ(acDocManager->unlockDocument(doc), Acad::eNotApplicable);
  EXPECT_EQ(reactor.events, u"lockWillChange(Drawing1.dwg)lockChanged(Drawing1.dwg)lockWillChange(Drawing1.dwg)"
                            u"lockChanged(Drawing1.dwg)lockChanged(Drawing1.dwg)lockChanged(Drawing1.dwg)");
}

TEST_F(Documents, AReactorMayVetoALockButOnlyWhileItIsAsked) {
  AcApDocument* doc = acadsim::NewDocument();
  reactor.refuse = true;
  reactor.events.clear();
  EXPECT_EQ(acDocManager->lockDocument(doc, AcAp::kXWrite), Acad::eNotApplicable);
  EXPECT_EQ(doc->lockMode(), AcAp::kNotLocked);
  EXPECT_EQ(reactor.events, u"lockWillChange(Drawing1.dwg)lockVetoed(Drawing1.dwg)");
  EXPECT_EQ(acDocManager->lockDocument(doc, AcAp::kWrite), Acad::eOk);
  EXPECT_EQ(acDocManager->unlockDocument(doc), Acad::eOk);
  EXPECT_EQ(reactor.vetoOutside(), Acad::eNotApplicable);
}

TEST_F(Documents, LocksAndLookupsRefuseADocumentThatIsNotOpen) {
  AcApDocument* doc = acadsim::NewDocument();
  ASSERT_TRUE(acadsim::CloseDocument(doc));
  EXPECT_EQ(acDocManager->lockDocument(doc), Acad::eInvalidInput);
  EXPECT_EQ(acDocManager->unlockDocument(doc), Acad::eInvalidInput);
  EXPECT_EQ(acDocManager->lockDocument(nullptr), Acad::eInvalidInput);
  EXPECT_EQ(acDocManager->document(nullptr), nullptr);
  EXPECT_EQ(acadsim::DocumentLispFunctions(doc), nullptr);
  EXPECT_FALSE(acadsim::CloseDocument(nullptr));
}

TEST_F(Documents, SetCurDocumentWithAModeLocksTheDocument) {
  AcApDocument* doc = acadsim::NewDocument();
  EXPECT_EQ(acDocManager->setCurDocument(doc, AcAp::kWrite), Acad::eOk);
  EXPECT_EQ(doc->lockMode(), AcAp::kWrite);
  EXPECT_EQ(acDocManager->unlockDocument(doc), Acad::eOk);
}

TEST_F(Documents, AReactorAddedTwiceHearsOnceAndARemovedOneNotAtAll) {
  acDocManager->addReactor(&reactor);
  acadsim::NewDocument();
  EXPECT_EQ(reactor.events,
            u"createStarted(Drawing1.dwg)current(Drawing1.dwg)created(Drawing1.dwg)toBeActivated(Drawing1.dwg)"
            u"activated(Drawing1.dwg)");
  acDocManager->removeReactor(&reactor);
  reactor.events.clear();
  acadsim::NewDocument();
  EXPECT_EQ(reactor.events, u"");
  acDocManager->removeReactor(nullptr);
}
