// The registry file's text: close to a .reg export, so that a person can read and edit it (see FORMAT.md).
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "registry/registry_key.h"

namespace win32sim::registry {

extern const char kRegistryFileHeader[];

std::string RegistryText(const Key& user, const Key& machine);

// Adds what text holds to the two trees; every problem is appended as "PATH:LINE: reason" and the line (or
// the section) it concerns is skipped. A repeated key or value: the later one wins.
void ParseRegistryText(std::string_view text, const std::string& path, Key& user, Key& machine,
                       std::vector<std::string>& problems);

}  // namespace win32sim::registry
