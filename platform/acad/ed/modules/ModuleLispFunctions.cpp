// AutoLISP functions that modules define: acedDefun and acedRegFunc, the call, and the acedRet* results.
#include <acadsim/AppMessages.h>
#include <acadsim/Modules.h>
#include <acedads.h>
#include <acutads.h>

#include <map>
#include <utility>
#include <vector>

#include "../documents/DocumentManager.h"
#include "ModuleFunctions.h"
#include "ResultBufferCopy.h"

namespace acadsim {
namespace {

// One call of a module's function in progress: what acedGetFunCode and acedGetArgs give, what acedRet* set.
struct CallFrame {
  int funcode;
  const resbuf* args;
  resbuf* result = nullptr;
};

std::vector<CallFrame*>& Frames() {
  static std::vector<CallFrame*> frames;
  return frames;
}

using DirectFunction = int (*)();

// Per module, the functions acedRegFunc gave for its function numbers.
std::map<void*, std::map<int, DirectFunction>>& DirectFunctions() {
  static std::map<void*, std::map<int, DirectFunction>> functions;
  return functions;
}

DirectFunction DirectFunctionOf(void* appId, int funcno) {
  auto module = DirectFunctions().find(appId);
  if (module == DirectFunctions().end()) return nullptr;
  auto fn = module->second.find(funcno);
  return fn == module->second.end() ? nullptr : fn->second;
}

// The module may unload itself meanwhile, so only host data is used once its code returns.
LispCallResult CallModuleFunction(void* appId, int funcno, const resbuf* args) {
  const std::u16string path = ModulePathOf(appId);
  LispCallResult result;
  CallFrame frame{funcno, args};
  Frames().push_back(&frame);
  int status = RSRSLT;
  {
    ScopedModuleCall running(appId);
    if (DirectFunction direct = DirectFunctionOf(appId, funcno)) status = direct();
    else SendAppMessage(path.c_str(), AcRx::kInvkSubrMsg);
  }
  Frames().pop_back();
  if (status == RSERR) {
    acutRelRb(frame.result);
    result.status = RTERROR;
    result.error = u"ADS request error";
    return result;
  }
  result.value = frame.result;
  return result;
}

// Replaces the result of the call in progress with value (taken over); RTERROR outside a call.
int SetResult(resbuf* value) {
  if (Frames().empty()) {
    acutRelRb(value);
    return RTERROR;
  }
  acutRelRb(Frames().back()->result);
  Frames().back()->result = value;
  return RTNORM;
}


Document* CurrentDocument() {
  return DocumentManager::instance().find(DocumentManager::instance().curDocument());
}

}  // namespace

void ForgetModuleLispFunctions(void* appId) {
  DirectFunctions().erase(appId);
  for (const auto& doc : DocumentManager::instance().documents()) doc->removeModuleFunctions(appId);
}

}  // namespace acadsim

// A name is defined for the calling module in the current document; a module defines its functions again
// in each document at kLoadDwgMsg, as in AutoCAD.
int acedDefun(const ACHAR* sname, int funcno) {
  void* appId = acadsim::CurrentModuleAppId();
  acadsim::Document* doc = acadsim::CurrentDocument();
  if (sname == nullptr || *sname == 0 || appId == nullptr || doc == nullptr || funcno < 0) return RTERROR;
  doc->defineModuleFunction(sname, appId, funcno, [appId, funcno](const resbuf* args) {
    return acadsim::CallModuleFunction(appId, funcno, args);
  });
  return RTNORM;
}

int acedUndef(const ACHAR* sname, int funcno) {
  void* appId = acadsim::CurrentModuleAppId();
  acadsim::Document* doc = acadsim::CurrentDocument();
  if (sname == nullptr || appId == nullptr || doc == nullptr) return RTERROR;
  return doc->undefineModuleFunction(sname, appId, funcno) ? RTNORM : RTERROR;
}

// A null function takes the number back to kInvkSubrMsg.
int acedRegFunc(int (*fhdl)(void), int fcode) {
  void* appId = acadsim::CurrentModuleAppId();
  if (appId == nullptr || fcode < 0) return RTERROR;
  if (fhdl == nullptr) acadsim::DirectFunctions()[appId].erase(fcode);
  else acadsim::DirectFunctions()[appId][fcode] = fhdl;
  return RTNORM;
}

int acedGetFunCode() { return acadsim::Frames().empty() ? RTERROR : acadsim::Frames().back()->funcode; }

struct resbuf* acedGetArgs() {
  return acadsim::Frames().empty() ? nullptr : const_cast<resbuf*>(acadsim::Frames().back()->args);
}

// The chain becomes one AutoLISP list; an empty chain is nil.
int acedRetList(const struct resbuf* rbuf) {
  if (rbuf == nullptr) return acadsim::SetResult(nullptr);
  resbuf* list = acutNewRb(RTLB);
  list->rbnext = acadsim::CopyResbufChain(rbuf);
  resbuf* last = list;
  while (last->rbnext != nullptr) last = last->rbnext;
  last->rbnext = acutNewRb(RTLE);
  return acadsim::SetResult(list);
}

int acedRetVal(const struct resbuf* rbuf) {
  if (rbuf == nullptr) return acadsim::Frames().empty() ? RTERROR : acadsim::SetResult(nullptr);
  return acadsim::SetResult(acadsim::CopyResbuf(rbuf));
}

int acedRetNil() { return acadsim::SetResult(nullptr); }
int acedRetT() { return acadsim::SetResult(acutNewRb(RTT)); }
// RTVOID: the interpreter's null symbol, which the command line does not echo.
int acedRetVoid() { return acadsim::SetResult(acutNewRb(RTVOID)); }

int acedRetInt(int ival) {
  resbuf* value = acutNewRb(RTLONG);
  value->resval.rlong = ival;
  return acadsim::SetResult(value);
}

int acedRetReal(ads_real rval) {
  resbuf* value = acutNewRb(RTREAL);
  value->resval.rreal = rval;
  return acadsim::SetResult(value);
}

int acedRetStr(const ACHAR* s) {
  resbuf* value = acutNewRb(RTSTR);
  acutNewString(s == nullptr ? u"" : s, value->resval.rstring);
  return acadsim::SetResult(value);
}
