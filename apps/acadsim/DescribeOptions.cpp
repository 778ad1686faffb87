#include "DescribeOptions.h"

namespace acadsim {

bool ParseDescribeOptions(const std::vector<std::string>& args, DescribeOptions& options, std::string& error) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool takesValue = arg == "--handle" || arg == "--space" || arg == "--module";
    if (takesValue && i + 1 == args.size()) {
      error = arg + " needs a value";
      return false;
    }
    if (arg == "--handle") {
      const std::string& h = args[++i];
      if (h.empty() || h.size() > 16 || h.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) {
        error = "not a hexadecimal handle: " + h;
        return false;
      }
      options.handles.push_back(h);
    } else if (arg == "--space") {
      const std::string& s = args[++i];
      if (s == "model") options.space = SpaceSelection::Model;
      else if (s == "paper") options.space = SpaceSelection::Paper;
      else if (s == "all") options.space = SpaceSelection::All;
      else {
        error = "--space takes model, paper or all, not " + s;
        return false;
      }
    } else if (arg == "--module") {
      options.modulePath = args[++i];
    } else if (arg.size() > 1 && arg[0] == '-') {
      error = "unknown option " + arg;
      return false;
    } else if (options.drawing.empty()) {
      options.drawing = arg;
    } else {
      error = "more than one drawing: " + arg;
      return false;
    }
  }
  if (options.drawing.empty()) {
    error = "no drawing given";
    return false;
  }
  return true;
}

}  // namespace acadsim
