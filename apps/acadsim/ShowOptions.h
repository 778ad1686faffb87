// The flags of "acadsim show".
#pragma once
#include <string>
#include <vector>

#include "SessionOptions.h"

namespace acadsim {

struct ShowOptions {
  SessionOptions session;    // the drawing (required), --monitors, --home, --product
  std::string at;            // --at X,Y: a screen pixel
  std::string atWorld;       // --at-world x,y: a world point of the view
  bool ctrl = false;         // --ctrl: Ctrl held down while the cursor rests
  std::string output;        // -o SHOT.png, empty for none
  std::string modulePath;    // --module PATH, empty: quillview.arx beside acadsim
};

// Parses the arguments after "show" (the drawing first); false with a message in error when they are not
// valid.
bool ParseShowOptions(const std::vector<std::string>& args, ShowOptions& options, std::string& error);

}  // namespace acadsim
