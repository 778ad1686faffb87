// What the scope window does to a text: its font as style entries, the measuring and the painting.
// The scope window and the published preview both go through these, so a preview is what users see.
#pragma once
#include <windows.h>

#include <string>

class CHtmlDrawer;

// Pixels the window adds to the measured text, in width and in height.
constexpr int kScopeExtraSize = 4;

// Sets the style entries "body", "p" and "h1" to "h6" from font; dc gives the pixels per inch.
void ApplyScopeFont(CHtmlDrawer& drawer, const LOGFONTW& font, HDC dc);

// Measures text into the drawer; returns the window's size, the measured size plus the extra each way.
SIZE MeasureScopeWindow(CHtmlDrawer& drawer, HDC dc, const std::u16string& text, SIZE& measured);

// The window's paint: transparent text background, the scope's font (if any), the tooltip text colour,
// the text measured last drawn into the client rectangle; the colour and font are put back.
void PaintScopeClient(CHtmlDrawer& drawer, HDC dc, HFONT font, const RECT& client);
