// The actions of SIM lines: parsing them and handing them to the window manager's simulated person.
#include <acadsim/DrawingView.h>
#include <acadsim/HostWindows.h>
#include <acadsim/SimulatedInput.h>
#include <qvuser.h>
#include <qvwide.h>
#include <windows.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace acadsim {
namespace {

// The longest step of a simulated mouse movement, in pixels.
constexpr int kLongestCursorStep = 8;

std::vector<std::string> Words(std::u16string_view line) {
  std::vector<std::string> words;
  const std::string text = WideToUtf8(line);
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find(' ', start);
    const size_t stop = end == std::string::npos ? text.size() : end;
    if (stop > start) words.push_back(text.substr(start, stop - start));
    start = stop + 1;
  }
  return words;
}

std::string Upper(std::string text) {
  for (char& c : text) c = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
  return text;
}

std::optional<double> Number(std::string_view text) {
  if (text.empty()) return std::nullopt;
  const std::string copy(text);
  char* end = nullptr;
  const double value = std::strtod(copy.c_str(), &end);
  if (end != copy.c_str() + copy.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

// "x,y" as two numbers.
std::optional<std::pair<double, double>> PointText(std::string_view text) {
  const size_t comma = text.find(',');
  if (comma == std::string_view::npos) return std::nullopt;
  const std::optional<double> x = Number(text.substr(0, comma));
  const std::optional<double> y = Number(text.substr(comma + 1));
  if (!x || !y) return std::nullopt;
  return std::make_pair(*x, *y);
}

std::u16string Error(const std::string& text) { return Utf8ToWide("SIM: " + text + "\n"); }

std::u16string CursorLine() {
  POINT at{};
  GetCursorPos(&at);
  return Utf8ToWide("cursor " + std::to_string(at.x) + "," + std::to_string(at.y) + "\n");
}

// A straight line in steps of at most kLongestCursorStep pixels, each one mouse message.
std::u16string MoveCursorTo(POINT target) {
  POINT from{};
  GetCursorPos(&from);
  const long dx = static_cast<long>(target.x) - from.x;
  const long dy = static_cast<long>(target.y) - from.y;
  const long steps = std::max<long>(1, (std::max(std::labs(dx), std::labs(dy)) + kLongestCursorStep - 1) /
                                           kLongestCursorStep);
  for (long i = 1; i <= steps; ++i) {
    const POINT step{static_cast<LONG>(from.x + std::lround(static_cast<double>(dx) * i / steps)),
                     static_cast<LONG>(from.y + std::lround(static_cast<double>(dy) * i / steps))};
    win32sim::MoveCursor(step);
    win32sim::PumpMessages();
  }
  return CursorLine();
}

// Screen pixels are whole numbers inside what a 16-bit coordinate message can carry.
std::optional<POINT> ScreenPoint(const std::pair<double, double>& xy) {
  constexpr double kLimit = 32767;
  if (std::floor(xy.first) != xy.first || std::floor(xy.second) != xy.second) return std::nullopt;
  if (std::fabs(xy.first) > kLimit || std::fabs(xy.second) > kLimit) return std::nullopt;
  return POINT{static_cast<LONG>(xy.first), static_cast<LONG>(xy.second)};
}

std::u16string Cursor(const std::vector<std::string>& words) {
  const auto xy = words.size() == 3 ? PointText(words[2]) : std::nullopt;
  const auto point = xy ? ScreenPoint(*xy) : std::nullopt;
  if (!point) return Error("CURSOR takes a screen point x,y in whole pixels");
  return MoveCursorTo(*point);
}

std::u16string CursorWorld(const std::vector<std::string>& words) {
  const auto xy = words.size() == 3 ? PointText(words[2]) : std::nullopt;
  if (!xy) return Error("CURSORW takes a world point x,y");
  AcApDocument* doc = acDocManagerPtr() != nullptr ? acDocManagerPtr()->curDocument() : nullptr;
  const HWND view = DrawingViewWindow(doc);
  if (view == nullptr) return Error("CURSORW needs a drawing view");
  double px = 0, py = 0;
  documentView(doc).toPixel(AcGePoint2d(xy->first, xy->second), px, py);
  const auto client = ScreenPoint({std::floor(px), std::floor(py)});
  if (!client) return Error("CURSORW: the point is too far outside the view");
  POINT screen = *client;
  ClientToScreen(view, &screen);
  return MoveCursorTo(screen);
}

std::u16string Wait(const std::vector<std::string>& words) {
  const auto ms = words.size() == 3 ? Number(words[2]) : std::nullopt;
  if (!ms || *ms < 0 || *ms > 86400000.0 || std::floor(*ms) != *ms) {
    return Error("WAIT takes whole milliseconds, 0 to 86400000");
  }
  win32sim::AdvanceClock(static_cast<DWORD>(*ms));
  return {};
}

std::optional<UINT> VirtualKey(const std::string& name) {
  static const std::pair<const char*, UINT> kNamed[] = {
      {"CTRL", VK_CONTROL}, {"SHIFT", VK_SHIFT}, {"ALT", VK_MENU},  {"ESC", VK_ESCAPE},
      {"ENTER", VK_RETURN}, {"TAB", VK_TAB},     {"SPACE", VK_SPACE}};
  for (const auto& [keyName, key] : kNamed) {
    if (name == keyName) return key;
  }
  if (name.size() == 1 && ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= '0' && name[0] <= '9'))) {
    return static_cast<UINT>(name[0]);
  }
  if (name.size() >= 2 && name[0] == 'F') {
    int number = 0;
    const auto [end, error] = std::from_chars(name.data() + 1, name.data() + name.size(), number);
    if (error == std::errc() && end == name.data() + name.size() && number >= 1 && number <= 12) {
      return static_cast<UINT>(VK_F1 + number - 1);
    }
  }
  return std::nullopt;
}

std::u16string Key(const std::vector<std::string>& words) {
  if (words.size() != 4) return Error("KEY takes a key name and DOWN, UP or REPEAT");
  const std::optional<UINT> key = VirtualKey(Upper(words[2]));
  if (!key) return Error("unknown key \"" + words[2] + "\"");
  const std::string action = Upper(words[3]);
  if (action == "DOWN") {
    win32sim::PressKey(*key, win32sim::KeyAction::Down);
  } else if (action == "UP") {
    win32sim::PressKey(*key, win32sim::KeyAction::Up);
  } else if (action == "REPEAT") {
    win32sim::PressKey(*key, win32sim::KeyAction::Repeat);
  } else {
    return Error("KEY takes DOWN, UP or REPEAT, not \"" + words[3] + "\"");
  }
  return {};
}

std::u16string Click(const std::vector<std::string>& words) {
  const std::string button = words.size() == 3 ? Upper(words[2]) : std::string();
  win32sim::MouseButton which;
  if (button == "LEFT") {
    which = win32sim::MouseButton::Left;
  } else if (button == "RIGHT") {
    which = win32sim::MouseButton::Right;
  } else if (button == "MIDDLE") {
    which = win32sim::MouseButton::Middle;
  } else {
    return Error("CLICK takes LEFT, RIGHT or MIDDLE");
  }
  win32sim::PressMouseButton(which, true);
  win32sim::PumpMessages();
  win32sim::PressMouseButton(which, false);
  return {};
}

std::u16string Wheel(const std::vector<std::string>& words) {
  const auto notches = words.size() == 3 ? Number(words[2]) : std::nullopt;
  if (!notches || std::floor(*notches) != *notches || std::fabs(*notches) > 100) {
    return Error("WHEEL takes whole notches, -100 to 100");
  }
  win32sim::TurnWheel(static_cast<int>(*notches) * WHEEL_DELTA);
  return {};
}

std::u16string Activate(const std::vector<std::string>& words) {
  const std::string which = words.size() == 3 ? Upper(words[2]) : std::string();
  if (which == "OTHER") {
    win32sim::ActivateOtherApplication();
  } else if (which == "HOST") {
    win32sim::ActivateHostApplication();
  } else {
    return Error("ACTIVATE takes OTHER or HOST");
  }
  return {};
}

std::u16string Snapshot(std::u16string_view line) {
  // The file name is the rest of the line, spaces included.
  const std::string text = WideToUtf8(line);
  const size_t action = text.find("SNAPSHOT");
  std::string path = action == std::string::npos ? std::string() : text.substr(action + 8);
  path.erase(0, path.find_first_not_of(' '));
  while (!path.empty() && path.back() == ' ') path.pop_back();
  if (path.empty()) return Error("SNAPSHOT takes a file name");
  if (!win32sim::SaveScreenshotPng(path.c_str())) return Error("cannot write the screenshot " + path);
  return {};
}

}  // namespace

bool IsSimulatedInputLine(std::u16string_view line) {
  return line.size() >= 3 && line.substr(0, 3) == u"SIM" && (line.size() == 3 || line[3] == u' ');
}

std::u16string RunSimulatedInput(std::u16string_view line) {
  const std::vector<std::string> words = Words(line);
  if (words.size() < 2) return Error("an action is missing: CURSOR, CURSORW, WAIT, KEY, CLICK, WHEEL, ACTIVATE, SNAPSHOT or SCOPE");
  const std::string action = Upper(words[1]);
  if (action == "CURSOR") return Cursor(words);
  if (action == "CURSORW") return CursorWorld(words);
  if (action == "WAIT") return Wait(words);
  if (action == "KEY") return Key(words);
  if (action == "CLICK") return Click(words);
  if (action == "WHEEL") return Wheel(words);
  if (action == "ACTIVATE") return Activate(words);
  if (action == "SNAPSHOT") return Snapshot(line);
  if (action == "SCOPE") return words.size() == 2 ? ScopeWindowState() + u"\n" : Error("SCOPE takes nothing more");
  return Error("unknown action \"" + words[1] + "\"");
}

}  // namespace acadsim
