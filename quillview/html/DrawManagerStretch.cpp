// CStretchSampler: destination step i of n shows source pixel (2i + 1) m / 2n of a source span of m.
#include "html/DrawManagerStretch.h"

#include <algorithm>

#include "html/Dib.h"

namespace {

// Source spans are held to this, so that (2i + 1) m never overflows for any target.
constexpr long long kSourceLimit = 1LL << 28;

long long Held(long long value) { return std::clamp(value, -kSourceLimit, kSourceLimit); }

}  // namespace

CStretchSampler::CStretchSampler(const CDib& image, const RECT& source, const RECT& target)
    : m_image(image),
      m_sourceLeft(Held(source.left)),
      m_sourceTop(Held(source.top)),
      m_sourceWidth(Held(source.right) - Held(source.left)),
      m_sourceHeight(Held(source.bottom) - Held(source.top)),
      m_targetLeft(target.left),
      m_targetTop(target.top),
      m_targetWidth(static_cast<long long>(target.right) - target.left),
      m_targetHeight(static_cast<long long>(target.bottom) - target.top) {}

const RGBQUAD* CStretchSampler::At(int x, int y) const {
  if (m_sourceWidth <= 0 || m_sourceHeight <= 0 || m_targetWidth <= 0 || m_targetHeight <= 0) return nullptr;
  const long long i = x - m_targetLeft, j = y - m_targetTop;
  if (i < 0 || j < 0 || i >= m_targetWidth || j >= m_targetHeight) return nullptr;
  const long long sx = m_sourceLeft + (2 * i + 1) * m_sourceWidth / (2 * m_targetWidth);
  const long long sy = m_sourceTop + (2 * j + 1) * m_sourceHeight / (2 * m_targetHeight);
  if (sx < 0 || sy < 0 || sx >= m_image.Width() || sy >= m_image.Height()) return nullptr;
  return &m_image.At(static_cast<int>(sx), static_cast<int>(sy));
}
