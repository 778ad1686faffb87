// Where the host finds a module file and how it names loaded modules.
#pragma once
#include <string>
#include <string_view>

namespace acadsim::rx {

// The absolute path of fileName: a name with a folder as given (relative to the current folder),
// a bare name beside the host executable first, then in the current folder. Empty when not found.
std::u16string ResolveModulePath(std::u16string_view fileName);

// True when name designates the module at path: the same path, or the same file name, compared
// without regard to case as Windows compares file names.
bool NamesModule(std::u16string_view name, std::u16string_view path);

}  // namespace acadsim::rx
