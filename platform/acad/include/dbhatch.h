// AcDbHatch: a filled area bounded by loops.
#pragma once
#include "dbmain.h"
#include "gearc2d.h"
#include "gearrays.h"
#include "geell2d.h"
#include "gelnsg2d.h"
#include "genurb2d.h"

namespace acadsim {
struct HatchData;
}  // namespace acadsim

// DXF "HATCH"
class AcDbHatch : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbHatch);
  enum HatchLoopType {
    kDefault = 0,
    kExternal = 1,
    kPolyline = 2,
    kDerived = 4,
    kTextbox = 8,
    kOutermost = 0x10,
    kNotClosed = 0x20,
    kSelfIntersecting = 0x40,
    kTextIsland = 0x80,
    kDuplicate = 0x100,
  };
  enum HatchEdgeType { kLine = 1, kCirArc = 2, kEllArc = 3, kSpline = 4 };
  enum HatchPatternType { kUserDefined = 0, kPreDefined = 1, kCustomDefined = 2 };
  enum HatchStyle { kNormal = 0, kOuter = 1, kIgnore = 2 };

  AcDbHatch();
  ~AcDbHatch() override;

  // The pattern's name; empty for a hatch without one. The string stays the hatch's.
  const ACHAR* patternName() const;
  HatchPatternType patternType() const;
  Acad::ErrorStatus setPattern(HatchPatternType type, const ACHAR* name);
  bool isSolidFill() const;
  HatchStyle hatchStyle() const;
  double elevation() const;
  AcGeVector3d normal() const;

  int numLoops() const;
  Adesk::Int32 loopTypeAt(int loopIndex) const;
  // An edge loop: the edges are the hatch's (valid while it is open and unchanged); the caller must not delete
  // them. eInvalidIndex for a loop that is not there; eWrongObjectType for a polyline loop.
  Acad::ErrorStatus getLoopAt(int loopIndex, Adesk::Int32& loopType, AcGeVoidPointerArray& edgePtrs,
                              AcGeIntArray& edgeTypes) const;
  // A polyline loop: vertices in the hatch's plane; bulges empty when the loop has none. A closed loop repeats
  // its first vertex at the end (bulge 0), so a polyline rebuilt from it closes without being marked closed.
  Acad::ErrorStatus getLoopAt(int loopIndex, Adesk::Int32& loopType, AcGePoint2dArray& vertices,
                              AcGeDoubleArray& bulges) const;
  // Takes copies of the edges.
  Acad::ErrorStatus appendLoop(Adesk::Int32 loopType, const AcGeVoidPointerArray& edgePtrs, const AcGeIntArray& edgeTypes);
  Acad::ErrorStatus appendLoop(Adesk::Int32 loopType, const AcGePoint2dArray& vertices, const AcGeDoubleArray& bulges);
  Acad::ErrorStatus removeLoopAt(int loopIndex);

  // Pattern angle (radians) and scale, and the seed points the boundary was found from.
  double patternAngle() const;
  double patternScale() const;
  int numSeedPoints() const;
  const AcGePoint2d& getSeedPointAt(unsigned int index) const;

  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

 private:
  Acad::ErrorStatus checkWritable() const;

  std::unique_ptr<acadsim::HatchData> mData;
};
