// The host's AutoLISP functions arxload and arxunload.
#include <acadsim/HostArxFunctions.h>
#include <acadsim/LispFunctions.h>
#include <acutads.h>
#include <qvwide.h>
#include <rxdlinkr.h>

#include <string>

#include "ArxCommand.h"
#include "ArxNames.h"
#include "ResultBufferCopy.h"

namespace acadsim {
namespace {

LispCallResult Failure(std::u16string error) {
  LispCallResult result;
  result.status = RTERROR;
  result.error = std::move(error);
  return result;
}

LispCallResult StringResult(const ACHAR* text) {
  LispCallResult result;
  result.value = acutNewRb(RTSTR);
  acutNewString(text, result.value->resval.rstring);
  return result;
}

// How AutoLISP shows the offending argument of a type error; values other than atoms are left out.
std::u16string ArgumentText(const resbuf& arg) {
  switch (arg.restype) {
    case RTSHORT: return u" " + Utf8ToWide(std::to_string(arg.resval.rint));
    case RTLONG: return u" " + Utf8ToWide(std::to_string(arg.resval.rlong));
    case RTNIL: return u" nil";
    case RTT: return u" T";
    default: return u"";
  }
}

// The argument after the value at arg: a list runs to its RTLE, a dotted pair to its RTDOTE.
const resbuf* NextArgument(const resbuf* arg) {
  int depth = 0;
  do {
    if (arg->restype == RTLB) ++depth;
    if (arg->restype == RTLE || arg->restype == RTDOTE) --depth;
    arg = arg->rbnext;
  } while (arg != nullptr && depth > 0);
  return arg;
}

// (name [onfailure]): checks the arguments, runs act on the name, answers the name or onfailure's value.
LispCallResult ApplicationCall(const resbuf* args, const char16_t* failedText,
                               bool (*act)(const std::u16string& name, bool quiet)) {
  if (args == nullptr) return Failure(u"too few arguments");
  if (args->restype != RTSTR || args->resval.rstring == nullptr) {
    return Failure(u"bad argument type: stringp" + ArgumentText(*args));
  }
  const resbuf* onFailure = NextArgument(args);
  if (onFailure != nullptr && NextArgument(onFailure) != nullptr) return Failure(u"too many arguments");
  const std::u16string name = args->resval.rstring;
  if (act(name, onFailure != nullptr)) return StringResult(name.c_str());
  if (onFailure == nullptr) return Failure(failedText);
  // onfailure is the last argument, so the rest of the chain is its value alone.
  LispCallResult result;
  result.value = onFailure->restype == RTNIL ? nullptr : CopyResbufChain(onFailure);
  return result;
}

// Loading an application that is loaded already fails, as AutoCAD documents it.
bool LoadApplication(const std::u16string& name, bool quiet) {
  if (!LoadedModuleNamed(name).empty()) return false;
  return acrxDynamicLinker->loadModule(WithArxExtension(name).c_str(), !quiet);
}

bool UnloadApplication(const std::u16string& name, bool quiet) {
  const std::u16string loaded = LoadedModuleNamed(name);
  return !loaded.empty() && acrxDynamicLinker->unloadModule(loaded.c_str(), !quiet);
}

}  // namespace

void RegisterArxFunctions() {
  HostLispFunctions().define(u"arxload", [](const resbuf* args) {
    return ApplicationCall(args, u"ARXLOAD failed", &LoadApplication);
  });
  HostLispFunctions().define(u"arxunload", [](const resbuf* args) {
    return ApplicationCall(args, u"ARXUNLOAD failed", &UnloadApplication);
  });
  RegisterArxCommand();
}

}  // namespace acadsim
