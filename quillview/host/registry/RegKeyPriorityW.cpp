#include "host/registry/RegKeyPriorityW.h"

RegKeyPriorityW::RegKeyPriorityW(const WCHAR* path, HKEY primaryRoot, HKEY secondaryRoot, bool create, REGSAM access)
    : RegKeyW(path, primaryRoot, create, access), m_secondary(path, secondaryRoot, false, access) {
  // Without this a standard user would never see the values an administrator put under HKEY_LOCAL_MACHINE.
  if (!m_secondary.IsOpen() && access != KEY_READ) m_secondary.Open(path, secondaryRoot, false, KEY_READ);
}

RegKeyPriorityW::~RegKeyPriorityW() {
  m_secondary.Close();
  Close();
}

const WCHAR* RegKeyPriorityW::GetString(const WCHAR* name) {
  return HasValue(name) ? RegKeyW::GetString(name) : m_secondary.GetString(name);
}

LONG RegKeyPriorityW::GetDWord(const WCHAR* name) {
  return HasValue(name) ? RegKeyW::GetDWord(name) : m_secondary.GetDWord(name);
}

const BYTE* RegKeyPriorityW::GetBinary(const WCHAR* name, DWORD* size) {
  return HasValue(name) ? RegKeyW::GetBinary(name, size) : m_secondary.GetBinary(name, size);
}

bool RegKeyPriorityW::DeleteValue(const WCHAR* name) {
  return RegKeyW::DeleteValue(name) || m_secondary.DeleteValue(name);
}

DWORD RegKeyPriorityW::QueryValue(const WCHAR* name, DWORD* size) {
  DWORD type = RegKeyW::QueryValue(name, size);
  return type != REG_NONE ? type : m_secondary.QueryValue(name, size);
}

DWORD RegKeyPriorityW::QueryType(const WCHAR* name) {
  DWORD type = RegKeyW::QueryType(name);
  return type != REG_NONE ? type : m_secondary.QueryType(name);
}
