// A module that prints each message it gets with the drawing then current, and gives AutoLISP functions of
// every kind: through kInvkSubrMsg, directly through acedRegFunc, and with each kind of result.
#include <arxHeaders.h>

#include <string>

#ifndef DOC_TEST_LABEL
#define DOC_TEST_LABEL u""
#endif

namespace {

enum Function {
  kEcho,
  kFirst,
  kInt,
  kReal,
  kString,
  kTrue,
  kNil,
  kVoid,
  kNothing,
  kDirect,
  kFailing,
  kUndefineEcho,
  kCode,
};

struct Definition {
  const ACHAR* name;
  Function code;
  bool direct;
};

// The "-x" functions answer through acedRegFunc, the others through kInvkSubrMsg.
const Definition kDefinitions[] = {
    {u"doctest-echo", kEcho, false},       {u"doctest-first", kFirst, false},
    {u"doctest-int", kInt, false},         {u"doctest-real", kReal, false},
    {u"doctest-str", kString, false},      {u"doctest-t", kTrue, false},
    {u"doctest-nil", kNil, false},         {u"doctest-void", kVoid, false},
    {u"doctest-nothing", kNothing, false}, {u"doctest-x", kDirect, true},
    {u"doctest-fail-x", kFailing, true},   {u"doctest-undef", kUndefineEcho, false},
    {u"doctest-code", kCode, false},
};

std::u16string CurrentDrawing() {
  resbuf value{};
  if (acedGetVar(u"DWGNAME", &value) != RTNORM) return u"?";
  std::u16string name = value.resval.rstring;
  acutDelString(value.resval.rstring);
  return name;
}

void Log(const ACHAR* event) { acutPrintf(u"[%s%s %s]", DOC_TEST_LABEL, event, CurrentDrawing().c_str()); }

int Run(int code) {
  switch (code) {
    case kEcho: return acedRetList(acedGetArgs());
    case kFirst: return acedRetVal(acedGetArgs());
    case kInt: return acedRetInt(70000);
    case kReal: return acedRetReal(2.5);
    case kString: return acedRetStr(u"text");
    case kTrue: return acedRetT();
    case kNil: return acedRetNil();
    case kVoid: return acedRetVoid();
    case kNothing: return RSRSLT;
    case kUndefineEcho: return acedRetInt(acedUndef(u"doctest-echo", kEcho));
    case kCode: return acedRetInt(acedGetFunCode());
    default: return acedRetStr(u"unexpected");
  }
}

int DirectFunction() {
  acedRetStr(u"direct");
  return RSRSLT;
}

int FailingFunction() {
  acedRetStr(u"never seen");
  return RSERR;
}

void DefineFunctions() {
  for (const Definition& def : kDefinitions) {
    acedDefun(def.name, def.code);
    if (def.direct) acedRegFunc(def.code == kDirect ? &DirectFunction : &FailingFunction, def.code);
  }
}

}  // namespace

extern "C" AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void* pkt) {
  switch (msg) {
    case AcRx::kInitAppMsg:
      Log(u"init");
      acrxDynamicLinker->unlockApplication(pkt);
      return AcRx::kRetOK;
    case AcRx::kUnloadAppMsg:
      Log(u"unload");
      return AcRx::kRetOK;
    case AcRx::kLoadDwgMsg:
      Log(u"loaddwg");
      DefineFunctions();
      return AcRx::kRetOK;
    case AcRx::kUnloadDwgMsg:
      Log(u"unloaddwg");
      return AcRx::kRetOK;
    case AcRx::kInvkSubrMsg:
      Run(acedGetFunCode());
      return AcRx::kRetOK;
    default:
      return AcRx::kRetOK;
  }
}

extern "C" int acrxGetApiVersion() { return 17; }
