// The thread hooks that hide the scope and restart its timer as the user works, and the peek.
#pragma once
#include <windows.h>

// The hooks in the order they are installed and removed.
enum class HookKind { kMouse, kKeyboard, kCbt, kCallWndProc, kCount };

LRESULT CALLBACK MouseHookProc(int code, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK KeyboardHookProc(int code, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK CbtHookProc(int code, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK CallWndProcHookProc(int code, WPARAM wParam, LPARAM lParam);

struct ThreadHook {
  int type;
  HOOKPROC procedure;
};
inline constexpr ThreadHook kThreadHooks[] = {
    {WH_MOUSE, &MouseHookProc},
    {WH_KEYBOARD, &KeyboardHookProc},
    {WH_CBT, &CbtHookProc},
    {WH_CALLWNDPROC, &CallWndProcHookProc},
};

// Hovering is on and there is a drawing to hover over.
bool HoverIsActive();
// Hides the scope and, while hovering is active, restarts its timer with the interval setting.
void RestartScope();
// Hides the scope without restarting the timer.
void HideScope();
// Shows the description under the cursor at once, even while a command runs.
void Peek();
