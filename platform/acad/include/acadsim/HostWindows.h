// The host's windows: the main frame over the monitors, the command-line window at its bottom and a
// drawing view for each open document (host-internal, not an ObjectARX name).
#pragma once
#include <acdocman.h>
#include <windef.h>

namespace acadsim {

// Creates the main frame over the work areas of the monitors with the command-line window, a view for
// every open document and, from then on, for every document opened; the current document's view is shown
// and has the keyboard focus. Registers the view commands. Does nothing when the windows exist.
void CreateHostWindows();
// Destroys every host window (at host exit, after the modules unloaded).
void DestroyHostWindows();

// The drawing view window of doc, or null.
HWND DrawingViewWindow(const AcApDocument* doc);
HWND CommandLineWindow();

}  // namespace acadsim
