// Input point monitors: told of every cursor move over a drawing with what lies in the pick aperture.
#pragma once
#include "acarray.h"
#include "acdb.h"
#include "dbid.h"
#include "gepnt3d.h"
#include "rxboiler.h"
#include "rxobject.h"

class AcApDocument;
class AcGiViewportDraw;
class AcDbCustomOsnapMode;
class AcGeCurve3d;

typedef AcArray<AcDbObjectId> AcDbObjectIdArray;

// history bits of monitorInputPoint.
enum AcEdInputPointHistory {
  Acad_eGripped = 1,
  Acad_eCartSnapped = 2,
  Acad_eOrtho = 4,
  Acad_eCyclingPt = 8,
  Acad_eOsnapped = 16,
  Acad_ePolar = 32,
  Acad_eOtrack = 64,
  Acad_eXYFiltered = 128,
  Acad_eZFiltered = 256,
  Acad_eCoordinates = 512,
  Acad_eMouse = 1024,
  Acad_eDidNotPick = 2048,
  Acad_eUsedPickBox = 4096,
};

class AcEdInputPointMonitor : public AcRxObject {
 public:
  ACRX_DECLARE_MEMBERS(AcEdInputPointMonitor);
  // Called for every cursor move over the drawing view; apertureEntities are the top-level entities in the
  // pick aperture, gsSelectionMark their GS markers (one each); nestedApertureEntities each entity's
  // container path, innermost first. appendToTooltipStr and additionalTooltipString add to the host's
  // cursor tooltip when set.
  virtual Acad::ErrorStatus monitorInputPoint(
      bool& appendToTooltipStr, ACHAR*& additionalTooltipString, AcGiViewportDraw* drawContext,
      AcApDocument* document, bool pointComputed, int history, const AcGePoint3d& lastPoint,
      const AcGePoint3d& rawPoint, const AcGePoint3d& grippedPoint, const AcGePoint3d& cartesianSnappedPoint,
      const AcGePoint3d& osnappedPoint, AcDb::OsnapMask osnapMask,
      const AcArray<AcDbCustomOsnapMode*>& customOsnapModes, AcDb::OsnapMask osnapOverrides,
      const AcArray<AcDbCustomOsnapMode*>& customOsnapOverrides, const AcArray<AcDbObjectId>& apertureEntities,
      const AcArray<AcDbObjectIdArray>& nestedApertureEntities, const AcArray<int>& gsSelectionMark,
      const AcArray<AcDbObjectId>& keyPointEntities, const AcArray<AcDbObjectIdArray>& nestedKeyPointEntities,
      const AcArray<int>& keyPointGsSelectionMark, const AcArray<AcGeCurve3d*>& alignmentPaths,
      const AcGePoint3d& computedPoint, const ACHAR* tooltipString) = 0;
  virtual bool excludeFromOsnapCalculation(const AcArray<AcDbObjectId>& nestedEntity, int gsSelectionMark);
};

// One per document: the monitors told of its cursor moves, in the order added.
class AcEdInputPointManager {
 public:
  virtual ~AcEdInputPointManager() = default;
  // eOk, or eDuplicateKey when the monitor is already there; eNullObjectPointer for null.
  virtual Acad::ErrorStatus addPointMonitor(AcEdInputPointMonitor* monitor) = 0;
  // eOk, or eKeyNotFound when it is not there.
  virtual Acad::ErrorStatus removePointMonitor(AcEdInputPointMonitor* monitor) = 0;
};
