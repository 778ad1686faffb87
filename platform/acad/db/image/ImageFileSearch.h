// Where an image definition's file is on this machine.
#pragma once
#include <string>
#include <string_view>

namespace acadsim {

// The existing file for a saved image path (UTF-8, Windows or POSIX separators): the path itself (a relative
// one from drawingFolder), else its bare file name in drawingFolder; empty when neither exists. A path with a
// drive letter or a UNC server names another machine, so only its file name is looked for. An empty
// drawingFolder (a drawing never saved) leaves relative paths to the current directory.
std::string findImageFile(std::string_view savedPath, std::string_view drawingFolder);

}  // namespace acadsim
