// Stand-in helpers, not a Windows header: the simulated person at the machine, the virtual clock, the
// screen's monitors and screenshots, for the host and tests.
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "windef.h"

namespace win32sim {

// ---- The virtual clock (GetTickCount, GetMessageTime, timers) ----
DWORD Now();
// Moves the clock forward by ms, firing every timer that falls due on the way in the order of its due
// time: each one's WM_TIMER is dispatched at its moment (intervals below USER_TIMER_MINIMUM count as
// 10 ms, as Windows clamps them). Messages other work posts meanwhile are dispatched too, as the host's
// message loop does. GetMessageW never waits: with nothing to retrieve it returns FALSE as for WM_QUIT.
void AdvanceClock(DWORD ms);
// Dispatches every queued message and every pending WM_PAINT, as the host's idle message loop does.
void PumpMessages();

// ---- The screen ----
// The monitors, the primary first, in virtual-screen coordinates; each work area leaves out a 40-pixel
// taskbar at the bottom (a monitor 40 pixels high or less has an empty work area). False (nothing
// changed) for an empty list, an empty rectangle or a primary not at (0, 0).
bool SetMonitors(const std::vector<RECT>& monitors);
// Parses "WxH+X+Y[;WxH+X+Y...]"; nullopt for a malformed text.
std::optional<std::vector<RECT>> ParseMonitors(std::string_view text);
std::vector<RECT> Monitors();

// ---- The person at the machine ----
// One mouse movement to a screen point: the cursor moves, the WH_MOUSE hooks see WM_MOUSEMOVE, and the
// window under it (or the capture) gets it, after WM_SETCURSOR. Over a non-client area (a border or
// caption) nothing is sent. SetCursorPos, unlike this, moves the cursor without any message.
void MoveCursor(POINT screen);
enum class MouseButton { Left, Right, Middle };
// Down activates the top-level window clicked (WM_MOUSEACTIVATE, the CBT hook) and sends the button
// message; both go through the WH_MOUSE hooks first.
void PressMouseButton(MouseButton button, bool down);
// delta as WM_MOUSEWHEEL carries it (WHEEL_DELTA, 120, a notch): to the focus window, through the hooks
// (a MOUSEHOOKSTRUCTEX with the delta in mouseData's high word).
void TurnWheel(int delta);
enum class KeyAction { Down, Up, Repeat };
// The WH_KEYBOARD hooks see the key (lParam: repeat count 1, scan code 0, bit 29 with Alt down, bits 30
// and 31 as Windows sets them), then the focus window gets WM_KEYDOWN/WM_KEYUP (WM_SYSKEY* with Alt or
// F10, and for the active window when nothing has the focus); GetAsyncKeyState and GetKeyState follow.
// While another application is active only GetAsyncKeyState changes.
void PressKey(UINT virtualKey, KeyAction action);
// Another application takes the activation (the host's windows get WM_ACTIVATE and WM_ACTIVATEAPP FALSE);
// or the host gets it back (its last active window is activated again).
void ActivateOtherApplication();
void ActivateHostApplication();
bool HostApplicationActive();

// ---- Modal dialogs driven by a script ----
// Where a modal dialog takes its answer when it opens (the font chooser: "FACE,HEIGHT[,WEIGHT[,ITALIC]]" or
// "*Cancel*"); no source, or one that gives nullopt, cancels the dialog.
using DialogAnswerSource = std::function<std::optional<std::u16string>()>;
void SetDialogAnswerSource(DialogAnswerSource source);

// ---- Screenshots ----
// Composites every visible window bottom to top (owned and topmost windows above their owners, as z-order
// says), over the desktop colour, and draws the arrow cursor at its hot spot; the image covers the virtual
// screen. Paints pending WM_PAINTs first.
bool SaveScreenshotPng(const char* utf8Path);
// A pixel of the composited screen at a screen point, for tests (CLR_INVALID outside every monitor).
COLORREF ScreenPixel(POINT screen);

// Destroys every window (without messages: their procedures may be gone), class, hook and timer and puts
// back the clock, the cursor (0, 0), the key states, the activation and the default screen (one 1280x1024
// monitor), for tests.
void ResetUser();

}  // namespace win32sim
