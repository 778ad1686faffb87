// The stand-in's own registry controls: the file it is bound to and who the user is.
#include "qvregistry.h"
#include "registry/key_handle.h"
#include "registry/registry_file.h"

namespace win32sim {

bool OpenRegistryFile(const std::string& path, std::vector<std::string>& problems) {
  CloseRegistryFile();
  std::shared_ptr<registry::Key> user = registry::NewRoot(), machine = registry::NewRoot();
  auto file = registry::RegistryFile::Open(path, *user, *machine, problems);
  if (!file) return false;
  registry::ReplaceTrees(std::move(user), std::move(machine));
  registry::TheMachine().file = std::move(file);
  return true;
}

void CloseRegistryFile() { registry::TheMachine().file.reset(); }

void SetRegistryAdministrator(bool administrator) { registry::TheMachine().administrator = administrator; }

bool RegistryAdministrator() { return registry::TheMachine().administrator; }

void ResetRegistry() {
  CloseRegistryFile();
  registry::ReplaceTrees(registry::NewRoot(), registry::NewRoot());
  registry::TheMachine().administrator = false;
}

}  // namespace win32sim
