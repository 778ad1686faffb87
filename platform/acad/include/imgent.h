// Raster images and wipeouts.
#pragma once
#include "dbmain.h"
#include "gearrays.h"
#include "gepnt2d.h"
#include "gevec2d.h"

class AcDbImage : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbImage);
  ~AcDbImage() override;

 protected:
  AcDbImage();
};

// DXF "IMAGE"
class AcDbRasterImage : public AcDbImage {
 public:
  ACRX_DECLARE_MEMBERS(AcDbRasterImage);
  AcDbRasterImage();
  ~AcDbRasterImage() override;

  enum ClipBoundaryType { kInvalid, kRect, kPoly };

  AcDbObjectId imageDefId() const { return mImageDefId; }
  // The image's size in drawing units over its size unscaled, where an unscaled image is one drawing unit wide
  // (AutoCAD's rule for images without resolution units); the image definition's resolution is not applied.
  AcGeVector2d scale() const;
  // The lower left corner, and the bottom and left edges as vectors as long as the image is wide and high.
  Acad::ErrorStatus getOrientation(AcGePoint3d& origin, AcGeVector3d& u, AcGeVector3d& v) const;
  // 0 to 100 each (defaults 50, 50 and 0); a file's value outside that range is not taken.
  Adesk::Int8 brightness() const { return mBrightness; }
  Adesk::Int8 contrast() const { return mContrast; }
  Adesk::Int8 fade() const { return mFade; }
  bool isClipped() const { return mClipped; }
  ClipBoundaryType clipBoundaryType() const { return mClipType; }
  // The clip vertices in pixel coordinates: two opposite corners of a rectangle, or a polygon's vertices.
  const AcGePoint2dArray& clipBoundary() const { return mClipBoundary; }

  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

 private:
  AcDbObjectId mImageDefId;
  AcGePoint3d mOrigin;
  AcGeVector3d mPixelU = AcGeVector3d::kXAxis;  // one pixel's width along the bottom edge (group 11)
  AcGeVector3d mPixelV = AcGeVector3d::kYAxis;  // one pixel's height along the left edge (group 12)
  AcGeVector2d mPixels;                         // image size in pixels (group 13)
  AcGePoint2dArray mClipBoundary;
  ClipBoundaryType mClipType = kInvalid;
  Adesk::Int8 mBrightness = 50;
  Adesk::Int8 mContrast = 50;
  Adesk::Int8 mFade = 0;
  bool mClipped = false;
};

// DXF "WIPEOUT"
class AcDbWipeout : public AcDbRasterImage {
 public:
  ACRX_DECLARE_MEMBERS(AcDbWipeout);
  AcDbWipeout();
  ~AcDbWipeout() override;
};
