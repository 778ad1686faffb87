// Regions rebuilt from a hatch's loops the way the description module does it, for checking areas.
#pragma once
#include <dbcurve.h>
#include <dbhatch.h>
#include <dbregion.h>

#include <memory>
#include <vector>

namespace hatchtest {

// Deletes the regions (or curves) an AcDbVoidPtrArray owns.
template <class T>
struct OwnedArray {
  AcDbVoidPtrArray items;
  OwnedArray() = default;
  OwnedArray(const OwnedArray&) = delete;
  OwnedArray& operator=(const OwnedArray&) = delete;
  ~OwnedArray() {
    for (void* p : items) delete static_cast<T*>(p);
  }
  T* at(int i) const { return static_cast<T*>(items[i]); }
};

// The host curves of loop i: one polyline (not marked closed) or one curve per edge.
void loopCurves(const AcDbHatch& hatch, int loop, OwnedArray<AcDbCurve>& curves);
// The regions createFromCurves makes of loop i, and its status.
Acad::ErrorStatus loopRegions(const AcDbHatch& hatch, int loop, OwnedArray<AcDbRegion>& regions);
// Outermost loops united, the others united, the smaller subtracted from the larger; 0 when nothing forms.
double hatchArea(const AcDbHatch& hatch);

}  // namespace hatchtest
