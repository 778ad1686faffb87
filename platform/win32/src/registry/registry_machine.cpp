#include "registry/registry_machine.h"

#include "registry/registry_file.h"
#include "registry/registry_text.h"

namespace win32sim::registry {

Machine::~Machine() = default;

Machine& TheMachine() {
  static Machine machine{NewRoot(), NewRoot(), false, nullptr};
  return machine;
}

std::shared_ptr<Key> NewRoot() {
  auto root = std::make_shared<Key>();
  root->AddSubkey(u"Software").AddSubkey(u"Classes");
  return root;
}

void ReplaceTrees(std::shared_ptr<Key> user, std::shared_ptr<Key> machine) {
  Machine& m = TheMachine();
  MarkDeleted(*m.user);
  MarkDeleted(*m.machine);
  m.user = std::move(user);
  m.machine = std::move(machine);
}

bool WriteThrough() {
  Machine& m = TheMachine();
  return !m.file || m.file->Save(RegistryText(*m.user, *m.machine));
}

}  // namespace win32sim::registry
