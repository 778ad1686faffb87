// The flags of "acadsim render".
#pragma once
#include <optional>
#include <string>
#include <vector>

namespace acadsim {

struct RenderFont {
  std::u16string face;
  long height = 0;  // the font's lfHeight: negative is the character height in pixels
};

struct RenderOptions {
  std::optional<std::string> html;  // --html TEXT
  std::string markupFile;           // --file FILE
  std::string styleSheetFile;       // --css FILE, empty for none
  std::optional<RenderFont> font;   // --font "FACE,HEIGHT"; none: the settings' default font
  int maxWidth = 0;                 // --width N, 0 for no word wrap
  std::string output;               // -o OUT.png
  std::string modulePath;           // --module PATH, empty: quillview.arx beside acadsim
};

// Parses the arguments after "render"; false with a message in error when they are not valid.
bool ParseRenderOptions(const std::vector<std::string>& args, RenderOptions& options, std::string& error);

}  // namespace acadsim
