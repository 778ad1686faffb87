#include "describe/Names.h"

#include <qvwide.h>
#include <windows.h>

#include "host/ModuleStrings.h"

namespace {

constexpr size_t kLongestWholeName = 30;
constexpr size_t kShortenedHead = 15;
constexpr size_t kShortenedTail = 5;
constexpr Adesk::UInt16 kIndexByBlock = 0;
constexpr Adesk::UInt16 kIndexByLayer = 256;
constexpr Adesk::UInt16 kLastNamedIndex = 7;

}  // namespace

std::u16string ColorName(const AcCmColor& color) {
  if (color.isByColor()) {
    AcCmColor copy(color);  // colorNameForDisplay is not const
    const ACHAR* name = copy.colorNameForDisplay();
    return name != nullptr ? name : u"";
  }
  Adesk::UInt16 index = color.colorIndex();
  if (index == kIndexByBlock) return ModuleString(IDS_COLOR_BYBLOCK);
  if (index == kIndexByLayer) return ModuleString(IDS_COLOR_BYLAYER);
  if (index <= kLastNamedIndex) return ModuleString(static_cast<StringId>(IDS_COLOR_RED + index - 1));
  return FormatW(u"%d", static_cast<int>(index));
}

std::u16string ShortenName(std::u16string_view name) {
  if (name.size() <= kLongestWholeName) return std::u16string(name);
  std::u16string shortened(name.substr(0, kShortenedHead));
  shortened += ModuleString(IDS_ELLIPSIS);
  shortened += name.substr(name.size() - kShortenedTail);
  return shortened;
}
