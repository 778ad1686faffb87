// Where the scope goes: beside the cursor, kept within the work area of the cursor's monitor.
#pragma once
#include <windows.h>

// The scope's top-left corner is this far right of and below the cursor's hot spot.
constexpr int kScopeCursorOffset = 5;

// Moves window left by its excess over the right edge, then right by its shortfall on the left, then up by
// its excess over the bottom; the top is not checked.
void ClampToWorkArea(RECT& window, const RECT& work);

// The window rectangle of a scope of size for the cursor; unclamped when the monitor cannot be had.
RECT PlaceScope(SIZE size, POINT cursor);
