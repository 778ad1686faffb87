// The image looks of the style letters, applied in place to a straight-alpha image.
#pragma once
#include <windows.h>

class CDib;
struct ImageLook;

// Alpha 0 for every pixel whose colour is exactly mask.
void ApplyMaskColour(CDib& image, COLORREF mask);
// Every channel (299 R + 587 G + 114 B) / 1000, rounded half up.
void MakeGrey(CDib& image);
// Every channel x 0.75, rounded half up: (3c + 2) / 4.
void MakeDarker(CDib& image);
// Every channel x 1.25, rounded half up, at most 255: (5c + 2) / 4.
void MakeLighter(CDib& image);
// The mask colour first, then grey, darker and lighter, each when the look asks for it.
void ApplyLook(CDib& image, const ImageLook& look);
