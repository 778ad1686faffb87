#include "host/LispFunction.h"

#include <acedads.h>
#include <acutads.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "host/QuillviewApp.h"
#include "hover/Scope.h"

namespace {

int QuillviewLisp();

struct LispEntry {
  const ACHAR* name;
  int (*function)();
  bool callDirectly;  // registered with acedRegFunc as well
};

constexpr LispEntry kLispFunctions[] = {{u"quillview", &QuillviewLisp, true}};

bool IsNumber(const resbuf* arg) {
  return arg->restype == RTSHORT || arg->restype == RTLONG || arg->restype == RTREAL;
}

// Truncated toward zero; reals beyond the 64-bit range (or not a number) end at its limits.
int64_t NumberValue(const resbuf* arg) {
  if (arg->restype == RTSHORT) return arg->resval.rint;
  if (arg->restype == RTLONG) return arg->resval.rlong;
  const double value = arg->resval.rreal;
  if (std::isnan(value)) return 0;
  if (value >= 9.2e18) return std::numeric_limits<int64_t>::max();
  if (value <= -9.2e18) return std::numeric_limits<int64_t>::min();
  return static_cast<int64_t>(value);
}

// The arguments one by one: a list is one argument, from its RTLB to its matching RTLE.
const resbuf* NextArgument(const resbuf* arg) {
  if (arg->restype == RTLB) {
    int depth = 0;
    for (; arg != nullptr; arg = arg->rbnext) {
      if (arg->restype == RTLB) ++depth;
      if (arg->restype == RTLE && --depth == 0) break;
    }
    return arg != nullptr ? arg->rbnext : nullptr;
  }
  return arg->rbnext;
}

resbuf* ShortItem(int value) {
  resbuf* item = acutNewRb(RTSHORT);
  if (item != nullptr) item->resval.rint = static_cast<short>(static_cast<uint16_t>(value));
  return item;
}

void ReturnSettings(const CQuillviewApp& app) {
  const int values[] = {static_cast<int>(app.TimerInterval()), app.Enabled(), !app.Invasive(), app.AutoLoad(),
                        app.ShowButton(), app.DefaultShowNested(), app.ButtonPosition()};
  resbuf* head = nullptr;
  resbuf** tail = &head;
  for (int value : values) {
    *tail = ShortItem(value);
    if (*tail == nullptr) break;
    tail = &(*tail)->rbnext;
  }
  acedRetList(head);
  acutRelRb(head);
}

// nil leaves the setting; a number sets (number != 0); anything else sets false. False: leave it.
bool FlagArgument(const resbuf* arg, bool& value) {
  if (arg->restype == RTNIL) return false;
  value = IsNumber(arg) && NumberValue(arg) != 0;
  return true;
}

int QuillviewLisp() {
  CQuillviewApp& app = QuillviewApp();
  ReturnSettings(app);
  const resbuf* arg = acedGetArgs();
  if (arg == nullptr) return RSRSLT;

  if (IsNumber(arg) && NumberValue(arg) >= 0) {
    // The largest interval stays one below 0xFFFFFFFF, which the next load would take for a missing value.
    const int64_t largest = std::numeric_limits<UINT>::max() - 1;
    app.SetTimerInterval(static_cast<UINT>(std::min<int64_t>(NumberValue(arg), largest)));
  }
  bool flag = false;
  if ((arg = NextArgument(arg)) == nullptr) return RSRSLT;
  if (FlagArgument(arg, flag)) {
    app.SetEnabled(flag);
    app.Scope().HideAndArm(0);
  }
  if ((arg = NextArgument(arg)) == nullptr) return RSRSLT;
  if (FlagArgument(arg, flag)) app.SetInvasive(!flag);
  if ((arg = NextArgument(arg)) == nullptr) return RSRSLT;
  if (FlagArgument(arg, flag)) app.SetAutoLoad(flag);
  if ((arg = NextArgument(arg)) == nullptr) return RSRSLT;
  if (FlagArgument(arg, flag)) app.SetShowButton(flag);
  if ((arg = NextArgument(arg)) == nullptr) return RSRSLT;
  if (FlagArgument(arg, flag)) app.SetDefaultShowNested(flag);
  if ((arg = NextArgument(arg)) == nullptr) return RSRSLT;
  if (arg->restype != RTNIL) {
    const int64_t position = IsNumber(arg) ? NumberValue(arg) : -1;
    app.SetButtonPosition(static_cast<int>(std::clamp<int64_t>(position, INT32_MIN, INT32_MAX)));
  }
  return RSRSLT;
}

}  // namespace

void DefineLispFunction() {
  for (int code = 0; code < static_cast<int>(std::size(kLispFunctions)); ++code) {
    acedDefun(kLispFunctions[code].name, code);
    if (kLispFunctions[code].callDirectly) acedRegFunc(kLispFunctions[code].function, code);
  }
}

void UndefineLispFunction() {
  for (int code = 0; code < static_cast<int>(std::size(kLispFunctions)); ++code) acedUndef(kLispFunctions[code].name, code);
}

void InvokeLispFunction(int functionCode) {
  if (functionCode >= 0 && functionCode < static_cast<int>(std::size(kLispFunctions))) {
    kLispFunctions[functionCode].function();
  }
}
