// Registry fixtures of the key-class tests: a fresh registry per test, and raw access that bypasses the key
// classes so that each test states what is really stored.
#pragma once
#include <qvregistry.h>
#include <winreg.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

class RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    win32sim::ResetRegistry();
    win32sim::SetRegistryAdministrator(false);
  }
  void TearDown() override {
    win32sim::SetRegistryAdministrator(false);
    win32sim::ResetRegistry();
  }
};

// Administrator rights for one scope, so that a test can prepare HKEY_LOCAL_MACHINE.
class AsAdministrator {
 public:
  AsAdministrator() : m_previous(win32sim::RegistryAdministrator()) { win32sim::SetRegistryAdministrator(true); }
  ~AsAdministrator() { win32sim::SetRegistryAdministrator(m_previous); }

 private:
  bool m_previous;
};

// Creates the key when needed (as administrator under HKEY_LOCAL_MACHINE) and stores the bytes as given.
void PutRaw(HKEY root, const WCHAR* path, const WCHAR* name, DWORD type, const void* data, DWORD bytes);
// Text stored with its terminator.
void PutText(HKEY root, const WCHAR* path, const WCHAR* name, const std::u16string& text, DWORD type = REG_SZ);
void PutDWord(HKEY root, const WCHAR* path, const WCHAR* name, DWORD value);
void PutKey(HKEY root, const WCHAR* path);

bool KeyExists(HKEY root, const WCHAR* path);
// The stored data and type of a value, or nothing when it is missing.
struct RawValue {
  DWORD type = REG_NONE;
  std::vector<BYTE> data;
};
std::optional<RawValue> ReadRaw(HKEY root, const WCHAR* path, const WCHAR* name);
std::optional<DWORD> ReadDWord(HKEY root, const WCHAR* path, const WCHAR* name);
std::optional<std::u16string> ReadText(HKEY root, const WCHAR* path, const WCHAR* name);
// Value names in the order the registry enumerates them.
std::vector<std::u16string> ValueNames(HKEY root, const WCHAR* path);
