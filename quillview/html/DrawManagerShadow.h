// The drop shadow of an image: its opaque shape moved by the offset, softened over the depth, blended in the
// shadow colour at the darkness over what is beneath.
#pragma once
#include <windows.h>

class CDib;
class CStretchSampler;
struct ShadowSettings;

// The rectangle the shadow of an image drawn in target can darken. Offsets are held to +-1024 pixels and the
// depth to 0..64, more than any popup shows.
RECT ShadowBounds(const RECT& target, const ShadowSettings& shadow);
// Darkens the pixels of area in canvas (canvas's top-left pixel being origin on the DC) with the image's shadow.
void BlendShadow(CDib& canvas, POINT origin, const RECT& area, const CStretchSampler& image,
                 const ShadowSettings& shadow);
