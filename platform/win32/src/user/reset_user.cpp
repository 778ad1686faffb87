// win32sim::ResetUser: a fresh window manager for each test.
#include "user/user_state.h"

namespace win32sim {

// Windows go without messages: their procedures may belong to objects already gone.
void ResetUser() {
  using namespace win32::user;
  State& s = S();
  DestroyEverything();
  s.classes.clear();
  s.queue.clear();
  s.quitCode.reset();
  s.hooks.clear();
  s.runningHooks.clear();
  s.timers.clear();
  s.clock = 0;
  s.messageTime = 0;
  s.focus = s.active = s.lastActive = s.capture = nullptr;
  s.appActive = true;
  s.cursor = POINT{};
  s.cursorShape = nullptr;
  std::fill(std::begin(s.keyDown), std::end(s.keyDown), 0);
  std::fill(std::begin(s.keyToggled), std::end(s.keyToggled), 0);
  std::fill(std::begin(s.asyncDown), std::end(s.asyncDown), 0);
  std::fill(std::begin(s.asyncPressed), std::end(s.asyncPressed), 0);
  s.lastClick.reset();
  s.dialogAnswers = nullptr;
  s.commDlgError = 0;
  CreateDesktop();
  ResetMonitors();
}

}  // namespace win32sim
