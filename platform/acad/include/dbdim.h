// Dimensions of every kind. Points are in world coordinates, angles in radians, lengths in drawing units.
#pragma once
#include <string>

#include "dbmain.h"

namespace acadsim {
struct DxfGroupView;
}  // namespace acadsim

class AcDbDimension : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbDimension);
  ~AcDbDimension() override;

  // The style the dimension names; "Standard" when the drawing does not define that name.
  AcDbObjectId dimensionStyle() const { return mStyleId; }
  // The text as written: empty shows the measurement alone, "<>" marks where the measurement goes.
  // A copy the caller frees with acutDelString.
  ACHAR* dimensionText() const;
  // The anonymous block that draws the dimension; null when the drawing does not define it.
  AcDbObjectId dimBlockId() const;
  AcGePoint3d textPosition() const { return mTextPosition; }
  AcGeVector3d normal() const { return mNormal; }
  // The distance of the dimension's plane from the origin along the normal.
  double elevation() const;
  // The value the dimension measures: the one the file stores (42) unless negative (the -1 of writers that
  // leave it to the reader), else the one its points give. Angles are in radians. eDegenerateGeometry when
  // the points define no value (coincident or parallel lines).
  Acad::ErrorStatus measurement(double& value);

  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

 protected:
  AcDbDimension();
  // Host: reads a group of the subclass's own; false when it is not one.
  virtual bool dxfInKindGroup(const acadsim::DxfGroupView& group);
  // Host: the value the subclass's points give.
  virtual Acad::ErrorStatus measureFromPoints(double& value) const;
  // Host: the definition point (10) that every kind has, each for its own purpose.
  AcGePoint3d dxfDefinitionPoint() const { return mDefinitionPoint; }
  // Host: the type flags (70).
  Adesk::UInt16 dxfTypeFlags() const { return mTypeFlags; }

 private:
  bool dxfInCommonGroup(const acadsim::DxfGroupView& group, acadsim::DatabaseImpl& db);

  std::u16string mText;
  std::u16string mBlockName;
  AcGePoint3d mDefinitionPoint;
  AcGePoint3d mTextPosition;
  AcGeVector3d mNormal = AcGeVector3d::kZAxis;
  AcDbObjectId mStyleId;
  AcDbObjectId mBlockId;
  double mStoredMeasurement = 0.0;
  bool mHasStoredMeasurement = false;
  Adesk::UInt16 mTypeFlags = 0;
};

namespace acadsim {
// The groups aligned and rotated dimensions share: the extension line origins (13, 14) and the oblique
// angle of the extension lines (52).
struct ExtensionLinePoints {
  AcGePoint3d xLine1;
  AcGePoint3d xLine2;
  double oblique = 0.0;
  bool read(const DxfGroupView& group);
};
}  // namespace acadsim

// DXF "DIMENSION", type 1: measures the distance between the extension line origins.
class AcDbAlignedDimension : public AcDbDimension {
 public:
  ACRX_DECLARE_MEMBERS(AcDbAlignedDimension);
  AcDbAlignedDimension();
  ~AcDbAlignedDimension() override;

  AcGePoint3d xLine1Point() const { return mPoints.xLine1; }
  AcGePoint3d xLine2Point() const { return mPoints.xLine2; }
  AcGePoint3d dimLinePoint() const { return dxfDefinitionPoint(); }
  double oblique() const { return mPoints.oblique; }

 protected:
  bool dxfInKindGroup(const acadsim::DxfGroupView& group) override;
  Acad::ErrorStatus measureFromPoints(double& value) const override;

 private:
  acadsim::ExtensionLinePoints mPoints;
};

// DXF "DIMENSION", type 0: measures the distance between the extension line origins along its rotation.
class AcDbRotatedDimension : public AcDbDimension {
 public:
  ACRX_DECLARE_MEMBERS(AcDbRotatedDimension);
  AcDbRotatedDimension();
  ~AcDbRotatedDimension() override;

  AcGePoint3d xLine1Point() const { return mPoints.xLine1; }
  AcGePoint3d xLine2Point() const { return mPoints.xLine2; }
  AcGePoint3d dimLinePoint() const { return dxfDefinitionPoint(); }
  double oblique() const { return mPoints.oblique; }
  // The direction of the dimension line from the X axis of the dimension's object coordinate system.
  double rotation() const { return mRotation; }

 protected:
  bool dxfInKindGroup(const acadsim::DxfGroupView& group) override;
  Acad::ErrorStatus measureFromPoints(double& value) const override;

 private:
  acadsim::ExtensionLinePoints mPoints;
  double mRotation = 0.0;
};

// DXF "DIMENSION", type 4: measures the distance from the centre to the chord point.
class AcDbRadialDimension : public AcDbDimension {
 public:
  ACRX_DECLARE_MEMBERS(AcDbRadialDimension);
  AcDbRadialDimension();
  ~AcDbRadialDimension() override;

  AcGePoint3d center() const { return dxfDefinitionPoint(); }
  AcGePoint3d chordPoint() const { return mChordPoint; }
  double leaderLength() const { return mLeaderLength; }

 protected:
  bool dxfInKindGroup(const acadsim::DxfGroupView& group) override;
  Acad::ErrorStatus measureFromPoints(double& value) const override;

 private:
  AcGePoint3d mChordPoint;
  double mLeaderLength = 0.0;
};

// DXF "DIMENSION", type 3: measures the distance between the two chord points.
class AcDbDiametricDimension : public AcDbDimension {
 public:
  ACRX_DECLARE_MEMBERS(AcDbDiametricDimension);
  AcDbDiametricDimension();
  ~AcDbDiametricDimension() override;

  AcGePoint3d chordPoint() const { return mChordPoint; }
  AcGePoint3d farChordPoint() const { return dxfDefinitionPoint(); }
  double leaderLength() const { return mLeaderLength; }

 protected:
  bool dxfInKindGroup(const acadsim::DxfGroupView& group) override;
  Acad::ErrorStatus measureFromPoints(double& value) const override;

 private:
  AcGePoint3d mChordPoint;
  double mLeaderLength = 0.0;
};

// DXF "DIMENSION", type 2: measures the angle between two lines, in the sector that holds the arc point.
class AcDb2LineAngularDimension : public AcDbDimension {
 public:
  ACRX_DECLARE_MEMBERS(AcDb2LineAngularDimension);
  AcDb2LineAngularDimension();
  ~AcDb2LineAngularDimension() override;

  AcGePoint3d xLine1Start() const { return mXLine1Start; }
  AcGePoint3d xLine1End() const { return mXLine1End; }
  AcGePoint3d xLine2Start() const { return mXLine2Start; }
  AcGePoint3d xLine2End() const { return dxfDefinitionPoint(); }
  AcGePoint3d arcPoint() const;

 protected:
  bool dxfInKindGroup(const acadsim::DxfGroupView& group) override;
  Acad::ErrorStatus measureFromPoints(double& value) const override;

 private:
  AcGePoint3d mXLine1Start;
  AcGePoint3d mXLine1End;
  AcGePoint3d mXLine2Start;
  AcGePoint3d mArcPointOcs;  // the file gives this one point in object coordinates
};

// DXF "DIMENSION", type 5: measures the angle at the centre between the two points, on the arc point's side.
class AcDb3PointAngularDimension : public AcDbDimension {
 public:
  ACRX_DECLARE_MEMBERS(AcDb3PointAngularDimension);
  AcDb3PointAngularDimension();
  ~AcDb3PointAngularDimension() override;

  AcGePoint3d centerPoint() const { return mCenter; }
  AcGePoint3d xLine1Point() const { return mXLine1; }
  AcGePoint3d xLine2Point() const { return mXLine2; }
  AcGePoint3d arcPoint() const { return dxfDefinitionPoint(); }

 protected:
  bool dxfInKindGroup(const acadsim::DxfGroupView& group) override;
  Acad::ErrorStatus measureFromPoints(double& value) const override;

 private:
  AcGePoint3d mCenter;
  AcGePoint3d mXLine1;
  AcGePoint3d mXLine2;
};

// DXF "DIMENSION", type 6: measures the X or Y distance of the feature from the origin, in the dimension's
// object coordinate system.
class AcDbOrdinateDimension : public AcDbDimension {
 public:
  ACRX_DECLARE_MEMBERS(AcDbOrdinateDimension);
  AcDbOrdinateDimension();
  ~AcDbOrdinateDimension() override;

  bool isUsingXAxis() const { return dxfTypeFlags() & 64; }
  bool isUsingYAxis() const { return !isUsingXAxis(); }
  AcGePoint3d origin() const { return dxfDefinitionPoint(); }
  AcGePoint3d definingPoint() const { return mDefiningPoint; }
  AcGePoint3d leaderEndPoint() const { return mLeaderEndPoint; }

 protected:
  bool dxfInKindGroup(const acadsim::DxfGroupView& group) override;
  Acad::ErrorStatus measureFromPoints(double& value) const override;

 private:
  AcGePoint3d mDefiningPoint;
  AcGePoint3d mLeaderEndPoint;
};

// DXF "ARC_DIMENSION": measures the length of the arc about the centre between the two points, on the arc
// point's side.
class AcDbArcDimension : public AcDbDimension {
 public:
  ACRX_DECLARE_MEMBERS(AcDbArcDimension);
  AcDbArcDimension();
  ~AcDbArcDimension() override;

  AcGePoint3d centerPoint() const { return mCenter; }
  AcGePoint3d xLine1Point() const { return mXLine1; }
  AcGePoint3d xLine2Point() const { return mXLine2; }
  AcGePoint3d arcPoint() const { return dxfDefinitionPoint(); }

 protected:
  bool dxfInKindGroup(const acadsim::DxfGroupView& group) override;
  Acad::ErrorStatus measureFromPoints(double& value) const override;

 private:
  AcGePoint3d mCenter;
  AcGePoint3d mXLine1;
  AcGePoint3d mXLine2;
};

// DXF "LARGE_RADIAL_DIMENSION" (jogged radius): measures the distance from the centre to the chord point.
class AcDbRadialDimensionLarge : public AcDbDimension {
 public:
  ACRX_DECLARE_MEMBERS(AcDbRadialDimensionLarge);
  AcDbRadialDimensionLarge();
  ~AcDbRadialDimensionLarge() override;

  AcGePoint3d center() const { return dxfDefinitionPoint(); }
  AcGePoint3d chordPoint() const { return mChordPoint; }
  AcGePoint3d overrideCenter() const { return mOverrideCenter; }
  AcGePoint3d jogPoint() const { return mJogPoint; }
  double jogAngle() const { return mJogAngle; }

 protected:
  bool dxfInKindGroup(const acadsim::DxfGroupView& group) override;
  Acad::ErrorStatus measureFromPoints(double& value) const override;

 private:
  AcGePoint3d mChordPoint;
  AcGePoint3d mOverrideCenter;
  AcGePoint3d mJogPoint;
  double mJogAngle = 0.0;
};
