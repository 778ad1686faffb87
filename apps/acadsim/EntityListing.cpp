#include "EntityListing.h"

#include <vector>

#include "acadsim/DrawingQueries.h"

namespace acadsim {
namespace {

// The module's text for one entity, grown until it fits.
std::u16string Describe(QuillviewDescribeEntityFn describe, AcDbEntity* entity) {
  std::vector<WCHAR> buffer(1024);
  int length = describe(entity, -1, buffer.data(), static_cast<int>(buffer.size()));
  if (length >= static_cast<int>(buffer.size())) {
    buffer.resize(static_cast<size_t>(length) + 1);
    length = describe(entity, -1, buffer.data(), static_cast<int>(buffer.size()));
  }
  return length < 0 ? std::u16string() : std::u16string(buffer.data(), static_cast<size_t>(length));
}

}  // namespace

std::u16string HandleText(AcDbObjectId id) {
  ACHAR buffer[17];
  id.handle().getIntoAsciiBuffer(buffer, 17);
  return buffer;
}

std::u16string ListingEntry(QuillviewDescribeEntityFn describe, AcDbEntity* entity) {
  return u"=== " + HandleText(entity->objectId()) + u" " + dxfTypeName(entity) + u"\n" + Describe(describe, entity) +
         u"\n\n";
}

}  // namespace acadsim
