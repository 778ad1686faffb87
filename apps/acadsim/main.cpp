// acadsim: the CAD host's command-line front end.
#include <iostream>
#include <string>
#include <vector>

#include "DescribeCommand.h"
#include "DescribeOptions.h"

namespace {

const char kUsage[] =
    "usage: acadsim describe DRAWING [--handle H]... [--space model|paper|all] [--module PATH]\n"
    "       acadsim --help\n"
    "\n"
    "describe  Opens DRAWING (ASCII or binary DXF) in a host session, loads the module quillview.arx as the\n"
    "          host loads ARX modules, and prints for each entity in drawing order a line\n"
    "          \"=== HANDLE TYPE\", the text the scope window shows for it, and an empty line.\n"
    "          HANDLE is the entity's handle in hexadecimal; TYPE its type name as the file writes it.\n"
    "  --space model   model space (the default)\n"
    "  --space paper   every paper-space layout, in tab order\n"
    "  --space all     model space, then the layouts\n"
    "  --handle H      only the entity with handle H (repeatable, printed in the order given); finds any\n"
    "                  entity, attributes included. Unknown handles are reported on standard error and make\n"
    "                  the exit code 1.\n"
    "  --module PATH   the module to load instead of the quillview.arx beside acadsim\n"
    "\n"
    "What the host's command line shows meanwhile goes to standard error. A drawing that cannot be read is\n"
    "reported as FILE:LINE: reason (FILE: byte N: reason for binary DXF), exit code 1.\n";

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty() || args[0] == "--help" || args[0] == "-h") {
    std::cout << kUsage;
    return args.empty() ? 2 : 0;
  }
  if (args[0] == "describe") {
    acadsim::DescribeOptions options;
    std::string error;
    if (!acadsim::ParseDescribeOptions({args.begin() + 1, args.end()}, options, error)) {
      std::cerr << "acadsim describe: " << error << "\n" << kUsage;
      return 2;
    }
    return acadsim::RunDescribe(options, std::cout, std::cerr);
  }
  std::cerr << "acadsim: unknown command " << args[0] << "\n" << kUsage;
  return 2;
}
