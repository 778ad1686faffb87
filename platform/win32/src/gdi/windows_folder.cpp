// GetWindowsDirectoryW and the stand-in's setting of it.
#include <cstdlib>
#include <optional>
#include <string>

#include "qvgdi.h"
#include "qvwide.h"
#include "winbase.h"

namespace {

std::optional<std::string>& overridden() {
  static std::optional<std::string> path;
  return path;
}

// "$ACADSIM_HOME/Windows", the home folder defaulting to ~/.local/share/acadsim as the registry's does.
std::string windowsFolder() {
  if (overridden()) return *overridden();
  if (const char* home = std::getenv("ACADSIM_HOME"); home && *home) return std::string(home) + "/Windows";
  const char* user = std::getenv("HOME");
  return std::string(user ? user : "") + "/.local/share/acadsim/Windows";
}

}  // namespace

namespace win32sim {

void SetWindowsDirectory(const char* utf8Path) {
  if (utf8Path) overridden() = std::string(utf8Path);
  else overridden().reset();
}

}  // namespace win32sim

// The length copied (without the terminator), or the size needed (with it) when the buffer is short.
extern "C" UINT WINAPI GetWindowsDirectoryW(LPWSTR lpBuffer, UINT uSize) {
  std::u16string folder = Utf8ToWide(windowsFolder());
  UINT length = static_cast<UINT>(folder.size());
  if (!lpBuffer || uSize <= length) return length + 1;
  folder.copy(lpBuffer, length);
  lpBuffer[length] = u'\0';
  return length;
}
