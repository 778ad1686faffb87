// AcDbViewport: a paper-space view of model space.
#pragma once
#include "dbmain.h"
#include "gepnt2d.h"

// DXF "VIEWPORT"
class AcDbViewport : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbViewport);
  AcDbViewport();
  ~AcDbViewport() override;

  // The viewport's size on paper.
  double height() const { return mHeight; }
  double width() const { return mWidth; }
  // The height of model space shown, always above 0: a file's missing or non-positive value reads as the paper
  // height (a 1:1 view), or 1 when that is not positive either, so that the scale is always finite.
  double viewHeight() const;
  AcGePoint3d centerPoint() const { return mCenter; }
  AcGePoint2d viewCenter() const { return mViewCenter; }
  Adesk::Int16 number() const { return mNumber; }
  bool isPerspectiveOn() const { return mStatus & kPerspective; }
  bool isLocked() const { return mStatus & kZoomLocked; }
  bool hiddenLinesRemoved() const { return mStatus & kHidePlot; }

  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

 private:
  // Bits of the status flags (group 90).
  static constexpr Adesk::Int32 kPerspective = 0x1;
  static constexpr Adesk::Int32 kHidePlot = 0x800;
  static constexpr Adesk::Int32 kZoomLocked = 0x4000;

  AcGePoint3d mCenter;
  AcGePoint2d mViewCenter;
  double mWidth = 0.0;
  double mHeight = 0.0;
  double mViewHeight = 0.0;  // 0 (no scale can be told) until the file gives a positive one
  Adesk::Int32 mStatus = 0;
  Adesk::Int16 mNumber = 0;
};
