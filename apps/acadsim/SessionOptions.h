// The flags of a host session: "acadsim run SCRIPT ..." and the interactive "acadsim [DRAWING] ...".
#pragma once
#include <string>
#include <vector>

namespace acadsim {

struct SessionOptions {
  std::string script;        // empty: the interactive command line
  std::string drawing;       // empty: a new drawing
  std::string product;       // empty: "AutoCAD"
  std::string home;          // empty: $ACADSIM_HOME, else ~/.local/share/acadsim
  bool administrator = false;
  std::string monitors;      // empty: one 1280x1024 monitor; else "WxH+X+Y[;WxH+X+Y...]", the primary first
};

// args: after "run" (script first) when script is true, else every argument. False with a message in error
// when they are not valid.
bool ParseSessionOptions(const std::vector<std::string>& args, bool script, SessionOptions& options,
                         std::string& error);

// The folder of the simulated machine: the option, $ACADSIM_HOME, or ~/.local/share/acadsim.
std::string HomeFolder(const SessionOptions& options);

}  // namespace acadsim
