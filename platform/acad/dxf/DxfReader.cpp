// Reads a DXF drawing section by section into a fresh database, which replaces the target only when whole.
#include <acadsim/DxfReader.h>
#include <acadsim/ObjectEnablers.h>
#include <dbdict.h>
#include <dbents.h>
#include <dbsymtb.h>
#include <qvwide.h>
#include <rxclass.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "../db/DatabaseImpl.h"
#include "../db/DatabaseSetup.h"
#include "../db/DxfResbuf.h"
#include "DxfClassMap.h"
#include "DxfReadFiler.h"
#include "DxfTextDecoder.h"
#include "DxfTokenizer.h"

namespace acadsim {
namespace {

class Reader {
 public:
  Reader(const char* data, size_t size, AcDbDatabase& target, DxfError& err)
      : tok_(data, size), target_(target), db_(target.impl()), err_(err) {}

  bool run();

 private:
  // Groups
  bool next(DxfToken& t);
  void pushBack(const DxfToken& t) {
    pending_ = t;
    hasPending_ = true;
  }
  bool fail(const DxfToken& at, std::string message) {
    err_ = tok_.errorAt(at, std::move(message));
    return false;
  }
  bool failTokenizer(const char* context);
  bool expect(DxfToken& t, int code, const char* context);
  // Reads the groups after a (0, TYPE) group up to the next group 0 into object_, decoded and points merged.
  bool readRecord();
  bool addGroup(const DxfToken& t);

  // Sections
  bool readSection();
  bool readHeader();
  bool readClasses();
  bool readTables();
  bool readTable(const DxfToken& tableToken);
  bool readEntities(bool blocksSection);
  bool readObjects();
  bool skipSection();

  // Objects
  AcDbObject* makeObject(bool entitySection);
  // Notes the record's type name when the object's class goes by another DXF name.
  void keepWrittenTypeName(const AcDbObject* obj);
  bool finishObject(const DxfToken& typeToken, AcDbObject* obj, AcDbObjectId owner, AcDbObjectId& id);
  uint64_t recordHandle() const;
  bool placeEntity(const DxfToken& typeToken, AcDbEntity* entity, bool blocksSection);
  void foldMTextColumns();
  void commonGroupsFirst();

  DxfTokenizer tok_;
  AcDbDatabase& target_;
  DatabaseImpl& db_;
  DxfError& err_;
  DxfTextDecoder decoder_;
  DxfToken pending_;
  bool hasPending_ = false;
  DxfData object_;        // the current record's groups
  DxfData reordered_;     // scratch of commonGroupsFirst
  std::string text_;      // decoding scratch
  std::string bytes_;     // binary chunk scratch
  std::string typeName_;  // the current record's type
  std::unordered_map<std::string, size_t> classesByDxfName_;  // index into db_.classes by UTF-8 DXF name
  // Block and subentity context of the ENTITIES and BLOCKS sections.
  AcDbBlockTableRecord* block_ = nullptr;
  AcDbEntity* complexParent_ = nullptr;  // a POLYLINE or an INSERT with attributes, until its SEQEND
  bool firstObject_ = true;
};

bool Reader::next(DxfToken& t) {
  if (hasPending_) {
    t = pending_;
    hasPending_ = false;
    return true;
  }
  while (tok_.next(t)) {
    if (t.code != 999) return true;  // comments are not part of the drawing
  }
  return false;
}

bool Reader::failTokenizer(const char* context) {
  if (tok_.failed()) {
    err_ = tok_.error();
    return false;
  }
  DxfToken end;
  end.line = tok_.linesRead();
  end.offset = tok_.bytesRead();
  err_ = tok_.errorAt(end, std::string("unexpected end of file ") + context);
  return false;
}

bool Reader::expect(DxfToken& t, int code, const char* context) {
  if (!next(t)) return failTokenizer(context);
  if (t.code != code)
    return fail(t, "expected group code " + std::to_string(code) + " " + context + ", found " + std::to_string(t.code));
  return true;
}

bool Reader::addGroup(const DxfToken& t) {
  switch (t.kind) {
    case DxfGroupKind::String:
      text_.clear();
      decoder_.appendUtf8(t.text, text_);
      object_.addString(t.code, text_);
      return true;
    case DxfGroupKind::Binary:
      if (tok_.isBinary()) {
        object_.addBinary(t.code, t.text);
      } else {
        if (!decodeDxfHex(t.text, bytes_)) return fail(t, "invalid hexadecimal data for group code " + std::to_string(t.code));
        object_.addBinary(t.code, bytes_);
      }
      return true;
    case DxfGroupKind::Real:
      if (dxfIsPointX(t.code)) {
        double xyz[3] = {t.real, 0.0, 0.0};
        int dims = 1;
        DxfToken c;
        for (int axis = 1; axis <= 2; ++axis) {
          if (!next(c)) break;
          if (c.code != t.code + 10 * axis || c.kind != DxfGroupKind::Real) {
            pushBack(c);
            break;
          }
          xyz[axis] = c.real;
          dims = axis + 1;
        }
        if (dims == 1) object_.addReal(t.code, t.real);  // a lone X stays a real, as written
        else object_.addPoint(t.code, xyz, dims);
        return !tok_.failed() || failTokenizer("");
      }
      object_.addReal(t.code, t.real);
      return true;
    default:
      object_.addInteger(t.code, t.integer);
      return true;
  }
}

bool Reader::readRecord() {
  object_.clear();
  DxfToken t;
  while (next(t)) {
    if (t.code == 0) {
      pushBack(t);
      return true;
    }
    if (!addGroup(t)) return false;
  }
  return failTokenizer(("in " + typeName_ + " (the section has no ENDSEC)").c_str());
}

uint64_t Reader::recordHandle() const {
  for (size_t i = 0; i < object_.size(); ++i) {
    int code = object_.code(i);
    if (code == 5 || code == 105) return parseHandle(object_.string(i));
    if (code == 100 || code == 1001) break;
  }
  return 0;
}

AcDbObject* Reader::makeObject(bool entitySection) {
  auto entry = classesByDxfName_.find(typeName_);
  return newObjectForDxfType(typeName_, object_, entry == classesByDxfName_.end() ? nullptr : &db_.classes[entry->second],
                             entitySection);
}

void Reader::keepWrittenTypeName(const AcDbObject* obj) {
  if (obj->isAProxy()) return;
  const ACHAR* classDxfName = obj->isA()->dxfName();
  std::u16string_view own = classDxfName ? std::u16string_view(classDxfName) : std::u16string_view();
  bool same = own.size() == typeName_.size();
  for (size_t i = 0; same && i < own.size(); ++i) same = own[i] == static_cast<unsigned char>(typeName_[i]);
  if (!same) db_.writtenTypeNames[obj->objectId()] = Utf8ToWide(typeName_);
}

bool Reader::finishObject(const DxfToken& typeToken, AcDbObject* obj, AcDbObjectId owner, AcDbObjectId& id) {
  id = db_.adopt(obj, recordHandle(), owner);
  size_t xdataStart = object_.size();
  for (size_t i = 0; i < object_.size(); ++i) {
    if (object_.code(i) == 1001) {
      xdataStart = i;
      break;
    }
  }
  DxfReadFiler filer(&target_, object_, xdataStart);
  Acad::ErrorStatus es = obj->dxfInFields(&filer);
  if (es != Acad::eOk) {
    std::string why = filer.errorMessage().empty() ? "" : ": " + WideToUtf8(filer.errorMessage());
    return fail(typeToken, "cannot read " + typeName_ + why);
  }
  if (!owner.isNull()) DatabaseImpl::setOwner(obj, owner);
  obj->dxfSubclassData().assignRange(object_, filer.subclassDataStart(), xdataStart);
  if (xdataStart < object_.size()) DatabaseImpl::xdataOf(obj).assignRange(object_, xdataStart, object_.size());
  return true;
}

bool Reader::readHeader() {
  DxfToken t;
  std::string name;
  DxfData value;
  auto flush = [&]() {
    if (name.empty()) return;
    db_.setHeader(name, value);
    if (name == "$ACADVER" && !value.empty() && value.type(0) == DxfData::Type::String) decoder_.setVersion(value.string(0));
    if (name == "$DWGCODEPAGE" && !value.empty() && value.type(0) == DxfData::Type::String) decoder_.setCodePage(value.string(0));
    if (name == "$HANDSEED" && !value.empty() && value.type(0) == DxfData::Type::String) {
      uint64_t seed = parseHandle(value.string(0));
      if (seed > 0) db_.noteHandleSeen(seed - 1);
    }
  };
  while (next(t)) {
    if (t.code == 0) {
      flush();
      if (t.text != "ENDSEC") return fail(t, "expected ENDSEC to end the HEADER section, found '" + std::string(t.text) + "'");
      return true;
    }
    if (t.code == 9) {
      flush();
      name.assign(t.text);
      value.clear();
      continue;
    }
    if (name.empty()) return fail(t, "header value without a variable name (group 9)");
    object_.clear();
    if (!addGroup(t)) return false;
    value.appendRange(object_, 0, object_.size());
  }
  return failTokenizer("in the HEADER section (no ENDSEC)");
}

bool Reader::readClasses() {
  DxfToken t;
  while (next(t)) {
    if (t.code != 0) return fail(t, "expected group code 0 in the CLASSES section, found " + std::to_string(t.code));
    if (t.text == "ENDSEC") return true;
    if (t.text != "CLASS") return fail(t, "expected CLASS in the CLASSES section, found '" + std::string(t.text) + "'");
    typeName_ = "CLASS";
    if (!readRecord()) return false;
    DxfClassEntry entry;
    std::string dxfNameUtf8;
    for (size_t i = 0; i < object_.size(); ++i) {
      switch (object_.code(i)) {
        case 1:
          dxfNameUtf8.assign(object_.string(i));
          entry.dxfName = Utf8ToWide(dxfNameUtf8);
          break;
        case 2: entry.className = Utf8ToWide(object_.string(i)); break;
        case 3: entry.appName = Utf8ToWide(object_.string(i)); break;
        case 90: entry.proxyFlags = static_cast<int>(object_.integer(i)); break;
        case 281: entry.isEntity = object_.integer(i) != 0; break;
        default: break;
      }
    }
    if (entry.dxfName.empty() || entry.className.empty()) return fail(t, "CLASS without a DXF name (1) or class name (2)");
    demandLoadObjectEnabler(entry.className);
    classesByDxfName_.insert_or_assign(std::move(dxfNameUtf8), db_.classes.size());  // the last entry counts
    db_.classes.push_back(std::move(entry));
  }
  return failTokenizer("in the CLASSES section (no ENDSEC)");
}

struct TableKind {
  const char* name;
  AcDbObjectId DatabaseImpl::*slot;
  AcDbSymbolTable* (*make)();
};

template <class Table>
AcDbSymbolTable* makeTable() {
  return new Table();
}

const TableKind kTableKinds[] = {
    {"LAYER", &DatabaseImpl::layerTable, makeTable<AcDbLayerTable>},
    {"LTYPE", &DatabaseImpl::linetypeTable, makeTable<AcDbLinetypeTable>},
    {"STYLE", &DatabaseImpl::textStyleTable, makeTable<AcDbTextStyleTable>},
    {"DIMSTYLE", &DatabaseImpl::dimStyleTable, makeTable<AcDbDimStyleTable>},
    {"APPID", &DatabaseImpl::regAppTable, makeTable<AcDbRegAppTable>},
    {"VPORT", &DatabaseImpl::viewportTable, makeTable<AcDbViewportTable>},
    {"VIEW", &DatabaseImpl::viewTable, makeTable<AcDbViewTable>},
    {"UCS", &DatabaseImpl::ucsTable, makeTable<AcDbUCSTable>},
    {"BLOCK_RECORD", &DatabaseImpl::blockTable, makeTable<AcDbBlockTable>},
};

bool Reader::readTable(const DxfToken& tableToken) {
  DxfToken t;
  if (!expect(t, 2, "(the table name) after TABLE")) return false;
  std::string name(t.text);
  typeName_ = "TABLE";
  if (!readRecord()) return false;
  AcDbSymbolTable* table = nullptr;
  for (const TableKind& kind : kTableKinds) {
    if (name != kind.name) continue;
    AcDbObjectId& slot = db_.*kind.slot;
    table = peek<AcDbSymbolTable>(slot);
    if (table == nullptr) {
      table = kind.make();
      if (!finishObject(tableToken, table, AcDbObjectId::kNull, slot)) return false;
    }
  }
  while (next(t)) {
    if (t.code != 0) return fail(t, "expected group code 0 in the " + name + " table, found " + std::to_string(t.code));
    if (t.text == "ENDTAB") return true;
    if (t.text == "ENDSEC" || t.text == "EOF") return fail(t, "the " + name + " table has no ENDTAB");
    typeName_.assign(t.text);
    if (!readRecord()) return false;
    if (table == nullptr) continue;  // a table the host does not know: its records are not kept
    AcDbObject* made = AcDbObject::cast(table->recordClass()->create());
    auto* record = AcDbSymbolTableRecord::cast(made);
    if (record == nullptr) {
      delete made;
      return fail(t, "cannot make a record of the " + name + " table");
    }
    AcDbObjectId id;
    if (!finishObject(t, record, table->objectId(), id)) return false;
    // Text styles of shape files have no name; other records must have one.
    if (record->name().empty() && name != "STYLE") return fail(t, name + " record without a name (group 2)");
    table->appendRecordUnchecked(id, record->name());
  }
  return failTokenizer(("in the " + name + " table (no ENDTAB)").c_str());
}

bool Reader::readTables() {
  DxfToken t;
  while (next(t)) {
    if (t.code != 0) return fail(t, "expected group code 0 in the TABLES section, found " + std::to_string(t.code));
    if (t.text == "ENDSEC") return true;
    if (t.text != "TABLE") return fail(t, "expected TABLE in the TABLES section, found '" + std::string(t.text) + "'");
    if (!readTable(t)) return false;
  }
  return failTokenizer("in the TABLES section (no ENDSEC)");
}

bool Reader::placeEntity(const DxfToken& typeToken, AcDbEntity* entity, bool blocksSection) {
  AcDbObjectId owner;
  bool subentity = false;
  if (typeName_ == "VERTEX" || typeName_ == "ATTRIB" || typeName_ == "SEQEND") {
    if (complexParent_ == nullptr) {
      delete entity;
      return fail(typeToken, typeName_ + " without the POLYLINE or INSERT it belongs to");
    }
    owner = complexParent_->objectId();
    subentity = true;
  } else if (blocksSection) {
    if (block_ == nullptr) {
      delete entity;
      return fail(typeToken, typeName_ + " outside a BLOCK definition");
    }
    owner = block_->objectId();
  }
  AcDbObjectId id;
  if (!finishObject(typeToken, entity, owner, id)) return false;
  if (subentity) {
    complexParent_->appendSubentityId(id);
    if (typeName_ == "SEQEND") complexParent_ = nullptr;
    return true;
  }
  if (complexParent_ != nullptr) return fail(typeToken, typeName_ + " before the SEQEND of the entity before it");
  AcDbBlockTableRecord* block = block_;
  if (!blocksSection) {
    // The owner the file names, else model or paper space by group 67.
    block = peek<AcDbBlockTableRecord>(entity->ownerId());
    if (block == nullptr) block = peek<AcDbBlockTableRecord>(entity->inPaperSpace() ? db_.paperSpace : db_.modelSpace);
    DatabaseImpl::setOwner(entity, block->objectId());
  }
  block->appendResidentEntity(id);
  bool attributesFollow = false;
  if (typeName_ == "INSERT") {
    for (size_t i = 0; i < object_.size(); ++i)
      if (object_.code(i) == 66 && object_.type(i) == DxfData::Type::Integer) attributesFollow = object_.integer(i) != 0;
  }
  if (typeName_ == "POLYLINE" || attributesFollow) complexParent_ = entity;
  return true;
}

// Files without subclass markers (R12 and their like) put the common groups anywhere among the entity's
// own, as AutoCAD accepts them; they are moved in front, where AcDbEntity reads them.
void Reader::commonGroupsFirst() {
  auto isCommon = [](int code) {
    switch (code) {
      case 6: case 8: case 48: case 60: case 62: case 67: case 284: case 347: case 370: case 380: case 390:
      case 410: case 420: case 430: case 440: return true;
      default: return false;
    }
  };
  size_t end = object_.size();
  for (size_t i = 0; i < object_.size(); ++i) {
    if (object_.code(i) == 100) return;
    if (object_.code(i) == 1001 && end == object_.size()) end = i;
  }
  size_t firstOwn = 0;
  while (firstOwn < end && (object_.code(firstOwn) == 5 || object_.code(firstOwn) == 330 || isCommon(object_.code(firstOwn))))
    ++firstOwn;
  bool scattered = false;
  for (size_t i = firstOwn; i < end && !scattered; ++i) scattered = isCommon(object_.code(i));
  if (!scattered) return;
  reordered_.clear();
  reordered_.appendRange(object_, 0, firstOwn);
  for (size_t i = firstOwn; i < end; ++i)
    if (isCommon(object_.code(i))) reordered_.appendRange(object_, i, i + 1);
  for (size_t i = firstOwn; i < end; ++i)
    if (!isCommon(object_.code(i))) reordered_.appendRange(object_, i, i + 1);
  reordered_.appendRange(object_, end, object_.size());
  std::swap(object_, reordered_);
}

bool Reader::readEntities(bool blocksSection) {
  completeTables(db_);
  DxfToken t;
  while (next(t)) {
    if (t.code != 0) return fail(t, "expected group code 0 in the " + std::string(blocksSection ? "BLOCKS" : "ENTITIES") +
                                        " section, found " + std::to_string(t.code));
    if (t.text == "ENDSEC") {
      if (complexParent_ != nullptr) return fail(t, "a POLYLINE or INSERT has no SEQEND");
      if (block_ != nullptr) return fail(t, "a BLOCK has no ENDBLK");
      return true;
    }
    if (t.text == "EOF" || t.text == "SECTION") return fail(t, "the section has no ENDSEC");
    typeName_.assign(t.text);
    if (!readRecord()) return false;
    if (blocksSection && typeName_ == "BLOCK") {
      if (block_ != nullptr) return fail(t, "BLOCK inside the definition of another block");
      std::u16string name;
      Adesk::Int16 flags = 0;
      std::u16string comments;
      std::u16string path;
      AcGePoint3d base;
      for (size_t i = 0; i < object_.size(); ++i) {
        int code = object_.code(i);
        if ((code == 2 || code == 3) && name.empty()) name = Utf8ToWide(object_.string(i));
        if (code == 70) flags = static_cast<Adesk::Int16>(object_.integer(i));
        if (code == 4) comments = Utf8ToWide(object_.string(i));
        if (code == 1) path = Utf8ToWide(object_.string(i));
        if (code == 10 && object_.type(i) == DxfData::Type::Point) {
          double p[3];
          object_.point(i, p);
          base.set(p[0], p[1], p[2]);
        }
      }
      // The block record the BLOCK names as its owner, else the one of its name (made for R12 files).
      block_ = nullptr;
      for (size_t i = 0; i < object_.size() && block_ == nullptr; ++i) {
        if (object_.code(i) != 330) continue;
        block_ = peek<AcDbBlockTableRecord>(AcDbObjectId(db_.findStub(parseHandle(object_.string(i)))));
        break;
      }
      if (block_ == nullptr && name.empty()) return fail(t, "BLOCK without a name (group 2) or block record");
      if (block_ == nullptr) block_ = blockForDefinition(db_, name);
      block_->setBlockFlags(flags);
      block_->setOrigin(base);
      block_->setPathName(path.c_str());
      block_->setCommentsUnchecked(comments);
      AcDbObject* begin = makeObject(true);
      AcDbObjectId id;
      if (!finishObject(t, begin, block_->objectId(), id)) return false;
      block_->setBlockBeginId(id);
      continue;
    }
    if (blocksSection && typeName_ == "ENDBLK") {
      if (block_ == nullptr) return fail(t, "ENDBLK without BLOCK");
      if (complexParent_ != nullptr) return fail(t, "a POLYLINE or INSERT in the block has no SEQEND");
      AcDbObject* end = makeObject(true);
      AcDbObjectId id;
      if (!finishObject(t, end, block_->objectId(), id)) return false;
      block_->setBlockEndId(id);
      block_ = nullptr;
      continue;
    }
    commonGroupsFirst();
    AcDbObject* obj = makeObject(true);
    auto* entity = AcDbEntity::cast(obj);
    if (entity == nullptr) {
      delete obj;
      return fail(t, typeName_ + " is not an entity");
    }
    if (!placeEntity(t, entity, blocksSection)) return false;
    keepWrittenTypeName(entity);
  }
  return failTokenizer(blocksSection ? "in the BLOCKS section (no ENDSEC)" : "in the ENTITIES section (no ENDSEC)");
}

bool Reader::readObjects() {
  DxfToken t;
  while (next(t)) {
    if (t.code != 0) return fail(t, "expected group code 0 in the OBJECTS section, found " + std::to_string(t.code));
    if (t.text == "ENDSEC") return true;
    if (t.text == "EOF" || t.text == "SECTION") return fail(t, "the OBJECTS section has no ENDSEC");
    typeName_.assign(t.text);
    if (!readRecord()) return false;
    AcDbObject* obj = makeObject(false);
    if (AcDbEntity::cast(obj)) {
      delete obj;
      return fail(t, typeName_ + " is an entity in the OBJECTS section");
    }
    AcDbObjectId id;
    if (!finishObject(t, obj, AcDbObjectId::kNull, id)) return false;
    keepWrittenTypeName(obj);
    // The section starts with the named-objects dictionary.
    if (firstObject_ && AcDbDictionary::cast(obj)) db_.namedObjects = id;
    firstObject_ = false;
  }
  return failTokenizer("in the OBJECTS section (no ENDSEC)");
}

bool Reader::skipSection() {
  DxfToken t;
  while (next(t)) {
    if (t.code == 0 && t.text == "ENDSEC") return true;
    if (t.code == 0 && t.text == "EOF") return fail(t, "the section has no ENDSEC");
  }
  return failTokenizer("(a section has no ENDSEC)");
}

bool Reader::readSection() {
  DxfToken t;
  if (!expect(t, 2, "(the section name) after SECTION")) return false;
  std::string name(t.text);
  if (name == "HEADER") return readHeader();
  if (name == "CLASSES") return readClasses();
  if (name == "TABLES") return readTables();
  if (name == "BLOCKS") return readEntities(true);
  if (name == "ENTITIES") return readEntities(false);
  if (name == "OBJECTS") return readObjects();
  return skipSection();  // THUMBNAILIMAGE, ACDSDATA and other sections the host does not use
}

bool Reader::run() {
  db_.beginDeferringHandles();
  db_.byHandle.reserve(tok_.size() / 160);  // about one object per 160 bytes of DXF
  DxfToken t;
  bool any = false;
  while (next(t)) {
    any = true;
    if (t.code != 0) return fail(t, "expected group code 0 (SECTION or EOF), found " + std::to_string(t.code));
    if (t.text == "EOF") break;  // whatever follows EOF is not part of the drawing
    if (t.text != "SECTION") return fail(t, "expected SECTION or EOF, found '" + std::string(t.text) + "'");
    if (!readSection()) return false;
  }
  if (tok_.failed()) return failTokenizer("");
  if (!any) {
    err_ = DxfError{0, 0, tok_.isBinary(), "the file holds no DXF data"};
    err_.line = tok_.isBinary() ? 0 : 1;
    return false;
  }
  db_.assignDeferredHandles();
  db_.layersByUtf8Name.clear();  // a cache of the reading only: layers may be renamed later
  completeDatabase(db_);
  resolveLayerLinetypes(db_);
  foldMTextColumns();
  return true;
}

// R2000 files write the columns and frames of a multi-column MTEXT as entities of their own, listed in the
// main MTEXT's ACAD extended data; AutoCAD reads them back as parts of that MTEXT, and so does the host.
void Reader::foldMTextColumns() {
  for (AcDbObjectId blockId : peek<AcDbBlockTable>(db_.blockTable)->recordIds()) {
    auto* block = peek<AcDbBlockTableRecord>(blockId);
    if (block == nullptr) continue;
    std::vector<AcDbObjectId> folded;
    for (AcDbObjectId id : block->entityIds()) {
      auto* mtext = peek<AcDbMText>(id);
      // A column already folded into another MTEXT folds nothing itself, so no two own each other.
      if (mtext == nullptr || mtext->ownerId() != blockId) continue;
      const DxfData& xdata = DatabaseImpl::xdataOf(mtext);
      bool inList = false, inAcad = false;
      for (size_t i = 0; i < xdata.size(); ++i) {
        int code = xdata.code(i);
        if (code == 1001) inAcad = xdata.string(i) == "ACAD";
        if (!inAcad || (code != 1000 && code != 1005)) continue;
        std::string_view text = xdata.string(i);
        if (code == 1000) {
          if (text == "ACAD_MTEXT_COLUMNS_BEGIN" || text == "ACAD_MTEXT_TEXT_BORDERS_BEGIN") inList = true;
          if (text == "ACAD_MTEXT_COLUMNS_END" || text == "ACAD_MTEXT_TEXT_BORDERS_END") inList = false;
          continue;
        }
        AcDbStub* part = inList ? db_.findStub(parseHandle(text)) : nullptr;
        if (part == nullptr || part->object == nullptr || part == static_cast<AcDbStub*>(id)) continue;
        auto* entity = AcDbEntity::cast(part->object);
        if (entity == nullptr || entity->ownerId() != blockId) continue;
        DatabaseImpl::setOwner(entity, id);
        mtext->appendSubentityId(AcDbObjectId(part));
        folded.push_back(AcDbObjectId(part));
      }
    }
    if (!folded.empty()) block->removeResidentEntities(folded);
  }
}

}  // namespace

std::string formatDxfError(const std::string& fileName, const DxfError& err) {
  if (err.isBinary) return fileName + ": byte " + std::to_string(err.byteOffset) + ": " + err.message;
  if (err.line == 0) return fileName + ": " + err.message;
  return fileName + ":" + std::to_string(err.line) + ": " + err.message;
}

bool readDxfFromMemory(const char* data, size_t size, AcDbDatabase& db, DxfError& err) {
  err = DxfError{};
  auto fresh = std::make_unique<AcDbDatabase>(false);
  Reader reader(data, size, *fresh, err);
  if (!reader.run()) {
    // Nothing of a refused file is kept; the target is emptied as documented.
    AcDbDatabase empty(false);
    db.impl().swapContents(empty.impl());
    return false;
  }
  db.impl().swapContents(fresh->impl());
  return true;
}

bool readDxf(const std::string& path, AcDbDatabase& db, DxfError& err) {
  err = DxfError{};
  std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
  if (!file) {
    err.message = "cannot open the file";
    AcDbDatabase empty(false);
    db.impl().swapContents(empty.impl());
    return false;
  }
  std::string data;
  char buffer[1 << 16];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) data.append(buffer, n);
  if (std::ferror(file.get())) {
    err.message = "cannot read the file";
    AcDbDatabase empty(false);
    db.impl().swapContents(empty.impl());
    return false;
  }
  if (!readDxfFromMemory(data.data(), data.size(), db, err)) return false;
  std::error_code ec;
  std::filesystem::path absolute = std::filesystem::absolute(path, ec);
  db.impl().fileName = Utf8ToWide(ec ? path : absolute.lexically_normal().string());
  return true;
}

}  // namespace acadsim
