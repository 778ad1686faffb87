// Feeds arbitrary text to the line-building operations: pieces split at NUL bytes, UTF-8 or raw UTF-16.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include <windows.h>

#include "describe/ScopeText.h"
#include "describe/TextBuilding.h"
#include "host/ModuleStrings.h"
#include "qvwide.h"

namespace {

// The line feed and ellipsis come from the module's string table, so the real module lends its resources; it
// is freed at exit, so that its library detaches as it does in the host.
bool loadStrings() {
  struct LoadedModule {
    HMODULE handle = LoadLibraryW(u"" QV_BIN_DIR "/quillview.arx");
    ~LoadedModule() {
      if (handle) FreeLibrary(handle);
    }
  };
  static const LoadedModule module;
  static const bool loaded = module.handle && LoadModuleStrings(module.handle);
  return loaded;
}

std::u16string decode(std::string_view bytes) {
  if (!bytes.empty() && bytes[0] == '\x01') {  // raw UTF-16, lone surrogates and all
    std::u16string wide((bytes.size() - 1) / 2, u'\0');
    for (size_t i = 0; i < wide.size(); ++i)
      wide[i] = static_cast<char16_t>(static_cast<uint8_t>(bytes[1 + 2 * i]) | (static_cast<uint8_t>(bytes[2 + 2 * i]) << 8));
    return wide;
  }
  return Utf8ToWide(bytes);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (!loadStrings()) std::abort();
  std::string_view input(reinterpret_cast<const char*>(data), size);
  ScopeText text;
  std::u16string* parts[] = {&text.Body, &text.Prefix, &text.Suffix};
  size_t n = 0;
  while (!input.empty()) {
    const size_t cut = input.find('\0');
    const std::u16string piece = decode(input.substr(0, cut));
    std::u16string& part = *parts[n++ % 3];
    if (piece.size() == 1 && piece[0] == u'\n') NewLine(part);
    else Append(part, piece);
    VisibleText(part);
    input = cut == std::string_view::npos ? std::string_view() : input.substr(cut + 1);
  }
  const std::u16string joined = AssembleScopeText(text);
  if (!joined.empty() && (IsWhiteSpace(joined.front()) || IsWhiteSpace(joined.back()))) std::abort();
  return 0;
}
