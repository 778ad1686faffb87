// "acadsim show": the drawing, the module and the cursor resting at one place, as a person would see it.
#pragma once
#include <iosfwd>

#include "ShowOptions.h"

namespace acadsim {

// Opens the drawing in a host session, loads the module, moves the cursor to the place (pressing Ctrl
// first with --ctrl), waits the module's rest interval, prints the scope window's state to out as SIM SCOPE
// prints it and writes the screenshot. The command line's transcript goes to err. Exit code 0, or 1 when
// the session cannot start, the module does not load or the screenshot cannot be written.
int RunShow(const ShowOptions& options, std::ostream& out, std::ostream& err);

}  // namespace acadsim
