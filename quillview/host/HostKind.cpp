#include "host/HostKind.h"

#include <acedads.h>
#include <acutads.h>
#include <acutmem.h>
#include <windows.h>

namespace {

bool ReadIsFullAutoCAD() {
  resbuf value{};
  if (acedGetVar(u"PRODUCT", &value) != RTNORM) return false;
  bool full = false;
  if (value.restype == RTSTR && value.resval.rstring != nullptr) {
    full = lstrcmpW(value.resval.rstring, u"AutoCAD") == 0;
    acutDelString(value.resval.rstring);
  }
  return full;
}

}  // namespace

bool IsFullAutoCAD() {
  static const bool full = ReadIsFullAutoCAD();
  return full;
}
