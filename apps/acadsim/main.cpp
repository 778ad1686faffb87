// acadsim: the CAD host's command-line front end.
#include <iostream>
#include <string>
#include <vector>

#include "DescribeCommand.h"
#include "DescribeOptions.h"
#include "RenderCommand.h"
#include "RenderOptions.h"
#include "SessionCommand.h"
#include "SessionOptions.h"
#include "ShowCommand.h"
#include "ShowOptions.h"

namespace {

const char kUsage[] =
    "usage: acadsim [DRAWING] [--product P] [--home DIR] [--admin] [--monitors M]\n"
    "       acadsim run SCRIPT [--drawing FILE] [--product P] [--home DIR] [--admin] [--monitors M]\n"
    "       acadsim show DRAWING (--at X,Y | --at-world x,y) [--ctrl] [-o SHOT.png] [--monitors M]\n"
    "              [--module PATH]\n"
    "       acadsim describe DRAWING [--handle H]... [--space model|paper|all] [--module PATH]\n"
    "       acadsim render (--html TEXT | --file FILE) [--css FILE] [--font \"FACE,HEIGHT\"] [--width N]\n"
    "              -o OUT.png [--module PATH]\n"
    "       acadsim --help\n"
    "\n"
    "(no command)  The interactive command line, with line editing and history: commands, answers to their\n"
    "          prompts and AutoLISP, as typed at AutoCAD's command line. Opens DRAWING (ASCII or binary DXF),\n"
    "          or a new drawing with the system variables of AutoCAD's imperial template. End with Ctrl+D.\n"
    "run       The same over an AutoCAD script: each line is typed at the command line, a space or the end of\n"
    "          a line acting as Enter, a line holding only ^C cancelling the current prompt. The command-line\n"
    "          transcript goes to standard output as AutoCAD's text window shows it.\n"
    "  --drawing FILE  the drawing to open (run; without it a new drawing)\n"
    "  --product P     the host's PRODUCT, \"AutoCAD\" (the default) or \"AutoCAD LT\"\n"
    "  --home DIR      the simulated machine's folder, which holds its registry (registry.reg); default\n"
    "                  $ACADSIM_HOME, else ~/.local/share/acadsim\n"
    "  --admin         run as an administrator, who may write under HKEY_LOCAL_MACHINE\n"
    "  --monitors M    the screen: \"WxH+X+Y[;WxH+X+Y...]\", the primary first at +0+0; each work area leaves\n"
    "                  out a 40-pixel taskbar at the bottom (default one 1280x1024 monitor)\n"
    "  At start-up the host loads the applications its registry registers for start-up; an unknown command\n"
    "  loads the application registered for it. The host's commands: ARX, DESCRIBE (what the scope window\n"
    "  shows for every model-space entity); AutoLISP: arxload, arxunload and the functions modules define.\n"
    "\n"
    "  SIM lines in a script (or typed) are the person at the machine, not commands:\n"
    "    SIM CURSOR x,y        the mouse moves to that screen pixel in steps of at most 8 pixels; prints\n"
    "                          \"cursor X,Y\"; SIM CURSORW x,y the same to a world point of the view\n"
    "    SIM WAIT ms           the clock advances, timers fire\n"
    "    SIM KEY K DOWN|UP|REPEAT   K: CTRL SHIFT ALT ESC ENTER TAB SPACE F1-F12, a letter or a digit\n"
    "    SIM CLICK LEFT|RIGHT|MIDDLE, SIM WHEEL n, SIM ACTIVATE OTHER|HOST, SIM SNAPSHOT FILE.png\n"
    "    SIM SCOPE             prints \"visible X Y W H TITLE\" (the scope window's rectangle and text, \\ as\n"
    "                          \\\\ and a line feed as \\n) or \"hidden\"\n"
    "  The font chooser takes the next line as its answer: FACE,HEIGHT[,WEIGHT[,ITALIC]] or *Cancel*.\n"
    "\n"
    "show      Opens DRAWING, loads quillview.arx, moves the cursor to the screen pixel X,Y (--at) or the\n"
    "          world point x,y (--at-world), holding Ctrl with --ctrl, waits the module's rest interval,\n"
    "          prints the SIM SCOPE line and writes the screenshot to SHOT.png (-o). The transcript goes to\n"
    "          standard error.\n"
    "\n"
    "describe  Opens DRAWING in a host session, loads the module quillview.arx as the host loads ARX modules,\n"
    "          and prints for each entity in drawing order a line \"=== HANDLE TYPE\", the text the scope window\n"
    "          shows for it, and an empty line. HANDLE is the entity's handle in hexadecimal; TYPE its type name\n"
    "          as the file writes it.\n"
    "  --space model   model space (the default)\n"
    "  --space paper   every paper-space layout, in tab order\n"
    "  --space all     model space, then the layouts\n"
    "  --handle H      only the entity with handle H (repeatable, printed in the order given); finds any\n"
    "                  entity, attributes included. Unknown handles are reported on standard error and make\n"
    "                  the exit code 1.\n"
    "  --module PATH   the module to load instead of the quillview.arx beside acadsim\n"
    "  What the host's command line shows meanwhile goes to standard error.\n"
    "\n"
    "render    Paints markup as the scope window paints it: the font applied to the style sheet as the scope\n"
    "          window applies it, the markup measured, the window (its one-pixel border, the tooltip colours)\n"
    "          painted at the measured size plus 4 pixels each way and written to OUT.png. Prints \"W H\", the\n"
    "          measured size. For previewing the markup that extenders add to descriptions.\n"
    "  --html TEXT     the markup itself\n"
    "  --file FILE     the markup from a UTF-8 file\n"
    "  --css FILE      a style sheet (UTF-8) applied after the font\n"
    "  --font F,H      the scope's font: face F, lfHeight H (negative: the character height in pixels);\n"
    "                  default the settings' default font, Arial -12\n"
    "  --width N       the renderer's maximum width in pixels, for word wrap (the scope window sets none)\n"
    "  --module PATH   the module to load instead of the quillview.arx beside acadsim\n"
    "\n"
    "A drawing that cannot be read is reported as FILE:LINE: reason (FILE: byte N: reason for binary DXF),\n"
    "exit code 1.\n";

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
    std::cout << kUsage;
    return 0;
  }
  if (!args.empty() && args[0] == "describe") {
    acadsim::DescribeOptions options;
    std::string error;
    if (!acadsim::ParseDescribeOptions({args.begin() + 1, args.end()}, options, error)) {
      std::cerr << "acadsim describe: " << error << "\n" << kUsage;
      return 2;
    }
    return acadsim::RunDescribe(options, std::cout, std::cerr);
  }
  if (!args.empty() && args[0] == "show") {
    acadsim::ShowOptions options;
    std::string error;
    if (!acadsim::ParseShowOptions({args.begin() + 1, args.end()}, options, error)) {
      std::cerr << "acadsim show: " << error << "\n" << kUsage;
      return 2;
    }
    return acadsim::RunShow(options, std::cout, std::cerr);
  }
  if (!args.empty() && args[0] == "render") {
    acadsim::RenderOptions options;
    std::string error;
    if (!acadsim::ParseRenderOptions({args.begin() + 1, args.end()}, options, error)) {
      std::cerr << "acadsim render: " << error << "\n" << kUsage;
      return 2;
    }
    return acadsim::RunRender(options, std::cout, std::cerr);
  }
  const bool script = !args.empty() && args[0] == "run";
  acadsim::SessionOptions options;
  std::string error;
  if (!acadsim::ParseSessionOptions({args.begin() + (script ? 1 : 0), args.end()}, script, options, error)) {
    std::cerr << "acadsim" << (script ? " run" : "") << ": " << error << "\n" << kUsage;
    return 2;
  }
  return acadsim::RunSession(options, std::cerr);
}
