// What the scope's window procedure shares with the scope: its window class, the HideScope message and the
// map from window handles to scopes.
#pragma once
#include <afxtempl.h>
#include <windows.h>

class CScope;

constexpr const WCHAR* kScopeClassName = u"QUILLVIEW";
// The scope's one-shot display timer.
constexpr UINT_PTR kScopeTimerId = 1141;

// "Tessaray/Quillview/HideScope": wParam non-zero re-arms the timer with lParam milliseconds.
UINT HideScopeMessage();

// Registers the window class with instance unless it is there (it goes when the module unloads).
void RegisterScopeClass(HINSTANCE instance, WNDPROC procedure);

using ScopeMap = CMap<HWND, HWND&, CScope*, CScope* const&>;
ScopeMap& Scopes();
// The scope of a window, or null.
CScope* ScopeOfWindow(HWND window);
