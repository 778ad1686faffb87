#include "gdi/system_images.h"

#include <map>
#include <string_view>

#include "gdi/icon.h"
#include "winuser.h"

namespace win32 {

namespace {

// 'X' black, '.' white, anything else transparent; rows from the top-left of a 32 by 32 image.
const char* const kArrow[] = {
    "X",           "XX",          "X.X",         "X..X",        "X...X",      "X....X",     "X.....X",
    "X......X",    "X.......X",   "X........X",  "X.....XXXXX", "X..X..X",    "X.X X..X",   "XX  X..X",
    "X    X..X",   "     X..X",   "      X..X",  "      X..X",  "       XX",
};
const char* const kHand[] = {
    "     XX",           "    X..X",          "    X..X",          "    X..X",
    "    X..X",          "    X..XXX",        "    X..X..XXX",     "    X..X..X..XX",
    " XX X..X..X..X.X",  "X..XX........X..X", "X...X...........X", " X..............X",
    "  X.............X", "  X............X",  "   X...........X",  "   X..........X",
    "    X.........X",   "    X........X",    "     X.......X",    "     XXXXXXXXX",
};
const char* const kIBeam[] = {
    "XXX XXX", "   X", "   X", "   X", "   X", "   X", "   X", "   X",
    "   X",    "   X", "   X", "   X", "   X", "   X", "   X", "XXX XXX",
};
const char* const kWait[] = {
    "XXXXXXXXXXX", "X.........X", " X.......X", " X.......X", "  X.....X", "   X...X", "    X.X", "    X.X",
    "   X...X",    "  X.....X",   " X.......X", " X.......X", "X.........X", "XXXXXXXXXXX",
};
const char* const kCross[] = {
    "          X", "          X", "          X", "          X", "          X", "          X", "          X",
    "          X", "          X", "          X", "XXXXXXXXXXXXXXXXXXXXX", "          X", "          X",
    "          X", "          X", "          X", "          X", "          X", "          X", "          X",
    "          X",
};

IconPixels fromArt(const char* const* rows, int count) {
  IconPixels icon;
  icon.width = icon.height = kIconSize;
  icon.color.assign(kIconSize * kIconSize, 0);
  icon.mask.assign(kIconSize * kIconSize, 1);
  for (int y = 0; y < count; ++y) {
    std::string_view row(rows[y]);
    for (int x = 0; x < static_cast<int>(row.size()); ++x) {
      if (row[x] != 'X' && row[x] != '.') continue;
      icon.mask[y * kIconSize + x] = 0;
      icon.color[y * kIconSize + x] = row[x] == 'X' ? 0xFF000000 : 0xFFFFFFFF;
    }
  }
  return icon;
}

// A window: black frame, blue caption, white client area.
IconPixels applicationIcon() {
  IconPixels icon;
  icon.width = icon.height = kIconSize;
  icon.color.assign(kIconSize * kIconSize, 0);
  icon.mask.assign(kIconSize * kIconSize, 1);
  for (int y = 3; y < 29; ++y) {
    for (int x = 1; x < 31; ++x) {
      bool frame = y == 3 || y == 28 || x == 1 || x == 30;
      uint32_t color = frame ? 0xFF000000 : y < 9 ? 0xFF0054E3 : 0xFFFFFFFF;
      icon.color[y * kIconSize + x] = color;
      icon.mask[y * kIconSize + x] = 0;
    }
  }
  return icon;
}

template <size_t N>
HICON cursor(const char* const (&rows)[N], int hotX, int hotY) {
  return AddIcon(fromArt(rows, N), false, hotX, hotY, true);
}

}  // namespace

HICON SystemImage(LPCWSTR name, bool isCursor) {
  if (!IS_INTRESOURCE(name)) return nullptr;
  static std::map<std::pair<bool, uintptr_t>, HICON> made;
  auto id = reinterpret_cast<uintptr_t>(name);
  auto key = std::make_pair(isCursor, id);
  if (auto found = made.find(key); found != made.end()) return found->second;
  HICON image = nullptr;
  if (!isCursor && name == IDI_APPLICATION) image = AddIcon(applicationIcon(), true, 16, 16, true);
  else if (isCursor && name == IDC_ARROW) image = cursor(kArrow, 0, 0);
  else if (isCursor && name == IDC_HAND) image = cursor(kHand, 5, 0);
  else if (isCursor && name == IDC_IBEAM) image = cursor(kIBeam, 3, 8);
  else if (isCursor && name == IDC_WAIT) image = cursor(kWait, 5, 7);
  else if (isCursor && name == IDC_CROSS) image = cursor(kCross, 10, 10);
  if (image) made.emplace(key, image);
  return image;
}

}  // namespace win32
