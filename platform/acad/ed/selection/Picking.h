// What lies under a point of model space, as the pick aperture finds it.
#pragma once
#include <acdocman.h>
#include <dbid.h>
#include <gepnt2d.h>

#include <vector>

namespace acadsim {
struct DatabaseImpl;
}

namespace acadsim::selection {

struct PickHit {
  AcDbObjectId entity;  // the top-level model-space entity
  int gsMarker = 0;
  double distance = 0;
  // For a hit on something inside a block reference: the innermost entity, then the references that hold
  // it, up to (not including) the top-level entity. Empty for the entity itself.
  std::vector<AcDbObjectId> nestedPath;
};

// Every model-space entity drawn within aperture (world units, measured from the point) of a point of the
// WCS XY plane, nearest first; of equal distances the one added to the drawing later first. Entities on layers
// that are off or frozen draw nothing and are never hit.
std::vector<PickHit> hitsAt(DatabaseImpl& db, const AcGePoint2d& point, double aperture);

// The aperture of a pick in doc: PICKBOX pixels of its view, in world units.
double pickAperture(AcApDocument* doc);

// The current document and its database, or null when none is open.
AcApDocument* currentDocument();
DatabaseImpl* currentDatabase();

}  // namespace acadsim::selection
