#include "DescribeCommand.h"

#include <string>
#include <vector>

#include "DrawingEntities.h"
#include "EntityListing.h"
#include "acadsim/CommandLine.h"
#include "acadsim/DxfReader.h"
#include "dbapserv.h"
#include "dbmain.h"
#include "qvwide.h"
#include <windows.h>
#include "quillview/QuillviewApi.h"
#include "rxdlinkr.h"
#include "rxregsvc.h"

namespace acadsim {
namespace {

std::u16string defaultModulePath() {
  WCHAR path[MAX_PATH];
  DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::u16string self(path, n < MAX_PATH ? n : 0);
  return self.substr(0, self.find_last_of(u'/') + 1) + u"quillview.arx";
}

// The entities the handles name, in the order given; unknown ones are reported.
std::vector<AcDbObjectId> entitiesOfHandles(AcDbDatabase& db, const std::vector<std::string>& handles,
                                            std::ostream& err, bool& complete) {
  std::vector<AcDbObjectId> ids;
  for (const std::string& text : handles) {
    AcDbObjectId id;
    AcDbHandle handle(static_cast<Adesk::UInt64>(std::stoull(text, nullptr, 16)));
    AcDbEntity* entity = nullptr;
    if (db.getAcDbObjectId(id, false, handle) == Acad::eOk && acdbOpenAcDbEntity(entity, id, AcDb::kForRead) == Acad::eOk) {
      entity->close();
      ids.push_back(id);
    } else {
      err << "no entity with handle " << text << "\n";
      complete = false;
    }
  }
  return ids;
}

// Loads the module as the host loads ARX modules, and unloads it again when done.
class LoadedModule {
 public:
  explicit LoadedModule(std::u16string path) : m_path(std::move(path)) {
    m_loaded = acrxDynamicLinker->loadModule(m_path.c_str(), true);
  }
  ~LoadedModule() {
    if (m_loaded) acrxDynamicLinker->unloadModule(m_path.c_str());
  }
  LoadedModule(const LoadedModule&) = delete;
  LoadedModule& operator=(const LoadedModule&) = delete;
  QuillviewDescribeEntityFn describeEntry() const {
    if (!m_loaded) return nullptr;
    return reinterpret_cast<QuillviewDescribeEntityFn>(
        acrxDynamicLinker->getSymbolAddress(m_path.c_str(), u"" QUILLVIEW_DESCRIBE_ENTITY_EXPORT));
  }

 private:
  std::u16string m_path;
  bool m_loaded = false;
};

// Makes the drawing the working database while it lives.
class WorkingDatabase {
 public:
  explicit WorkingDatabase(AcDbDatabase* db) : m_previous(acdbHostApplicationServices()->workingDatabase()) {
    acdbHostApplicationServices()->setWorkingDatabase(db);
  }
  ~WorkingDatabase() { acdbHostApplicationServices()->setWorkingDatabase(m_previous); }
  WorkingDatabase(const WorkingDatabase&) = delete;
  WorkingDatabase& operator=(const WorkingDatabase&) = delete;

 private:
  AcDbDatabase* m_previous;
};

}  // namespace

int RunDescribe(const DescribeOptions& options, std::ostream& out, std::ostream& err) {
  ScopedCommandLineSink toStderr([&err](std::u16string_view text) { err << WideToUtf8(text); });

  AcDbDatabase db(false, true);
  DxfError dxfError;
  if (!readDxf(options.drawing, db, dxfError)) {
    err << formatDxfError(options.drawing, dxfError) << "\n";
    return 1;
  }
  WorkingDatabase working(&db);

  const std::u16string modulePath = options.modulePath.empty() ? defaultModulePath() : Utf8ToWide(options.modulePath);
  LoadedModule module(modulePath);
  QuillviewDescribeEntityFn describeEntity = module.describeEntry();
  if (!describeEntity) {
    err << "cannot load the module " << WideToUtf8(modulePath) << "\n";
    return 1;
  }

  bool complete = true;
  const std::vector<AcDbObjectId> ids = options.handles.empty()
                                            ? EntitiesOfSpaces(db, options.space)
                                            : entitiesOfHandles(db, options.handles, err, complete);
  for (AcDbObjectId id : ids) {
    AcDbEntity* entity = nullptr;
    if (Acad::ErrorStatus es = acdbOpenAcDbEntity(entity, id, AcDb::kForRead); es != Acad::eOk) {
      err << "cannot open entity " << WideToUtf8(HandleText(id)) << ": " << "error status " << static_cast<int>(es) << "\n";
      complete = false;
      continue;
    }
    out << WideToUtf8(ListingEntry(describeEntity, entity));
    entity->close();
  }
  out.flush();
  return complete ? 0 : 1;
}

}  // namespace acadsim
