#include <acadsim/CommandLine.h>
#include <acadsim/DrawingView.h>
#include <acadsim/Selection.h>
#include <acadsim/HostWindows.h>
#include <acedads.h>

#include <algorithm>

#include "HostWindowState.h"

namespace acadsim {
namespace windows {
namespace {

constexpr int kCommandLineHeight = 3 * 16 + 6;

// Gives every document its view while the host's windows exist.
class ViewPerDocument : public AcApDocManagerReactor {
 public:
  void documentCreated(AcApDocument* doc) override {
    HostWindowState& state = State();
    if (state.mainFrame == nullptr) return;
    state.views.push_back({doc, CreateDrawingViewWindow(state.mainFrame, doc)});
    LayOutMainFrame();
  }
  void documentToBeDestroyed(AcApDocument* doc) override {
    std::vector<DocumentView>& views = State().views;
    auto found = std::find_if(views.begin(), views.end(), [&](const DocumentView& v) { return v.document == doc; });
    if (found == views.end()) return;
    const HWND window = found->window;
    views.erase(found);
    DestroyWindow(window);
  }
  void documentBecameCurrent(AcApDocument*) override { LayOutMainFrame(); }
  void documentActivated(AcApDocument*) override { LayOutMainFrame(); }
};

ViewPerDocument& Reactor() {
  static ViewPerDocument reactor;
  return reactor;
}

void InvalidateView(AcApDocument* doc) {
  if (const HWND view = DrawingViewWindow(doc)) InvalidateRect(view, nullptr, TRUE);
}

}  // namespace

HostWindowState& State() {
  static HostWindowState state;
  return state;
}

void LayOutMainFrame() {
  HostWindowState& state = State();
  if (state.mainFrame == nullptr) return;
  RECT client{};
  GetClientRect(state.mainFrame, &client);
  const int width = client.right - client.left;
  const int height = client.bottom - client.top;
  const int viewHeight = std::max(0, height - kCommandLineHeight);
  if (state.commandLine != nullptr) {
    MoveWindow(state.commandLine, 0, viewHeight, width, height - viewHeight, TRUE);
  }
  const AcApDocument* current = acDocManagerPtr() != nullptr ? acDocManagerPtr()->curDocument() : nullptr;
  for (const DocumentView& view : state.views) {
    if (view.document == current) {
      MoveWindow(view.window, 0, 0, width, viewHeight, TRUE);
      ShowWindow(view.window, SW_SHOWNA);
    } else {
      ShowWindow(view.window, SW_HIDE);
    }
  }
  if (const HWND view = DrawingViewWindow(current)) {
    if (GetFocus() == nullptr || GetParent(GetFocus()) == state.mainFrame || GetFocus() == state.mainFrame) {
      SetFocus(view);
    }
  }
  UpdateMainFrameTitle();
}

}  // namespace windows

void CreateHostWindows() {
  windows::HostWindowState& state = windows::State();
  if (state.mainFrame != nullptr) return;
  state.mainFrame = windows::CreateMainFrame();
  if (state.mainFrame == nullptr) return;
  state.commandLine = windows::CreateCommandLineWindow(state.mainFrame);
  registerViewCommands(windows::InvalidateView);
  setPickFirstChangedHandler([](AcApDocument* doc) {
    if (const HWND view = DrawingViewWindow(doc)) windows::NotePickFirstChanged(view);
  });
  AcApDocManager* manager = acDocManagerPtr();
  if (manager != nullptr) {
    AcApDocumentIterator* docs = manager->newAcApDocumentIterator();
    for (; docs != nullptr && !docs->done(); docs->step()) {
      AcApDocument* doc = docs->document();
      state.views.push_back({doc, windows::CreateDrawingViewWindow(state.mainFrame, doc)});
    }
    delete docs;
    manager->addReactor(&windows::Reactor());
  }
  ShowWindow(state.mainFrame, SW_SHOW);
  windows::LayOutMainFrame();
}

void DestroyHostWindows() {
  windows::HostWindowState& state = windows::State();
  if (state.mainFrame == nullptr) return;
  if (acDocManagerPtr() != nullptr) acDocManagerPtr()->removeReactor(&windows::Reactor());
  SetCommandLineChangedHandler({});
  setPickFirstChangedHandler({});
  const HWND frame = state.mainFrame;
  const HFONT font = state.commandLineFont;
  state = windows::HostWindowState{};
  DestroyWindow(frame);
  DeleteObject(font);
}

HWND DrawingViewWindow(const AcApDocument* doc) {
  for (const windows::DocumentView& view : windows::State().views) {
    if (view.document == doc) return view.window;
  }
  return nullptr;
}

HWND CommandLineWindow() { return windows::State().commandLine; }

}  // namespace acadsim

HWND adsw_acadMainWnd() { return acadsim::windows::State().mainFrame; }

HWND adsw_acadDocWnd() {
  AcApDocManager* manager = acDocManagerPtr();
  return manager != nullptr ? acadsim::DrawingViewWindow(manager->mdiActiveDocument()) : nullptr;
}

int acedAcadInQuiescentState() {
  AcApDocManager* manager = acDocManagerPtr();
  AcApDocument* doc = manager != nullptr ? manager->curDocument() : nullptr;
  return doc != nullptr && doc->isQuiescent() ? 1 : 0;
}
