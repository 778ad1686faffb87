// How arxload, arxunload and the ARX command turn what the user typed into a module name.
#pragma once
#include <string>
#include <string_view>

namespace acadsim {

// The name with ".arx" added when its file name has no extension, as AutoCAD lets users omit it.
std::u16string WithArxExtension(std::u16string_view name);
// The loaded module that name designates: as given, or with ".arx" added; empty when none is loaded.
std::u16string LoadedModuleNamed(std::u16string_view name);

}  // namespace acadsim
