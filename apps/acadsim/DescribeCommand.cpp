#include "DescribeCommand.h"

#include <string>
#include <vector>

#include "DrawingEntities.h"
#include "EntityListing.h"
#include "LoadedModule.h"
#include "acadsim/CommandLine.h"
#include "acadsim/DxfReader.h"
#include "dbapserv.h"
#include "dbmain.h"
#include "qvwide.h"
#include <windows.h>
#include "quillview/QuillviewApi.h"

namespace acadsim {
namespace {

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

  const std::u16string modulePath = options.modulePath.empty() ? DefaultModulePath() : Utf8ToWide(options.modulePath);
  LoadedModule module(modulePath);
  auto describeEntity =
      reinterpret_cast<QuillviewDescribeEntityFn>(module.Symbol(u"" QUILLVIEW_DESCRIBE_ENTITY_EXPORT));
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
