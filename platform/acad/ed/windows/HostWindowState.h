// What the host's windows share: their handles and the document each view shows.
#pragma once
#include <acdocman.h>
#include <windows.h>

#include <vector>

namespace acadsim::windows {

struct DocumentView {
  const AcApDocument* document;
  HWND window;
};

struct HostWindowState {
  HWND mainFrame = nullptr;
  HWND commandLine = nullptr;
  std::vector<DocumentView> views;
  HFONT commandLineFont = nullptr;
};

HostWindowState& State();

// Lays the current document's view and the command line out over the main frame's client area; the view
// of any other document is hidden.
void LayOutMainFrame();

// Window classes and creation of each kind of host window.
HWND CreateMainFrame();
HWND CreateCommandLineWindow(HWND mainFrame);
HWND CreateDrawingViewWindow(HWND mainFrame, AcApDocument* doc);
// The pick-first set of the view's document changed; the view repaints once messages run, if it must.
void NotePickFirstChanged(HWND view);
// The main frame's title for the current document, as AutoCAD shows it.
void UpdateMainFrameTitle();

}  // namespace acadsim::windows
