// The one registry of this simulated machine: the user's and the machine's trees, who the user is, and the
// file they are written through to.
#pragma once
#include <memory>

#include "registry/registry_key.h"
#include "winerror.h"

namespace win32sim::registry {

class RegistryFile;

enum class Hive { User, Machine };

struct Machine {
  std::shared_ptr<Key> user;
  std::shared_ptr<Key> machine;
  bool administrator = false;
  std::unique_ptr<RegistryFile> file;
  ~Machine();
};

Machine& TheMachine();

// Both roots holding Software\Classes, as on a newly installed system.
std::shared_ptr<Key> NewRoot();
// Swaps in new trees; handles open on the old ones fail from then on with ERROR_KEY_DELETED.
void ReplaceTrees(std::shared_ptr<Key> user, std::shared_ptr<Key> machine);

// Writes the change just made in memory through to the bound file; when that fails, undoes it so that memory
// never holds what the file lost. ERROR_SUCCESS or ERROR_REGISTRY_IO_FAILED.
bool WriteThrough();
template <typename Undo>
LONG CommitChange(Undo&& undo) {
  if (WriteThrough()) return ERROR_SUCCESS;
  undo();
  return ERROR_REGISTRY_IO_FAILED;
}

}  // namespace win32sim::registry
