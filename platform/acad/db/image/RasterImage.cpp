// AcDbRasterImage: an IMAGE, placed by its pixel vectors and clipped in pixel coordinates.
#include <imgent.h>

#include "../blocks/DxfGroupValues.h"

namespace groups = acadsim::blockgroups;

ACRX_DXF_DEFINE_MEMBERS(AcDbRasterImage, AcDbImage, 0, 0, 0, IMAGE, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbRasterImage);
AcDbRasterImage::AcDbRasterImage() = default;
AcDbRasterImage::~AcDbRasterImage() = default;

namespace {

// Brightness, contrast and fade run from 0 to 100.
void takePercent(const acadsim::DxfGroupView& g, Adesk::Int8& value) {
  if (g.integer >= 0 && g.integer <= 100) value = static_cast<Adesk::Int8>(g.integer);
}

// The product of two finite numbers, 0 when it overflows.
double finiteProduct(double a, double b) {
  double p = a * b;
  return std::isfinite(p) ? p : 0.0;
}

}  // namespace

// Unscaled, the image is one unit wide and keeps its aspect ratio, so both factors are edge over one pixel count.
AcGeVector2d AcDbRasterImage::scale() const {
  return AcGeVector2d(finiteProduct(mPixelU.length(), mPixels.x), finiteProduct(mPixelV.length(), mPixels.x));
}

Acad::ErrorStatus AcDbRasterImage::getOrientation(AcGePoint3d& origin, AcGeVector3d& u, AcGeVector3d& v) const {
  origin = mOrigin;
  u = AcGeVector3d(finiteProduct(mPixelU.x, mPixels.x), finiteProduct(mPixelU.y, mPixels.x),
                   finiteProduct(mPixelU.z, mPixels.x));
  v = AcGeVector3d(finiteProduct(mPixelV.x, mPixels.y), finiteProduct(mPixelV.y, mPixels.y),
                   finiteProduct(mPixelV.z, mPixels.y));
  return Acad::eOk;
}

Acad::ErrorStatus AcDbRasterImage::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbImage::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  filer->atSubclassData(u"AcDbRasterImage");
  acadsim::DxfGroupView g;
  AcGePoint3d p;
  AcGePoint2d vertex;
  while (filer->readGroup(g)) {
    switch (g.code) {
      case 10: groups::finitePoint(g, mOrigin); break;
      case 11: if (groups::finitePoint(g, p)) mPixelU = p - AcGePoint3d::kOrigin; break;
      case 12: if (groups::finitePoint(g, p)) mPixelV = p - AcGePoint3d::kOrigin; break;
      case 13:
        if (groups::finitePoint(g, p) && p.x >= 0.0 && p.y >= 0.0) mPixels = AcGeVector2d(p.x, p.y);
        break;
      case 14: if (groups::finitePoint2d(g, vertex)) mClipBoundary.append(vertex); break;
      case 340: mImageDefId = groups::handleReference(filer, g); break;
      case 71: mClipType = g.integer == 1 ? kRect : g.integer == 2 ? kPoly : kInvalid; break;
      case 280: mClipped = g.integer != 0; break;
      case 281: takePercent(g, mBrightness); break;
      case 282: takePercent(g, mContrast); break;
      case 283: takePercent(g, mFade); break;
      default: break;
    }
  }
  return filer->filerStatus();
}
