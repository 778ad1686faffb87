#include "ArxNames.h"

#include <rxdlinkr.h>

namespace acadsim {

std::u16string WithArxExtension(std::u16string_view name) {
  const size_t slash = name.find_last_of(u"/\\");
  const size_t dot = name.find_last_of(u'.');
  const bool hasExtension = dot != std::u16string_view::npos && (slash == std::u16string_view::npos || dot > slash);
  return std::u16string(name) + (hasExtension ? u"" : u".arx");
}

std::u16string LoadedModuleNamed(std::u16string_view name) {
  for (const std::u16string& candidate : {std::u16string(name), WithArxExtension(name)}) {
    if (!candidate.empty() && acrxDynamicLinker->isModuleLoaded(candidate.c_str())) return candidate;
  }
  return {};
}

}  // namespace acadsim
