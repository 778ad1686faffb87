#include "gdi/gdi_object.h"

#include <unordered_map>

namespace win32 {

namespace {

struct ObjectTable {
  std::unordered_map<uintptr_t, std::unique_ptr<GdiObject>> objects;
  uintptr_t nextSerial = 1;
};

ObjectTable& table() {
  static ObjectTable* instance = new ObjectTable;  // outlives every static that frees a handle at exit
  return *instance;
}

}  // namespace

// The kind sits in the low bits, as Windows keeps a type in its handle values.
void* AddGdiObject(std::unique_ptr<GdiObject> object) {
  ObjectTable& t = table();
  uintptr_t value = (t.nextSerial++ << 8) | static_cast<uintptr_t>(object->kind) << 4;
  t.objects.emplace(value, std::move(object));
  return reinterpret_cast<void*>(value);
}

GdiObject* FindGdiObject(const void* handle) {
  ObjectTable& t = table();
  auto found = t.objects.find(reinterpret_cast<uintptr_t>(handle));
  return found == t.objects.end() ? nullptr : found->second.get();
}

void ForEachGdiObject(GdiKind kind, void (*visit)(GdiObject&)) {
  for (auto& entry : table().objects)
    if (entry.second->kind == kind) visit(*entry.second);
}

void RemoveGdiObject(const void* handle) { table().objects.erase(reinterpret_cast<uintptr_t>(handle)); }

}  // namespace win32
