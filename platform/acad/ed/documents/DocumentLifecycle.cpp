// Opening, creating and closing documents, with the messages modules and reactors get on the way.
#include <acadsim/AppMessages.h>
#include <acadsim/Documents.h>
#include <acadsim/DxfReader.h>
#include <qvwide.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>

#include "DocumentManager.h"

namespace acadsim {
namespace {

int& NewDrawingCount() {
  static int count = 0;
  return count;
}

// The document exists for reactors from documentCreateStarted on; modules hear of it while it is current.
AcApDocument* Start(DocumentManager& manager, Document* doc) {
  manager.setCurDocument(doc);
  BroadcastAppMessage(AcRx::kLoadDwgMsg);
  if (manager.find(doc) == nullptr) return nullptr;
  manager.tellReactors([&](AcApDocManagerReactor& r) { r.documentCreated(doc); });
  manager.activateDocument(doc);
  return manager.find(doc);
}

}  // namespace

AcApDocument* OpenDocument(const std::u16string& path, std::u16string& error) {
  namespace fs = std::filesystem;
  DocumentManager& manager = DocumentManager::instance();
  std::error_code ec;
  const fs::path absolute = fs::absolute(fs::path(WideToUtf8(path)), ec).lexically_normal();
  const std::string file = ec ? WideToUtf8(path) : absolute.string();
  auto doc = std::make_unique<Document>(&manager, std::make_unique<AcDbDatabase>(false, false), Utf8ToWide(file),
                                        access(file.c_str(), W_OK) != 0);
  manager.tellReactors([&](AcApDocManagerReactor& r) { r.documentCreateStarted(doc.get()); });
  DxfError dxfError;
  if (!readDxf(file, *doc->database(), dxfError)) {
    error = Utf8ToWide(formatDxfError(WideToUtf8(path), dxfError));
    manager.tellReactors([&](AcApDocManagerReactor& r) { r.documentCreateCanceled(doc.get()); });
    return nullptr;
  }
  return Start(manager, manager.adopt(std::move(doc)));
}

AcApDocument* NewDocument() {
  DocumentManager& manager = DocumentManager::instance();
  const std::u16string name = u"Drawing" + Utf8ToWide(std::to_string(++NewDrawingCount())) + u".dwg";
  auto doc = std::make_unique<Document>(&manager, std::make_unique<AcDbDatabase>(true, false), name, false);
  manager.tellReactors([&](AcApDocManagerReactor& r) { r.documentCreateStarted(doc.get()); });
  return Start(manager, manager.adopt(std::move(doc)));
}

bool CloseDocument(AcApDocument* pDoc) {
  DocumentManager& manager = DocumentManager::instance();
  Document* doc = manager.find(pDoc);
  if (doc == nullptr || doc->closing) return false;
  doc->closing = true;
  AcApDocument* previous = manager.curDocument();
  manager.tellReactors([&](AcApDocManagerReactor& r) { r.documentToBeDestroyed(doc); });
  manager.setCurDocument(doc);
  BroadcastAppMessage(AcRx::kUnloadDwgMsg);
  if (manager.find(doc) == nullptr) return true;
  const std::u16string fileName = doc->fileName();
  manager.discard(doc);
  if (previous != pDoc && manager.find(previous) != nullptr) manager.setCurDocument(previous);
  manager.tellReactors([&](AcApDocManagerReactor& r) { r.documentDestroyed(fileName.c_str()); });
  return true;
}

void CloseAllDocuments() {
  DocumentManager& manager = DocumentManager::instance();
  while (!manager.documents().empty()) CloseDocument(manager.documents().back().get());
  NewDrawingCount() = 0;
}

const LispFunctionTable* DocumentLispFunctions(const AcApDocument* doc) {
  const Document* found = DocumentManager::instance().find(doc);
  return found == nullptr ? nullptr : &found->lispFunctions();
}

}  // namespace acadsim
