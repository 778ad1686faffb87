#include "RenderCommand.h"

#include <fstream>
#include <iterator>
#include <optional>
#include <string_view>

#include "LoadedModule.h"
#include "acadsim/CommandLine.h"
#include "qvwide.h"
#include <windows.h>
#include "qvgdi.h"
#include "quillview/QuillviewApi.h"

namespace acadsim {
namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// A UTF-8 text file, its byte-order mark dropped.
bool ReadTextFile(const std::string& path, std::u16string& text, std::ostream& err) {
  std::ifstream in(path, std::ios::binary);
  std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (!in.is_open() || in.bad()) {
    err << "cannot read " << path << "\n";
    return false;
  }
  std::string_view view = content;
  if (view.starts_with(kUtf8ByteOrderMark)) view.remove_prefix(kUtf8ByteOrderMark.size());
  text = Utf8ToWide(view);
  return true;
}

LOGFONTW FontOf(const RenderFont& chosen) {
  LOGFONTW font{};
  font.lfHeight = static_cast<LONG>(chosen.height);
  font.lfWeight = FW_NORMAL;
  lstrcpynW(font.lfFaceName, chosen.face.c_str(), LF_FACESIZE);
  return font;
}

}  // namespace

int RunRender(const RenderOptions& options, std::ostream& out, std::ostream& err) {
  ScopedCommandLineSink toStderr([&err](std::u16string_view text) { err << WideToUtf8(text); });

  std::u16string markup;
  if (options.html) {
    markup = Utf8ToWide(*options.html);
  } else if (!ReadTextFile(options.markupFile, markup, err)) {
    return 1;
  }
  std::u16string styleSheet;
  if (!options.styleSheetFile.empty() && !ReadTextFile(options.styleSheetFile, styleSheet, err)) return 1;

  const std::u16string modulePath = options.modulePath.empty() ? DefaultModulePath() : Utf8ToWide(options.modulePath);
  LoadedModule module(modulePath);
  auto render = reinterpret_cast<QuillviewRenderScopeFn>(module.Symbol(u"" QUILLVIEW_RENDER_SCOPE_EXPORT));
  if (!render) {
    err << "cannot load the module " << WideToUtf8(modulePath) << "\n";
    return 1;
  }

  std::optional<LOGFONTW> font;
  if (options.font) font = FontOf(*options.font);
  SIZE measured{};
  HBITMAP window = render(markup.c_str(), font ? &*font : nullptr,
                          options.styleSheetFile.empty() ? nullptr : styleSheet.c_str(), options.maxWidth, &measured);
  if (window == nullptr) {
    err << "the scope window could not be painted\n";
    return 1;
  }
  const bool saved = win32sim::SaveBitmapPng(window, options.output.c_str());
  DeleteObject(window);
  if (!saved) {
    err << "cannot write " << options.output << "\n";
    return 1;
  }
  out << measured.cx << " " << measured.cy << "\n";
  return 0;
}

}  // namespace acadsim
