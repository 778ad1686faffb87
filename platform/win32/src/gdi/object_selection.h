// Selecting objects into a DC, keeping count of the DCs each object is selected into.
#pragma once
#include "gdi/device_context.h"

namespace win32 {

// The previously selected object of that kind, or null when the object cannot be selected there.
HGDIOBJ SelectInto(DeviceContext& dc, HGDIOBJ object);
// Deselects everything, as a deleted DC lets go of its objects.
void ReleaseSelections(DeviceContext& dc);
void RestoreState(DeviceContext& dc, const DcState& state);

}  // namespace win32
