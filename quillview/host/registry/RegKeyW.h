// One open registry key, opened or created under a root or another open key.
#pragma once
#include <winreg.h>

#include <memory>

class RegKeyW {
 public:
  // A null path takes parent itself as the key, borrowed: Close and the destructor leave it open.
  RegKeyW(const WCHAR* path, HKEY parent, bool create, REGSAM access);
  virtual ~RegKeyW();
  RegKeyW(const RegKeyW&) = delete;
  RegKeyW& operator=(const RegKeyW&) = delete;

  virtual void Close();
  // True when the parent is known and the access asked for includes every bit of KEY_WRITE.
  virtual bool IsWritable() const;
  // Text in a buffer shared by all keys, valid until the next GetString; empty when missing, not text,
  // or longer than 519 characters. REG_EXPAND_SZ comes back with its environment variables expanded.
  virtual const WCHAR* GetString(const WCHAR* name);
  // The value of a 4-byte REG_DWORD; -1 when missing or of another type.
  virtual LONG GetDWord(const WCHAR* name);
  // REG_BINARY data of at most 2080 bytes in a buffer shared by all keys; null and size 0 otherwise.
  virtual const BYTE* GetBinary(const WCHAR* name, DWORD* size);
  virtual bool SetBinary(const WCHAR* name, const BYTE* data, DWORD size);
  virtual bool SetDWord(const WCHAR* name, DWORD value);
  virtual bool SetString(const WCHAR* name, const WCHAR* text);
  virtual bool DeleteValue(const WCHAR* name);
  // The type of the value, 0 when missing; its size in bytes through size (may be null).
  virtual DWORD QueryValue(const WCHAR* name, DWORD* size);
  // The type of the value, 0 when missing or when the key is not open.
  virtual DWORD QueryType(const WCHAR* name);
  // Closes what this object held, then opens (or creates) path under parent; null when that fails.
  virtual HKEY Open(const WCHAR* path, HKEY parent, bool create, REGSAM access);

  // Deletes this key with all its subkeys, then, when asked, each ancestor up to the parent that the
  // deletion left without subkeys and values. False when this key itself could not be deleted.
  bool DeleteTree(bool deleteEmptyParents);

  HKEY Handle() const { return m_key; }
  bool IsOpen() const { return m_key != nullptr; }

 protected:
  // The key is open and writable; every write checks this first.
  bool CanWrite() const { return m_key != nullptr && IsWritable(); }
  // RegQueryValueExW succeeds on the key and reports a type other than REG_NONE.
  bool HasValue(const WCHAR* name) const;

 private:
  HKEY m_parent = nullptr;
  HKEY m_key = nullptr;
  REGSAM m_access = 0;
  std::unique_ptr<WCHAR[]> m_path;
};
