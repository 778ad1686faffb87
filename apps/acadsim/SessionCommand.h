// "acadsim run SCRIPT" and the interactive command line.
#pragma once
#include <iosfwd>

#include "SessionOptions.h"

namespace acadsim {

// Runs a whole host session over the script, or over the terminal when options.script is empty. The
// transcript goes to standard output; problems of start-up to err. 0, or 1 when the session could not start.
int RunSession(const SessionOptions& options, std::ostream& err);

}  // namespace acadsim
