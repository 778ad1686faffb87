#include "ShowOptions.h"

namespace acadsim {

bool ParseShowOptions(const std::vector<std::string>& args, ShowOptions& options, std::string& error) {
  if (args.empty() || args[0].starts_with("-")) {
    error = "a drawing is required";
    return false;
  }
  options.session.drawing = args[0];
  std::vector<std::string> sessionArgs;
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    auto value = [&](std::string& into) {
      if (i + 1 >= args.size() || args[i + 1].empty()) {
        error = arg + " needs a value";
        return false;
      }
      into = args[++i];
      return true;
    };
    if (arg == "--at") {
      if (!value(options.at)) return false;
    } else if (arg == "--at-world") {
      if (!value(options.atWorld)) return false;
    } else if (arg == "--ctrl") {
      options.ctrl = true;
    } else if (arg == "-o") {
      if (!value(options.output)) return false;
    } else if (arg == "--module") {
      if (!value(options.modulePath)) return false;
    } else if (arg == "--monitors" || arg == "--home" || arg == "--product") {
      if (i + 1 >= args.size()) {
        error = arg + " needs a value";
        return false;
      }
      sessionArgs.push_back(arg);
      sessionArgs.push_back(args[++i]);
    } else {
      error = "unknown argument " + arg;
      return false;
    }
  }
  if (options.at.empty() == options.atWorld.empty()) {
    error = "give the cursor's place with either --at X,Y or --at-world x,y";
    return false;
  }
  SessionOptions parsed;
  if (!ParseSessionOptions(sessionArgs, false, parsed, error)) return false;
  options.session.monitors = parsed.monitors;
  options.session.home = parsed.home;
  options.session.product = parsed.product;
  return true;
}

}  // namespace acadsim
