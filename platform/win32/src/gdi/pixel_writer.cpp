#include "gdi/pixel_writer.h"

#include "gdi/bitmap.h"

namespace win32 {

PixelWriter::PixelWriter(DeviceContext& dc) : dc_(dc) {
  cairo_surface_t* surface = dc.surface();
  if (!surface) return;
  dc.beginAccess();
  data_ = cairo_image_surface_get_data(surface);
  stride_ = cairo_image_surface_get_stride(surface);
  clip_ = dc.clipBox();
  Bitmap* bitmap = dc.bitmap();
  monochrome_ = bitmap && bitmap->monochrome();
}

PixelWriter::~PixelWriter() {
  if (!data_) return;
  cairo_surface_mark_dirty(dc_.surface());
  dc_.endWrite();
}

}  // namespace win32
