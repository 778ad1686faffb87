// The table behind every GDI and USER drawing handle: a handle names one live object of one kind, and a
// handle whose object is gone (or of another kind) finds nothing.
#pragma once
#include <cstdint>
#include <memory>

#include "windef.h"

namespace win32 {

enum class GdiKind : uint8_t { Dc = 1, Font, Pen, Brush, Bitmap, Icon, ImageList };

struct GdiObject {
  virtual ~GdiObject() = default;
  GdiKind kind;
  bool stock = false;
  int selectCount = 0;  // DCs holding it selected; such an object is not deleted
  explicit GdiObject(GdiKind k) : kind(k) {}
};

// Stores the object and gives its new handle; handles are never reused.
void* AddGdiObject(std::unique_ptr<GdiObject> object);
GdiObject* FindGdiObject(const void* handle);
// Frees the object; its handle finds nothing from now on.
void RemoveGdiObject(const void* handle);

// Every live object of a kind, for teardown at process exit.
void ForEachGdiObject(GdiKind kind, void (*visit)(GdiObject&));

template <typename T>
T* FindGdi(const void* handle) {
  GdiObject* object = FindGdiObject(handle);
  return object && object->kind == T::Kind ? static_cast<T*>(object) : nullptr;
}

template <typename Handle, typename T>
Handle AddGdi(std::unique_ptr<T> object) {
  return static_cast<Handle>(AddGdiObject(std::move(object)));
}

}  // namespace win32
