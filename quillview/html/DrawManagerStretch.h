// Which image pixel a destination pixel shows when part of an image is stretched into a target rectangle.
#pragma once
#include <windows.h>

class CDib;

// Nearest-pixel sampling as StretchBlt's COLORONCOLOR does it, computed only for the pixels asked for, so a
// huge target costs no more than its visible part.
class CStretchSampler {
 public:
  // source in the image's pixels (it may reach beyond the image), target in destination pixels.
  CStretchSampler(const CDib& image, const RECT& source, const RECT& target);

  // The image pixel shown at destination (x, y), or null where the image shows nothing there.
  const RGBQUAD* At(int x, int y) const;
  BYTE AlphaAt(int x, int y) const {
    const RGBQUAD* p = At(x, y);
    return p ? p->rgbReserved : 0;
  }

 private:
  const CDib& m_image;
  long long m_sourceLeft, m_sourceTop, m_sourceWidth, m_sourceHeight;
  long long m_targetLeft, m_targetTop, m_targetWidth, m_targetHeight;
};
