#include "gdi/object_selection.h"

#include "gdi/bitmap.h"

namespace win32 {

namespace {

void release(HGDIOBJ handle) {
  if (GdiObject* object = FindGdiObject(handle)) --object->selectCount;
}

HGDIOBJ swap(HGDIOBJ& slot, GdiObject& object, HGDIOBJ handle) {
  HGDIOBJ previous = slot;
  release(previous);
  ++object.selectCount;
  slot = handle;
  return previous;
}

HGDIOBJ selectBitmap(DeviceContext& dc, Bitmap& bitmap, HBITMAP handle) {
  if (dc.dcKind != DcKind::Memory) return nullptr;
  if (!bitmap.stock && bitmap.selectedInto && bitmap.selectedInto != &dc) return nullptr;
  if (Bitmap* previous = dc.bitmap(); previous && !previous->stock) previous->selectedInto = nullptr;
  if (!bitmap.stock) bitmap.selectedInto = &dc;
  HGDIOBJ slot = dc.state.bitmap;
  HGDIOBJ previous = swap(slot, bitmap, handle);
  dc.state.bitmap = handle;
  return previous;
}

}  // namespace

HGDIOBJ SelectInto(DeviceContext& dc, HGDIOBJ handle) {
  GdiObject* object = FindGdiObject(handle);
  if (!object) return nullptr;
  switch (object->kind) {
    case GdiKind::Font: {
      HGDIOBJ slot = dc.state.font;
      HGDIOBJ previous = swap(slot, *object, handle);
      dc.state.font = static_cast<HFONT>(slot);
      return previous;
    }
    case GdiKind::Pen: {
      HGDIOBJ slot = dc.state.pen;
      HGDIOBJ previous = swap(slot, *object, handle);
      dc.state.pen = static_cast<HPEN>(slot);
      return previous;
    }
    case GdiKind::Brush: {
      HGDIOBJ slot = dc.state.brush;
      HGDIOBJ previous = swap(slot, *object, handle);
      dc.state.brush = static_cast<HBRUSH>(slot);
      return previous;
    }
    case GdiKind::Bitmap:
      return selectBitmap(dc, static_cast<Bitmap&>(*object), static_cast<HBITMAP>(handle));
    default:
      return nullptr;
  }
}

void ReleaseSelections(DeviceContext& dc) {
  release(dc.state.font);
  release(dc.state.pen);
  release(dc.state.brush);
  release(dc.state.bitmap);
  if (Bitmap* bitmap = dc.bitmap(); bitmap && !bitmap->stock) bitmap->selectedInto = nullptr;
  dc.state.font = nullptr;
  dc.state.pen = nullptr;
  dc.state.brush = nullptr;
  dc.state.bitmap = nullptr;
}

void RestoreState(DeviceContext& dc, const DcState& saved) {
  DcState current = dc.state;
  dc.state = saved;
  dc.state.font = current.font;
  dc.state.pen = current.pen;
  dc.state.brush = current.brush;
  dc.state.bitmap = current.bitmap;
  // Objects deleted since the save are gone; the DC keeps what it has for those.
  for (HGDIOBJ object : {static_cast<HGDIOBJ>(saved.font), static_cast<HGDIOBJ>(saved.pen),
                         static_cast<HGDIOBJ>(saved.brush), static_cast<HGDIOBJ>(saved.bitmap)}) {
    if (object) SelectInto(dc, object);
  }
}

}  // namespace win32
