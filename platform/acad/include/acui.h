// The host's user-interface library for modules' dialogs.
#pragma once

// Prepares the library for the calling module's dialogs; once per process is enough, further calls change
// nothing.
void InitAcUiDLL();

namespace acadsim {
// Whether a module has prepared the library in this process (host-internal).
bool AcUiInitialised();
}  // namespace acadsim
