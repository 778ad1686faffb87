#include <acedads.h>
#include <acutads.h>
#include <rxregsvc.h>
#include "DynamicLinker.h"
#include "SystemRegistry.h"

struct resbuf* acedArxLoaded() {
  acadsim::EnsureHostClasses();
  resbuf* head = nullptr;
  resbuf** tail = &head;
  for (const std::u16string& path : acadsim::rx::Roots().linker->modulePaths()) {
    const size_t slash = path.find_last_of(u"/\\");
    const std::u16string fileName = slash == std::u16string::npos ? path : path.substr(slash + 1);
    resbuf* item = acutNewRb(RTSTR);
    acutNewString(fileName.c_str(), item->resval.rstring);
    *tail = item;
    tail = &item->rbnext;
  }
  return head;
}
