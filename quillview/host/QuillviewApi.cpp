#include "quillview/QuillviewApi.h"

#include <dbmain.h>

#include <algorithm>

#include "describe/DescribeObject.h"
#include "host/QuillviewRxApp.h"

namespace {

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }

}  // namespace

QUILLVIEW_EXPORT int QuillviewDescribeEntity(AcDbEntity* entity, int gsMarker, WCHAR* buffer, int bufferChars) {
  if (!QuillviewRxApp().IsInitialised() || entity == nullptr || bufferChars < 0 || (buffer == nullptr && bufferChars > 0)) {
    return -1;
  }
  try {
    ScopeText description;
    DescribeObject(description, entity->isA(), entity, gsMarker);
    std::u16string text = AssembleScopeText(description);
    if (bufferChars > 0) {
      size_t copied = std::min(text.size(), static_cast<size_t>(bufferChars - 1));
      if (copied > 0 && copied < text.size() && IsHighSurrogate(text[copied - 1])) --copied;
      std::copy_n(text.begin(), copied, buffer);
      buffer[copied] = u'\0';
    }
    return static_cast<int>(text.size());
  } catch (...) {
    return -1;
  }
}
