// "acadsim describe": the scope text of every entity of a drawing, as the loaded module builds it.
#pragma once
#include <ostream>

#include "DescribeOptions.h"

namespace acadsim {

// Returns the process exit code: 0, or 1 when the drawing or the module cannot be loaded or a handle is unknown.
int RunDescribe(const DescribeOptions& options, std::ostream& out, std::ostream& err);

}  // namespace acadsim
