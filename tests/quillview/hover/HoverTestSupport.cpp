#include "HoverTestSupport.h"

#include <acedads.h>
#include <acutads.h>
#include <qvregistry.h>
#include <qvuser.h>

#include <map>

#include "QuillviewTestSupport.h"
#include "acadsim/Documents.h"
#include "acadsim/DrawingView.h"
#include "acadsim/HostWindows.h"
#include "acadsim/SystemVariables.h"
#include "describe/ClassTable.h"
#include "describe/QuillviewPX.h"
#include "host/QuillviewApp.h"
#include "host/QuillviewRxApp.h"
#include "hover/InputHooks.h"
#include "hover/Scope.h"
#include "hover/ScopeWindowClass.h"

namespace {

std::map<HWND, HideRecorder*>& Recorders() {
  static std::map<HWND, HideRecorder*> recorders;
  return recorders;
}

std::map<HWND, WNDPROC>& OriginalProcedures() {
  static std::map<HWND, WNDPROC> originals;
  return originals;
}

}  // namespace

HideRecorder::HideRecorder(HWND window) : m_window(window) {
  m_original = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HideRecorder::Procedure)));
  Recorders()[window] = this;
  OriginalProcedures()[window] = m_original;
}

HideRecorder::~HideRecorder() {
  if (IsWindow(m_window)) SetWindowLongPtrW(m_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_original));
  Recorders().erase(m_window);
  OriginalProcedures().erase(m_window);
}

LRESULT CALLBACK HideRecorder::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == HideScopeMessage()) Recorders()[window]->requests.push_back({wParam, lParam});
  return CallWindowProcW(OriginalProcedures()[window], window, message, wParam, lParam);
}

void HoverTest::SetUp() {
  win32sim::ResetUser();
  win32sim::ResetRegistry();
  acadsim::resetSessionSystemVariables();
  // The module's resources give the names of the system variables the pick changes.
  module = LoadLibraryW(ModulePath("quillview.arx").c_str());
  ASSERT_NE(module, nullptr);
  QuillviewRxApp().SetModuleInstance(module);
  // The describers, as the module binds them at load.
  QuillviewPX::rxInit();
  CreateClassTable();
  doc = acadsim::NewDocument();
  ASSERT_NE(doc, nullptr);
  acadsim::CreateHostWindows();
  CQuillviewApp& app = QuillviewApp();
  app.SetEnabled(true);
  app.SetTimerInterval(500);
  app.SetInvasive(true);
  app.SetDefaultShowNested(false);
  recorder = std::make_unique<HideRecorder>(app.Scope().Window());
}

void HoverTest::TearDown() {
  recorder.reset();
  QuillviewApp().Stop();
  QuillviewPX::rxUninit();
  acadsim::DestroyHostWindows();
  acadsim::CloseAllDocuments();
  QuillviewRxApp().SetModuleInstance(nullptr);
  if (module != nullptr) FreeLibrary(module);
  win32sim::ResetUser();
  win32sim::ResetRegistry();
  acadsim::resetSessionSystemVariables();
}

void HoverTest::AddLineThroughViewCentre() {
  ads_point from = {0, 0, 0}, to = {10, 10, 0};
  resbuf* line = acutBuildList(RTDXF0, u"LINE", 10, from, 11, to, 0);
  ASSERT_EQ(acdbEntMake(line), RTNORM);
  acutRelRb(line);
  acadsim::zoomExtents(doc);
}

POINT HoverTest::ViewCentre() const {
  HWND view = adsw_acadDocWnd();
  RECT client{};
  GetClientRect(view, &client);
  POINT centre{(client.right - client.left) / 2, (client.bottom - client.top) / 2};
  ClientToScreen(view, &centre);
  return centre;
}

bool HoverTest::PeekAtViewCentre() {
  win32sim::MoveCursor(ViewCentre());
  Peek();
  return QuillviewApp().Scope().IsVisible();
}
