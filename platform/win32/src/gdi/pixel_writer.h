// Direct pixel access to a DC's surface within its clip box, for the operations GDI defines per pixel
// (lines, blits, SetPixel) so they come out exactly, with no anti-aliasing.
#pragma once
#include <cstdint>

#include "gdi/device_context.h"

namespace win32 {

class PixelWriter {
 public:
  // Reads the DIB bits in; the destructor writes them out.
  explicit PixelWriter(DeviceContext& dc);
  ~PixelWriter();
  PixelWriter(const PixelWriter&) = delete;
  PixelWriter& operator=(const PixelWriter&) = delete;

  bool ready() const { return data_ != nullptr; }
  bool inside(int x, int y) const {
    return x >= clip_.left && x < clip_.right && y >= clip_.top && y < clip_.bottom;
  }
  const RECT& clip() const { return clip_; }
  uint32_t get(int x, int y) const { return row(y)[x] & 0xFFFFFF; }
  void put(int x, int y, uint32_t pixel) {
    if (inside(x, y)) row(y)[x] = pixel;
  }
  bool monochrome() const { return monochrome_; }

 private:
  uint32_t* row(int y) const { return reinterpret_cast<uint32_t*>(data_ + y * stride_); }
  DeviceContext& dc_;
  uint8_t* data_ = nullptr;
  int stride_ = 0;
  RECT clip_{};
  bool monochrome_ = false;
};

}  // namespace win32
