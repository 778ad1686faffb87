// The hover tests' host: a fresh screen, registry and drawing with the host's windows, the module's
// application object enabled, and a record of what reaches the scope's window.
#pragma once
#include <acdocman.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

// One HideScope message as the scope's window got it.
struct HideRequest {
  WPARAM arm;
  LPARAM intervalMs;
  bool operator==(const HideRequest& other) const { return arm == other.arm && intervalMs == other.intervalMs; }
};

// Records the HideScope messages that reach a window, passing every message on.
class HideRecorder {
 public:
  explicit HideRecorder(HWND window);
  ~HideRecorder();
  HideRecorder(const HideRecorder&) = delete;
  HideRecorder& operator=(const HideRecorder&) = delete;
  std::vector<HideRequest> requests;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  HWND m_window;
  WNDPROC m_original;
};

class HoverTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A line of the current drawing through the centre of the view, which zooms to it.
  void AddLineThroughViewCentre();
  // The screen point at the centre of the drawing view.
  POINT ViewCentre() const;
  // Moves the cursor to the view's centre and peeks; true when the scope shows.
  bool PeekAtViewCentre();

  AcApDocument* doc = nullptr;
  HMODULE module = nullptr;
  std::unique_ptr<HideRecorder> recorder;
};
