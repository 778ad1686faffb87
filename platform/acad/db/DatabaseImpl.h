// The inside of a database: object stubs by handle, the well-known object ids, header variables and classes.
#pragma once
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include <acadsim/DxfData.h>
#include <dbmain.h>

namespace acadsim {
struct DatabaseImpl;
}

// What an object id points to: the object (null for a handle referred to but never defined) and its handle.
class AcDbStub {
 public:
  AcDbObject* object = nullptr;
  acadsim::DatabaseImpl* db = nullptr;
  uint64_t handle = 0;
  uint64_t index = 0;  // position in the database's stub list; the entity name's first half
};

namespace acadsim {

// One CLASSES entry of the drawing.
struct DxfClassEntry {
  std::u16string dxfName, className, appName;
  int proxyFlags = 0;
  bool isEntity = false;
};

struct DatabaseImpl {
  explicit DatabaseImpl(AcDbDatabase* owner);
  ~DatabaseImpl();
  DatabaseImpl(const DatabaseImpl&) = delete;
  DatabaseImpl& operator=(const DatabaseImpl&) = delete;

  // The file the drawing was read from (absolute), empty for a drawing made in memory.
  std::u16string fileName;

  // The stub of a handle, made (without object) when the handle is first referred to.
  AcDbStub* stubForHandle(uint64_t handle);
  AcDbStub* findStub(uint64_t handle) const;
  // Makes obj resident under handle; a null handle or one already defined gets the next free handle (the
  // handseed, raised past every handle seen), as AutoCAD gives handles on reading.
  AcDbObjectId addObject(AcDbObject* obj, uint64_t handle = 0);
  void noteHandleSeen(uint64_t handle);
  // The handseed or the next handle above it that is free (never 0), which it then passes.
  uint64_t takeFreeHandle();
  // Makes obj resident (addObject) and sets its id and owner.
  AcDbObjectId adopt(AcDbObject* obj, uint64_t handle, AcDbObjectId ownerId);
  static void setOwner(AcDbObject* obj, AcDbObjectId ownerId) { obj->mOwnerId = ownerId; }
  static Acad::ErrorStatus open(AcDbObject* obj, AcDb::OpenMode mode, bool openErased) {
    return obj->openAs(mode, openErased);
  }
  static DxfData& xdataOf(AcDbObject* obj) { return obj->mXData; }
  // While reading, objects without a usable handle wait for one until every handle of the file is known.
  void beginDeferringHandles() { deferHandles = true; }
  void assignDeferredHandles();
  // The stub named by an entity name, or null when the name names nothing of this database.
  AcDbStub* stubByIndex(uint64_t index) const { return index < stubs.size() ? stubs[index].get() : nullptr; }
  uint64_t serial() const { return serialNumber; }
  // Bumped whenever an object is added, erased or unerased, or opened for write, so caches built from the
  // entities (the pick index) know when to rebuild. The stubs changed are logged until the log is full;
  // a change without a stub (the whole database) or a full log sets changeLogOverflowed.
  void noteChange(AcDbStub* changed = nullptr) {
    ++changeCount;
    if (changed != nullptr && changedStubs.size() < kChangeLogLimit) changedStubs.push_back(changed);
    else changeLogOverflowed = true;
  }
  static constexpr size_t kChangeLogLimit = 4096;

  void setHeader(const std::string& name, const DxfData& value);
  // The groups of a header variable ("$LUNITS"), or null when the drawing does not set it.
  const DxfData* header(std::string_view name) const;
  // Host: 16-bit, real and string values of header variables, with a fallback.
  int headerInt(std::string_view name, int fallback) const;
  double headerReal(std::string_view name, double fallback) const;

  // Swaps contents with other (the reader fills a fresh one), keeping each owner.
  void swapContents(DatabaseImpl& other);

  AcDbDatabase* owner;
  uint64_t serialNumber;
  std::deque<std::unique_ptr<AcDbStub>> stubs;
  std::unordered_map<uint64_t, AcDbStub*> byHandle;
  uint64_t handseed = 1;
  uint64_t changeCount = 0;
  std::vector<AcDbStub*> changedStubs;  // emptied by the one who reads it (the pick index)
  bool changeLogOverflowed = false;
  bool deferHandles = false;
  std::vector<AcDbStub*> awaitingHandles;

  AcDbObjectId blockTable, layerTable, linetypeTable, textStyleTable, dimStyleTable, regAppTable, viewportTable,
      viewTable, ucsTable, namedObjects;
  AcDbObjectId modelSpace, paperSpace;  // *Model_Space and the active *Paper_Space
  AcDbObjectId layerZero, byLayerLinetype, byBlockLinetype, continuousLinetype;

  std::vector<std::pair<std::string, DxfData>> headerVariables;  // file order; names upper case
  std::unordered_map<std::string, size_t> headerIndex;
  std::vector<DxfClassEntry> classes;

  // The layers entities name while a file is read, by the name's exact UTF-8 bytes.
  struct TextHash {
    using is_transparent = void;
    size_t operator()(std::string_view s) const { return std::hash<std::string_view>()(s); }
  };
  std::unordered_map<std::string, AcDbObjectId, TextHash, std::equal_to<>> layersByUtf8Name;
  // Layers whose linetype was not yet defined when they were read, with the name; resolved once the whole
  // file is read, since a file may put the LTYPE table after the LAYER table.
  std::vector<std::pair<AcDbObjectId, std::u16string>> layerLinetypeNames;
  // The type name a file wrote for an object where it differs from its class's DXF name (the old
  // "MLEADER" for an AcDbMLeader, an enabler class under another name); proxies keep theirs themselves.
  std::unordered_map<const AcDbStub*, std::u16string> writtenTypeNames;
};

// The database whose entity names carry this serial, or null once it is gone.
DatabaseImpl* databaseBySerial(uint64_t serial);

// Case-insensitive comparison of symbol names (ASCII letters; other characters compare exactly).
bool equalNoCase(std::u16string_view a, std::u16string_view b);
std::u16string upperCase(std::u16string_view s);

// The object an id names, as class T, without opening it (for the host's own reads); null if it is not one.
template <class T>
T* peek(AcDbObjectId id) {
  AcDbStub* stub = id;
  return stub && stub->object ? T::cast(stub->object) : nullptr;
}

// The run-time class of that name in the class dictionary, or null.
AcRxClass* classNamed(const std::u16string& name);

// The host's working database, or null.
AcDbDatabase* workingDatabaseOrNull();

// A copy the caller frees with acutDelString.
ACHAR* newHostString(std::u16string_view s);

}  // namespace acadsim
