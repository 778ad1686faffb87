// The host's side of selection: what the pick aperture holds, the pick-first set the view shows, and the
// click that changes it (host-internal, not an ObjectARX name).
#pragma once
#include <acdocman.h>
#include <acedinpt.h>
#include <gepnt3d.h>

#include <functional>
#include <vector>

namespace acadsim {

// What lies in the pick aperture at one cursor position.
struct ApertureContents {
  AcArray<AcDbObjectId> entities;
  AcArray<AcDbObjectIdArray> nestedEntities;
  AcArray<int> gsMarkers;
};

// The top-level model-space entities drawn within aperture (world units) of a world point, nearest
// first, with their GS markers and nested paths, as point monitors are told of them.
void entitiesInAperture(AcApDocument* doc, const AcGePoint3d& worldPoint, double aperture,
                        ApertureContents& contents);

// A left click with no command running, as AutoCAD takes it: on an entity it joins the pick-first set
// (gripped when GRIPS is on), on nothing the set is cleared. PICKBOX pixels of the current view make
// the aperture.
void clickSelect(AcApDocument* doc, const AcGePoint3d& worldPoint);

// The entities of the pick-first set (drawn highlighted) and whether they are gripped.
std::vector<AcDbObjectId> pickFirstEntities(AcApDocument* doc);
bool pickFirstGripped(AcApDocument* doc);

// Called whenever the pick-first set changes, so the view repaints.
void setPickFirstChangedHandler(std::function<void(AcApDocument* doc)> handler);

}  // namespace acadsim
