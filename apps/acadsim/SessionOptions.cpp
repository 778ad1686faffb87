#include "SessionOptions.h"

#include <qvuser.h>

#include <cstdlib>

namespace acadsim {

bool ParseSessionOptions(const std::vector<std::string>& args, bool script, SessionOptions& options,
                         std::string& error) {
  size_t i = 0;
  if (script) {
    if (args.empty() || args[0].starts_with("--")) {
      error = "a script file is required";
      return false;
    }
    options.script = args[i++];
  }
  for (; i < args.size(); ++i) {
    const std::string& arg = args[i];
    auto value = [&](std::string& into) {
      if (i + 1 >= args.size() || args[i + 1].empty()) {
        error = arg + " needs a value";
        return false;
      }
      into = args[++i];
      return true;
    };
    if (arg == "--drawing") {
      if (!value(options.drawing)) return false;
    } else if (arg == "--product") {
      if (!value(options.product)) return false;
    } else if (arg == "--home") {
      if (!value(options.home)) return false;
    } else if (arg == "--monitors") {
      if (!value(options.monitors)) return false;
      if (!win32sim::ParseMonitors(options.monitors)) {
        error = "--monitors takes \"WxH+X+Y[;WxH+X+Y...]\" with the primary first at +0+0, not " + options.monitors;
        return false;
      }
    } else if (arg == "--admin") {
      options.administrator = true;
    } else if (!script && !arg.starts_with("--") && options.drawing.empty()) {
      options.drawing = arg;
    } else {
      error = "unknown argument " + arg;
      return false;
    }
  }
  return true;
}

std::string HomeFolder(const SessionOptions& options) {
  if (!options.home.empty()) return options.home;
  if (const char* home = std::getenv("ACADSIM_HOME"); home != nullptr && *home != 0) return home;
  const char* user = std::getenv("HOME");
  return std::string(user != nullptr && *user != 0 ? user : ".") + "/.local/share/acadsim";
}

}  // namespace acadsim
