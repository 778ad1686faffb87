// The host command DESCRIBE: what the scope window shows for every entity of the current drawing's model
// space, through the module's published entry point.
#pragma once

namespace acadsim {

// Registers DESCRIBE in the host group "ACADSIM"; again changes nothing.
void RegisterDescribeEntitiesCommand();

}  // namespace acadsim
