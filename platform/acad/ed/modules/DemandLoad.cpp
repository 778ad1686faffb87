// Demand loading from the registry, as AutoCAD reads its "Applications" key.
#include <acadsim/DemandLoad.h>
#include <aced.h>
#include <acutads.h>
#include <rxdlinkr.h>
#include <rxregsvc.h>
#include <winreg.h>

#include <string>
#include <vector>

namespace acadsim {
namespace {

// An open registry key, closed when it goes.
class RegistryKey {
 public:
  RegistryKey(HKEY parent, const std::u16string& path) {
    if (parent == nullptr || RegOpenKeyExW(parent, path.c_str(), 0, KEY_READ, &m_key) != ERROR_SUCCESS) {
      m_key = nullptr;
    }
  }
  ~RegistryKey() {
    if (m_key != nullptr) RegCloseKey(m_key);
  }
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;
  HKEY get() const { return m_key; }

 private:
  HKEY m_key = nullptr;
};

bool EqualIgnoringCase(std::u16string_view a, std::u16string_view b) {
  auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c; };
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

std::u16string ApplicationsPath() { return std::u16string(acrxProductKey()) + u"\\Applications"; }

std::vector<std::u16string> SubkeyNames(HKEY key) {
  std::vector<std::u16string> names;
  ACHAR name[256];
  for (DWORD i = 0; key != nullptr && RegEnumKeyW(key, i, name, 256) == ERROR_SUCCESS; ++i) names.push_back(name);
  return names;
}

bool ReadDword(HKEY key, const char16_t* name, DWORD& value) {
  DWORD type = 0;
  DWORD size = sizeof(value);
  return key != nullptr &&
         RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) == ERROR_SUCCESS &&
         type == REG_DWORD;
}

bool ReadString(HKEY key, const char16_t* name, std::u16string& value) {
  DWORD type = 0;
  DWORD size = 0;
  if (key == nullptr || RegQueryValueExW(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ)) {
    return false;
  }
  std::u16string text(size / sizeof(char16_t) + 1, u'\0');
  size = static_cast<DWORD>(text.size() * sizeof(char16_t));
  if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &size) != ERROR_SUCCESS) {
    return false;
  }
  text.resize(text.find(u'\0') == std::u16string::npos ? text.size() : text.find(u'\0'));
  value = text;
  return true;
}

// True when a value of the key names the command, by its name or its data.
bool CommandsNamesCommand(HKEY commandsKey, std::u16string_view command) {
  if (commandsKey == nullptr) return false;
  for (DWORD i = 0;; ++i) {
    ACHAR name[256];
    DWORD nameLength = 256;
    DWORD type = 0;
    if (RegEnumValueW(commandsKey, i, name, &nameLength, nullptr, &type, nullptr, nullptr) != ERROR_SUCCESS) {
      return false;
    }
    std::u16string data;
    if (EqualIgnoringCase(name, command) || (ReadString(commandsKey, name, data) && EqualIgnoringCase(data, command))) {
      return true;
    }
  }
}

// One registered application; each value is HKCU's when it has one, else HKLM's.
struct Application {
  std::u16string name;
  std::u16string loader;
  DWORD loadCtrls = 0;
  bool namesCommand(std::u16string_view command) const {
    for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
      RegistryKey commands(root, ApplicationsPath() + u"\\" + name + u"\\Commands");
      if (CommandsNamesCommand(commands.get(), command)) return true;
    }
    return false;
  }
};

std::vector<Application> RegisteredApplications() {
  std::vector<Application> applications;
  for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
    RegistryKey list(root, ApplicationsPath());
    for (const std::u16string& name : SubkeyNames(list.get())) {
      bool known = false;
      for (const Application& app : applications) known = known || EqualIgnoringCase(app.name, name);
      if (known) continue;
      Application app;
      app.name = name;
      RegistryKey user(HKEY_CURRENT_USER, ApplicationsPath() + u"\\" + name);
      RegistryKey machine(HKEY_LOCAL_MACHINE, ApplicationsPath() + u"\\" + name);
      if (!ReadDword(user.get(), u"LoadCtrls", app.loadCtrls)) ReadDword(machine.get(), u"LoadCtrls", app.loadCtrls);
      if (!ReadString(user.get(), u"Loader", app.loader)) ReadString(machine.get(), u"Loader", app.loader);
      applications.push_back(app);
    }
  }
  return applications;
}

// A Loader that is missing or fails is reported on the command line, as AutoCAD does, and the host goes on.
void Load(const Application& app) {
  if (app.loader.empty()) {
    acutPrintf(u"\nAcRxDynamicLinker failed to load '%s': no Loader is registered\n", app.name.c_str());
    return;
  }
  if (!acrxDynamicLinker->isModuleLoaded(app.loader.c_str())) acrxDynamicLinker->loadModule(app.loader.c_str(), true);
}

std::u16string_view WithoutCommandPrefixes(std::u16string_view name) {
  while (!name.empty() && (name.front() == u'_' || name.front() == u'.' || name.front() == u'\'')) name.remove_prefix(1);
  return name;
}

bool CommandExists(std::u16string_view name) {
  const std::u16string command(name);
  AcEdCommandStack* commands = acedRegCmds;
  return commands != nullptr &&
         (commands->lookupGlobalCmd(command.c_str()) != nullptr || commands->lookupLocalCmd(command.c_str()) != nullptr);
}

}  // namespace

void DemandLoadOnStartup() {
  for (const Application& app : RegisteredApplications()) {
    if ((app.loadCtrls & kLoadOnStartup) != 0) Load(app);
  }
}

bool DemandLoadCommand(std::u16string_view commandName) {
  const std::u16string_view command = WithoutCommandPrefixes(commandName);
  if (command.empty()) return false;
  for (const Application& app : RegisteredApplications()) {
    if ((app.loadCtrls & kLoadOnCommand) != 0 && app.namesCommand(command)) Load(app);
  }
  return CommandExists(command);
}

}  // namespace acadsim
