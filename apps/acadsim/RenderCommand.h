// "acadsim render": markup painted as the scope window paints it, into a PNG, for extender authors.
#pragma once
#include <ostream>

#include "RenderOptions.h"

namespace acadsim {

// Prints "W H", the measured size, and writes the window (W + 4 by H + 4) to the PNG. Returns the exit
// code: 0, or 1 when a file cannot be read or written or the module cannot be loaded.
int RunRender(const RenderOptions& options, std::ostream& out, std::ostream& err);

}  // namespace acadsim
