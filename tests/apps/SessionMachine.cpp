#include "SessionMachine.h"

#include <qvregistry.h>
#include <qvwide.h>
#include <rxregsvc.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace acadsim::testing {
namespace {

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

std::string Quoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

// Opens the key for reading, creating nothing; null when it is not there.
HKEY OpenForReading(HKEY root, const std::u16string& path) {
  HKEY key = nullptr;
  return RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS ? key : nullptr;
}

}  // namespace

SessionMachine::SessionMachine() {
  std::string pattern = (std::filesystem::temp_directory_path() / "acadsim-machine-XXXXXX").string();
  m_folder = mkdtemp(pattern.data());
  std::filesystem::create_directories(m_folder / "work");
}

SessionMachine::~SessionMachine() {
  std::error_code ignored;
  std::filesystem::remove_all(m_folder, ignored);
}

SessionResult SessionMachine::Run(const std::string& script, const std::vector<std::string>& flags) const {
  const std::filesystem::path scriptFile = m_folder / "session.scr";
  std::ofstream(scriptFile, std::ios::binary) << script;
  std::vector<std::string> args = {"run", scriptFile.string()};
  args.insert(args.end(), flags.begin(), flags.end());
  return Acadsim(args);
}

SessionResult SessionMachine::Acadsim(const std::vector<std::string>& args) const {
  std::string command = "cd " + Quoted((m_folder / "work").string()) + " && HDQ_INSTALL_LOG=" + Quoted(HdqInstallLog().string()) + " " +
                        Quoted(QV_BIN_DIR "/acadsim");
  for (const std::string& arg : args) command += " " + Quoted(arg);
  command += " --home " + Quoted((m_folder / "home").string());
  command += " > " + Quoted((m_folder / "out.txt").string()) + " 2> " + Quoted((m_folder / "err.txt").string()) +
             " < /dev/null";
  SessionResult result;
  const int status = std::system(command.c_str());
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  result.out = ReadFile(m_folder / "out.txt");
  result.err = ReadFile(m_folder / "err.txt");
  return result;
}

void SessionMachine::WithRegistry(const std::function<void()>& f) const {
  std::filesystem::create_directories(m_folder / "home");
  std::vector<std::string> problems;
  win32sim::ResetRegistry();
  ASSERT_TRUE(win32sim::OpenRegistryFile(RegistryFile().string(), problems)) << problems.front();
  EXPECT_TRUE(problems.empty()) << problems.front();
  win32sim::SetRegistryAdministrator(true);
  f();
  win32sim::SetRegistryAdministrator(false);
  win32sim::CloseRegistryFile();
  win32sim::ResetRegistry();
}

std::optional<DWORD> SessionMachine::ReadDWord(HKEY root, const std::u16string& path, const std::u16string& name) const {
  std::optional<DWORD> value;
  WithRegistry([&] {
    if (HKEY key = OpenForReading(root, path)) {
      DWORD type = 0, data = 0, size = sizeof data;
      if (RegQueryValueExW(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&data), &size) == ERROR_SUCCESS &&
          type == REG_DWORD) {
        value = data;
      }
      RegCloseKey(key);
    }
  });
  return value;
}

std::optional<std::u16string> SessionMachine::ReadText(HKEY root, const std::u16string& path,
                                                       const std::u16string& name) const {
  std::optional<std::u16string> value;
  WithRegistry([&] {
    if (HKEY key = OpenForReading(root, path)) {
      WCHAR data[2048] = {};
      DWORD type = 0, size = sizeof data - sizeof(WCHAR);
      if (RegQueryValueExW(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data), &size) == ERROR_SUCCESS &&
          (type == REG_SZ || type == REG_EXPAND_SZ)) {
        value = std::u16string(data);
      }
      RegCloseKey(key);
    }
  });
  return value;
}

bool SessionMachine::KeyExists(HKEY root, const std::u16string& path) const {
  bool exists = false;
  WithRegistry([&] {
    if (HKEY key = OpenForReading(root, path)) {
      exists = true;
      RegCloseKey(key);
    }
  });
  return exists;
}

void SessionMachine::WriteDWord(HKEY root, const std::u16string& path, const std::u16string& name, DWORD value) const {
  WithRegistry([&] {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr), ERROR_SUCCESS);
    RegSetValueExW(key, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    RegCloseKey(key);
  });
}

void SessionMachine::WriteText(HKEY root, const std::u16string& path, const std::u16string& name,
                               const std::u16string& text) const {
  WithRegistry([&] {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr), ERROR_SUCCESS);
    RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>((text.size() + 1) * sizeof(WCHAR)));
    RegCloseKey(key);
  });
}

std::u16string QuillviewDemandLoadKey() { return std::u16string(acrxProductKey()) + u"\\Applications\\Quillview"; }

}  // namespace acadsim::testing
