// Where the host finds a module file and how it names loaded modules.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace acadsim::rx {

// The folders a bare module name is looked for in, in order: the current drawing's folder (when given), the
// current folder, the host executable's folder, then the ";"-separated folders of the ACAD environment
// variable, as AutoCAD's support path.
std::vector<std::u16string> ModuleSearchFolders(const std::u16string& drawingFolder);

// The absolute path of fileName: a name with a folder as given (relative to the current folder), a bare name
// in the first of ModuleSearchFolders that holds it (its case ignored, as Windows does). Empty when not found.
std::u16string ResolveModulePath(std::u16string_view fileName, const std::u16string& drawingFolder);

// True when name designates the module at path: the same path, or the same file name, compared
// without regard to case as Windows compares file names.
bool NamesModule(std::u16string_view name, std::u16string_view path);

}  // namespace acadsim::rx
