#include "DatabaseImpl.h"

#include <acutads.h>
#include <rxclass.h>
#include <rxdict.h>
#include <rxregsvc.h>

#include <algorithm>
#include <cstring>
#include <mutex>
#include <utility>

namespace acadsim {
namespace {

struct LiveDatabases {
  std::unordered_map<uint64_t, DatabaseImpl*> bySerial;
  uint64_t nextSerial = 1;
};

// Never destroyed, so databases that outlive static destruction can still deregister.
LiveDatabases& live() {
  static LiveDatabases* databases = new LiveDatabases();
  return *databases;
}

}  // namespace

DatabaseImpl* databaseBySerial(uint64_t serial) {
  auto it = live().bySerial.find(serial);
  return it == live().bySerial.end() ? nullptr : it->second;
}

DatabaseImpl::DatabaseImpl(AcDbDatabase* ownerDb) : owner(ownerDb), serialNumber(live().nextSerial++) {
  live().bySerial[serialNumber] = this;
}

DatabaseImpl::~DatabaseImpl() {
  live().bySerial.erase(serialNumber);
  for (auto& stub : stubs) {
    delete stub->object;
    stub->object = nullptr;
  }
}

AcDbStub* DatabaseImpl::findStub(uint64_t handle) const {
  auto it = byHandle.find(handle);
  return it == byHandle.end() ? nullptr : it->second;
}

AcDbStub* DatabaseImpl::stubForHandle(uint64_t handle) {
  if (handle == 0) return nullptr;
  auto [it, inserted] = byHandle.try_emplace(handle, nullptr);
  if (inserted) {
    auto stub = std::make_unique<AcDbStub>();
    stub->db = this;
    stub->handle = handle;
    stub->index = stubs.size();
    it->second = stub.get();
    stubs.push_back(std::move(stub));
    noteHandleSeen(handle);
  }
  return it->second;
}

void DatabaseImpl::noteHandleSeen(uint64_t handle) {
  if (handle >= handseed) handseed = handle + 1;
}

uint64_t DatabaseImpl::takeFreeHandle() {
  // A file's handle FFFFFFFFFFFFFFFF leaves the seed at 0, the null handle: past the top, low free handles follow.
  while (handseed == 0 || byHandle.count(handseed)) ++handseed;
  return handseed++;
}

AcDbObjectId DatabaseImpl::addObject(AcDbObject* obj, uint64_t handle) {
  AcDbStub* stub = handle != 0 ? stubForHandle(handle) : nullptr;
  if (stub == nullptr || stub->object != nullptr) {
    if (deferHandles) {
      auto fresh = std::make_unique<AcDbStub>();
      fresh->db = this;
      fresh->index = stubs.size();
      stub = fresh.get();
      stubs.push_back(std::move(fresh));
      awaitingHandles.push_back(stub);
    } else {
      stub = stubForHandle(takeFreeHandle());
    }
  }
  stub->object = obj;
  noteChange(stub);
  return AcDbObjectId(stub);
}

AcDbObjectId DatabaseImpl::adopt(AcDbObject* obj, uint64_t handle, AcDbObjectId ownerId) {
  AcDbObjectId id = addObject(obj, handle);
  obj->mId = id;
  obj->mOwnerId = ownerId;
  return id;
}

void DatabaseImpl::assignDeferredHandles() {
  deferHandles = false;
  for (AcDbStub* stub : awaitingHandles) {
    stub->handle = takeFreeHandle();
    byHandle[stub->handle] = stub;
  }
  awaitingHandles.clear();
}

void DatabaseImpl::setHeader(const std::string& name, const DxfData& value) {
  auto [it, inserted] = headerIndex.try_emplace(name, headerVariables.size());
  if (inserted) headerVariables.emplace_back(name, DxfData());
  headerVariables[it->second].second.assignCompact(value);
}

const DxfData* DatabaseImpl::header(std::string_view name) const {
  auto it = headerIndex.find(std::string(name));
  return it == headerIndex.end() ? nullptr : &headerVariables[it->second].second;
}

int DatabaseImpl::headerInt(std::string_view name, int fallback) const {
  const DxfData* value = header(name);
  if (value == nullptr || value->empty() || value->type(0) != DxfData::Type::Integer) return fallback;
  return static_cast<int>(value->integer(0));
}

double DatabaseImpl::headerReal(std::string_view name, double fallback) const {
  const DxfData* value = header(name);
  if (value == nullptr || value->empty()) return fallback;
  if (value->type(0) == DxfData::Type::Real) return value->real(0);
  if (value->type(0) == DxfData::Type::Integer) return static_cast<double>(value->integer(0));
  return fallback;
}

void DatabaseImpl::swapContents(DatabaseImpl& other) {
  // Entity names carry the serial, so it moves with the contents.
  std::swap(serialNumber, other.serialNumber);
  live().bySerial[serialNumber] = this;
  live().bySerial[other.serialNumber] = &other;
  std::swap(stubs, other.stubs);
  std::swap(byHandle, other.byHandle);
  std::swap(handseed, other.handseed);
  noteChange();
  other.noteChange();
  std::swap(deferHandles, other.deferHandles);
  std::swap(awaitingHandles, other.awaitingHandles);
  for (auto& stub : stubs) stub->db = this;
  for (auto& stub : other.stubs) stub->db = &other;
  std::swap(blockTable, other.blockTable);
  std::swap(layerTable, other.layerTable);
  std::swap(linetypeTable, other.linetypeTable);
  std::swap(textStyleTable, other.textStyleTable);
  std::swap(dimStyleTable, other.dimStyleTable);
  std::swap(regAppTable, other.regAppTable);
  std::swap(viewportTable, other.viewportTable);
  std::swap(viewTable, other.viewTable);
  std::swap(ucsTable, other.ucsTable);
  std::swap(namedObjects, other.namedObjects);
  std::swap(modelSpace, other.modelSpace);
  std::swap(paperSpace, other.paperSpace);
  std::swap(layerZero, other.layerZero);
  std::swap(byLayerLinetype, other.byLayerLinetype);
  std::swap(byBlockLinetype, other.byBlockLinetype);
  std::swap(continuousLinetype, other.continuousLinetype);
  std::swap(headerVariables, other.headerVariables);
  std::swap(headerIndex, other.headerIndex);
  std::swap(classes, other.classes);
  std::swap(layersByUtf8Name, other.layersByUtf8Name);
  std::swap(layerLinetypeNames, other.layerLinetypeNames);
  std::swap(writtenTypeNames, other.writtenTypeNames);
}

bool equalNoCase(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char16_t x = a[i], y = b[i];
    if (x >= u'a' && x <= u'z') x = static_cast<char16_t>(x - 32);
    if (y >= u'a' && y <= u'z') y = static_cast<char16_t>(y - 32);
    if (x != y) return false;
  }
  return true;
}

std::u16string upperCase(std::u16string_view s) {
  std::u16string out(s);
  for (char16_t& c : out)
    if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - 32);
  return out;
}

AcRxClass* classNamed(const std::u16string& name) {
  AcRxDictionary* classes = acrxClassDictionary;
  return classes ? AcRxClass::cast(classes->at(name.c_str())) : nullptr;
}

ACHAR* newHostString(std::u16string_view s) {
  ACHAR* copy = new ACHAR[s.size() + 1];
  std::copy(s.begin(), s.end(), copy);
  copy[s.size()] = 0;
  return copy;
}

}  // namespace acadsim
