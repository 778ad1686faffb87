#include "hover/RolloverTips.h"

#include <acedads.h>

namespace {

constexpr const ACHAR* kRolloverTips = u"ROLLOVERTIPS";

}  // namespace

// The flag is never cleared: once the module turned the tips off, it owes the user turning them on again.
void TurnOffRolloverTips(bool& turnedOff) {
  resbuf value{};
  if (acedGetVar(kRolloverTips, &value) != RTNORM || value.restype != RTSHORT) return;
  if (value.resval.rint == 0) return;
  turnedOff = true;
  value.resval.rint = 0;
  acedSetVar(kRolloverTips, &value);
}

void RestoreRolloverTips(bool turnedOff) {
  if (!turnedOff) return;
  resbuf on{};
  on.restype = RTSHORT;
  on.resval.rint = 1;
  acedSetVar(kRolloverTips, &on);
}
