// The file a simulated machine's registry is written through to, and the lock that keeps it to one host.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "registry/registry_key.h"

namespace win32sim::registry {

// Files beyond this are not a registry this host wrote; reading them would only waste memory.
constexpr size_t kMaxRegistryFileSize = 4u << 20;

class RegistryFile {
 public:
  // Locks path (through path + ".lock"), reads it into the two trees and writes it anew when it was missing
  // or damaged (a damaged file is first kept as path.damaged, .damaged.1, ...). Null, with the reason in
  // problems, when the file cannot be used.
  static std::unique_ptr<RegistryFile> Open(const std::string& path, Key& user, Key& machine,
                                            std::vector<std::string>& problems);
  ~RegistryFile();
  RegistryFile(const RegistryFile&) = delete;
  RegistryFile& operator=(const RegistryFile&) = delete;

  // Replaces the file's content all at once: a crash leaves either the old file or the new one.
  bool Save(const std::string& text);

 private:
  RegistryFile(std::string path, int lockFd);

  std::string path_;
  int lockFd_;
};

}  // namespace win32sim::registry
