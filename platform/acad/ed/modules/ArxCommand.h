// The host's ARX command: lists, loads and unloads ObjectARX modules at the command line.
#pragma once

namespace acadsim {

// Adds "ARX" to the host's command group; a second call finds it there and changes nothing.
void RegisterArxCommand();

}  // namespace acadsim
