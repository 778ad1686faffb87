// princ, prin1, print and terpri: writing values to the command line.
#include <acadsim/CommandLine.h>

#include <array>

#include "LispArguments.h"
#include "LispBuiltins.h"
#include "LispPrinter.h"
#include "LispSession.h"

namespace acadsim::lisp {
namespace {

// The optional file argument: the host opens no files for AutoLISP, so only nil (the command line) is valid.
void ExpectCommandLine(Args args) {
  ExpectCount(args, 0, 2);
  if (args.size() == 2 && !IsNil(args[1])) BadArgumentType(u"streamp", args[1]);
}

// Without an argument the value is the symbol that prints as nothing, which ends a defun quietly.
Value Princ(Session& session, Args args) {
  ExpectCommandLine(args);
  if (args.empty()) return session.symbols().nullSymbol();
  WriteCommandLine(PrincText(args[0]));
  return args[0];
}

Value Prin1(Session& session, Args args) {
  ExpectCommandLine(args);
  if (args.empty()) return session.symbols().nullSymbol();
  WriteCommandLine(Prin1Text(args[0]));
  return args[0];
}

Value Print(Session& session, Args args) {
  ExpectCommandLine(args);
  if (args.empty()) return session.symbols().nullSymbol();
  WriteCommandLine(u"\n" + Prin1Text(args[0]) + u" ");
  return args[0];
}

Value Terpri(Session&, Args args) {
  ExpectCount(args, 0, 0);
  WriteCommandLine(u"\n");
  return Value();
}

constexpr std::array kFunctions = {
    BuiltinDefinition{u"princ", Princ},
    BuiltinDefinition{u"prin1", Prin1},
    BuiltinDefinition{u"print", Print},
    BuiltinDefinition{u"terpri", Terpri},
};

}  // namespace

std::span<const BuiltinDefinition> OutputFunctions() { return kFunctions; }

}  // namespace acadsim::lisp
