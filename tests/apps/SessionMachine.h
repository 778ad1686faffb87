// A simulated machine for end-to-end sessions: its own home folder (and so its own registry file), on which
// "acadsim run" runs scripts as a separate process, and whose registry a test can read and prepare.
#pragma once
#include <winreg.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace acadsim::testing {

struct SessionResult {
  int exitCode = -1;
  std::string out;  // the transcript
  std::string err;
};

class SessionMachine {
 public:
  SessionMachine();
  ~SessionMachine();
  SessionMachine(const SessionMachine&) = delete;
  SessionMachine& operator=(const SessionMachine&) = delete;

  // Runs the script (UTF-8 lines) in a fresh acadsim process with this machine's home, from a working folder
  // of its own; flags follow the script ("--product", "AutoCAD LT", "--drawing", FILE...).
  SessionResult Run(const std::string& script, const std::vector<std::string>& flags = {}) const;
  // Runs acadsim with the arguments (a command and its flags) and this machine's home, the same way.
  SessionResult Acadsim(const std::vector<std::string>& args) const;

  // Opens the machine's registry in this process for f, and forgets it again afterwards.
  void WithRegistry(const std::function<void()>& f) const;
  std::optional<DWORD> ReadDWord(HKEY root, const std::u16string& path, const std::u16string& name) const;
  std::optional<std::u16string> ReadText(HKEY root, const std::u16string& path, const std::u16string& name) const;
  bool KeyExists(HKEY root, const std::u16string& path) const;
  void WriteDWord(HKEY root, const std::u16string& path, const std::u16string& name, DWORD value) const;
  void WriteText(HKEY root, const std::u16string& path, const std::u16string& name, const std::u16string& text) const;

  const std::filesystem::path& Folder() const { return m_folder; }
  std::filesystem::path RegistryFile() const { return m_folder / "home" / "registry.reg"; }
  // Where the test library HDQ.dll writes down each call of its Install during the sessions.
  std::filesystem::path HdqInstallLog() const { return m_folder / "hdq-install.log"; }

 private:
  std::filesystem::path m_folder;
};

// The demand-load key of quillview.arx under the host's product key.
std::u16string QuillviewDemandLoadKey();
inline constexpr const char16_t* kQuillviewSettingsKey = u"Software\\Tessaray\\Quillview\\3.0\\Settings";

}  // namespace acadsim::testing
