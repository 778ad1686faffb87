// The fonts GDI draws with: a private fontconfig configuration of exactly the font files the setup installs,
// and one pango context over it, so sizes and pixels never depend on what else the machine has.
#pragma once
#include <pango/pango.h>

#include <string>
#include <string_view>

namespace win32 {

PangoContext* TextContext();
PangoFontMap* TextFontMap();

// The installed family a Windows face name stands for (without regard to case; unknown faces: the sans face),
// and the family its CJK characters fall back to.
struct FaceFamilies {
  std::string primary;
  std::string cjkFallback;
};
FaceFamilies FamiliesForFace(std::u16string_view face);

}  // namespace win32
