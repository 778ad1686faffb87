#include <acui.h>

namespace {
bool g_initialised = false;
}  // namespace

// The library's own dialog resources come with the host's dialogs; until then preparing it is recording it.
void InitAcUiDLL() { g_initialised = true; }

bool acadsim::AcUiInitialised() { return g_initialised; }
