#include "RenderOptions.h"

#include <charconv>

#include "qvwide.h"

namespace acadsim {
namespace {

constexpr size_t kMaxFaceChars = 31;  // LOGFONTW's face field less its terminator
constexpr int kMaxWidth = 100000;

bool ParseInteger(const std::string& text, long& value) {
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return ec == std::errc() && ptr == end && !text.empty();
}

bool ParseFont(const std::string& text, RenderFont& font, std::string& error) {
  const size_t comma = text.rfind(',');
  long height = 0;
  if (comma == std::string::npos || !ParseInteger(text.substr(comma + 1), height) || height < -10000 || height > 10000) {
    error = "--font takes \"FACE,HEIGHT\" with HEIGHT a whole number from -10000 to 10000, not " + text;
    return false;
  }
  font.face = Utf8ToWide(text.substr(0, comma));
  if (font.face.empty() || font.face.size() > kMaxFaceChars) {
    error = "--font needs a face name of 1 to 31 characters: " + text;
    return false;
  }
  font.height = height;
  return true;
}

}  // namespace

bool ParseRenderOptions(const std::vector<std::string>& args, RenderOptions& options, std::string& error) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool known = arg == "--html" || arg == "--file" || arg == "--css" || arg == "--font" || arg == "--width" ||
                       arg == "-o" || arg == "--module";
    if (!known) {
      error = "unknown argument " + arg;
      return false;
    }
    if (i + 1 == args.size()) {
      error = arg + " needs a value";
      return false;
    }
    const std::string& value = args[++i];
    if (arg == "--html") {
      options.html = value;
    } else if (arg == "--file") {
      options.markupFile = value;
    } else if (arg == "--css") {
      options.styleSheetFile = value;
    } else if (arg == "--font") {
      RenderFont font;
      if (!ParseFont(value, font, error)) return false;
      options.font = font;
    } else if (arg == "--width") {
      long width = 0;
      if (!ParseInteger(value, width) || width < 0 || width > kMaxWidth) {
        error = "--width takes a whole number of pixels from 0 to 100000, not " + value;
        return false;
      }
      options.maxWidth = static_cast<int>(width);
    } else if (arg == "-o") {
      options.output = value;
    } else {
      options.modulePath = value;
    }
  }
  if (options.html.has_value() == !options.markupFile.empty()) {
    error = "give the markup with exactly one of --html TEXT and --file FILE";
    return false;
  }
  if (options.output.empty()) {
    error = "no output file given (-o OUT.png)";
    return false;
  }
  return true;
}

}  // namespace acadsim
