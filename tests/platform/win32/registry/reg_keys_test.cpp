// Conformance of the key functions: opening, creating, closing, deleting, enumerating and describing keys.
#include "registry_test_support.h"

class RegCreateKeyExWTest : public RegistryTest {};
class RegOpenKeyExWTest : public RegistryTest {};
class RegCloseKeyTest : public RegistryTest {};
class RegDeleteKeyWTest : public RegistryTest {};
class RegEnumKeyWTest : public RegistryTest {};
class RegQueryInfoKeyWTest : public RegistryTest {};

TEST_F(RegCreateKeyExWTest, ReportsDispositionAndCreatesIntermediateKeys) {
  Key first, second;
  DWORD disposition = 0;
  EXPECT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, u"Software\\Tessaray\\Quillview\\3.0", 0, nullptr,
                              REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, first.out(), &disposition),
            ERROR_SUCCESS);
  EXPECT_EQ(disposition, static_cast<DWORD>(REG_CREATED_NEW_KEY));
  EXPECT_NE(first.get(), nullptr);
  EXPECT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, u"SOFTWARE\\tessaray\\QUILLVIEW\\3.0", 0, nullptr,
                              REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, second.out(), &disposition),
            ERROR_SUCCESS);
  EXPECT_EQ(disposition, static_cast<DWORD>(REG_OPENED_EXISTING_KEY));
  Key middle;
  EXPECT_EQ(Open(HKEY_CURRENT_USER, u"Software\\Tessaray", middle), ERROR_SUCCESS);
}

TEST_F(RegCreateKeyExWTest, RefusesBadPathsAndArguments) {
  Key key;
  EXPECT_EQ(Create(HKEY_CURRENT_USER, u"\\Software", key), ERROR_BAD_PATHNAME);
  EXPECT_EQ(Create(HKEY_CURRENT_USER, u"Software\\\\Twice", key), ERROR_BAD_PATHNAME);
  EXPECT_EQ(Create(HKEY_CURRENT_USER, std::u16string(256, u'k').c_str(), key), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(Create(HKEY_CURRENT_USER, u"Line\nBreak", key), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(Create(nullptr, u"Software", key), ERROR_INVALID_HANDLE);
  EXPECT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, u"Software", 0, nullptr, 0, KEY_READ, nullptr, nullptr, nullptr),
            ERROR_INVALID_PARAMETER);
  EXPECT_EQ(key.get(), nullptr);
  EXPECT_EQ(Create(HKEY_CURRENT_USER, std::u16string(255, u'k').c_str(), key), ERROR_SUCCESS);
}

TEST_F(RegCreateKeyExWTest, AcceptsOneTrailingBackslash) {
  Key key, again;
  EXPECT_EQ(Create(HKEY_CURRENT_USER, u"Software\\Trailing\\", key), ERROR_SUCCESS);
  EXPECT_EQ(Open(HKEY_CURRENT_USER, u"Software\\Trailing", again), ERROR_SUCCESS);
}

TEST_F(RegCreateKeyExWTest, NeedsCreateSubKeyOnlyForNewKeys) {
  Key parent, existing, fresh;
  ASSERT_EQ(Create(HKEY_CURRENT_USER, u"Software\\Parent\\Child", existing), ERROR_SUCCESS);
  ASSERT_EQ(Open(HKEY_CURRENT_USER, u"Software\\Parent", parent, KEY_READ), ERROR_SUCCESS);
  Key reopened;
  EXPECT_EQ(Create(parent, u"Child", reopened, KEY_READ), ERROR_SUCCESS);
  EXPECT_EQ(Create(parent, u"New", fresh), ERROR_ACCESS_DENIED);
}

TEST_F(RegCreateKeyExWTest, KeysDeeperThan512LevelsAreRefused) {
  std::u16string path = u"Software";
  for (int level = 2; level <= 512; ++level) path += u"\\k";
  Key deepest, tooDeep;
  EXPECT_EQ(Create(HKEY_CURRENT_USER, path.c_str(), deepest), ERROR_SUCCESS);
  EXPECT_EQ(Create(deepest, u"k", tooDeep), ERROR_INVALID_PARAMETER);
}

TEST_F(RegOpenKeyExWTest, FindsKeysWithoutRegardToCaseAndKeepsTheirCase) {
  Key created, opened, missing;
  ASSERT_EQ(Create(HKEY_CURRENT_USER, u"Software\\MixedCase", created), ERROR_SUCCESS);
  EXPECT_EQ(Open(HKEY_CURRENT_USER, u"software\\MIXEDCASE", opened), ERROR_SUCCESS);
  EXPECT_EQ(Open(HKEY_CURRENT_USER, u"Software\\Missing", missing), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(missing.get(), nullptr);
  Key software;
  ASSERT_EQ(Open(HKEY_CURRENT_USER, u"Software", software, KEY_READ), ERROR_SUCCESS);
  WCHAR name[32];
  EXPECT_EQ(::RegEnumKeyW(software, 1, name, 32), ERROR_SUCCESS);
  EXPECT_EQ(std::u16string(name), u"MixedCase");
}

TEST_F(RegOpenKeyExWTest, NullOrEmptyPathOpensANewHandleToTheSameKey) {
  Key parent, same, alsoSame;
  ASSERT_EQ(Create(HKEY_CURRENT_USER, u"Software\\Same", parent), ERROR_SUCCESS);
  ASSERT_EQ(Open(parent, nullptr, same, KEY_ALL_ACCESS), ERROR_SUCCESS);
  EXPECT_NE(same.get(), parent.get());
  EXPECT_EQ(SetDword(same, u"v", 7), ERROR_SUCCESS);
  EXPECT_EQ(Read(parent, nullptr, u"v").data, std::vector<BYTE>({7, 0, 0, 0}));
  EXPECT_EQ(Open(parent, u"", alsoSame), ERROR_SUCCESS);
}

TEST_F(RegOpenKeyExWTest, RelativeToAnOpenKey) {
  Key parent, child, viaParent;
  ASSERT_EQ(Create(HKEY_CURRENT_USER, u"Software\\A\\B\\C", child), ERROR_SUCCESS);
  ASSERT_EQ(Open(HKEY_CURRENT_USER, u"Software\\A", parent), ERROR_SUCCESS);
  EXPECT_EQ(Open(parent, u"b\\c", viaParent), ERROR_SUCCESS);
}

TEST_F(RegCloseKeyTest, ClosesOnceAndAcceptsPredefinedRoots) {
  Key key;
  ASSERT_EQ(Create(HKEY_CURRENT_USER, u"Software\\Closing", key), ERROR_SUCCESS);
  HKEY handle = key.get();
  EXPECT_EQ(::RegCloseKey(handle), ERROR_SUCCESS);
  EXPECT_EQ(::RegCloseKey(handle), ERROR_INVALID_HANDLE);
  *key.out() = nullptr;
  EXPECT_EQ(::RegCloseKey(nullptr), ERROR_INVALID_HANDLE);
  EXPECT_EQ(::RegCloseKey(HKEY_CURRENT_USER), ERROR_SUCCESS);
  EXPECT_EQ(::RegCloseKey(HKEY_LOCAL_MACHINE), ERROR_SUCCESS);
  EXPECT_EQ(::RegCloseKey(HKEY_CLASSES_ROOT), ERROR_SUCCESS);
  Key stillUsable;
  EXPECT_EQ(Open(HKEY_CURRENT_USER, u"Software", stillUsable), ERROR_SUCCESS);
}

TEST_F(RegCloseKeyTest, InvalidHandlesAreRefusedEverywhere) {
  Key key;
  ASSERT_EQ(Create(HKEY_CURRENT_USER, u"Software\\Gone", key), ERROR_SUCCESS);
  HKEY closed = key.get();
  ASSERT_EQ(::RegCloseKey(closed), ERROR_SUCCESS);
  *key.out() = nullptr;
  DWORD size = 4;
  EXPECT_EQ(SetDword(closed, u"v", 1), ERROR_INVALID_HANDLE);
  EXPECT_EQ(::RegQueryValueExW(closed, u"v", nullptr, nullptr, nullptr, &size), ERROR_INVALID_HANDLE);
  EXPECT_EQ(::RegDeleteValueW(closed, u"v"), ERROR_INVALID_HANDLE);
  EXPECT_EQ(::RegDeleteKeyW(closed, u""), ERROR_INVALID_HANDLE);
  WCHAR name[8];
  EXPECT_EQ(::RegEnumKeyW(closed, 0, name, 8), ERROR_INVALID_HANDLE);
  EXPECT_EQ(::RegQueryInfoKeyW(closed, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                               nullptr, nullptr, nullptr),
            ERROR_INVALID_HANDLE);
}

TEST_F(RegDeleteKeyWTest, DeletesOnlyKeysWithoutSubkeys) {
  Key leaf;
  ASSERT_EQ(Create(HKEY_CURRENT_USER, u"Software\\Tree\\Leaf", leaf), ERROR_SUCCESS);
  EXPECT_EQ(::RegDeleteKeyW(HKEY_CURRENT_USER, u"Software\\Tree"), ERROR_ACCESS_DENIED);
  EXPECT_EQ(::RegDeleteKeyW(HKEY_CURRENT_USER, u"software\\tree\\LEAF"), ERROR_SUCCESS);
  EXPECT_EQ(::RegDeleteKeyW(HKEY_CURRENT_USER, u"Software\\Tree\\Leaf"), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(::RegDeleteKeyW(HKEY_CURRENT_USER, u"Software\\Tree"), ERROR_SUCCESS);
  EXPECT_EQ(::RegDeleteKeyW(HKEY_CURRENT_USER, nullptr), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(::RegDeleteKeyW(HKEY_CURRENT_USER, u""), ERROR_ACCESS_DENIED);
}

TEST_F(RegDeleteKeyWTest, EmptyPathDeletesTheKeyOfTheHandle) {
  Key key, gone;
  ASSERT_EQ(Create(HKEY_CURRENT_USER, u"Software\\Self", key), ERROR_SUCCESS);
  EXPECT_EQ(::RegDeleteKeyW(key, u""), ERROR_SUCCESS);
  EXPECT_EQ(Open(HKEY_CURRENT_USER, u"Software\\Self", gone), ERROR_FILE_NOT_FOUND);
}

TEST_F(RegDeleteKeyWTest, OpenHandlesOfADeletedKeyFailWithKeyDeleted) {
  Key key, child;
  ASSERT_EQ(Create(HKEY_CURRENT_USER, u"Software\\Doomed", key), ERROR_SUCCESS);
  ASSERT_EQ(SetDword(key, u"v", 1), ERROR_SUCCESS);
  ASSERT_EQ(::RegDeleteKeyW(HKEY_CURRENT_USER, u"Software\\Doomed"), ERROR_SUCCESS);
  DWORD size = 4, count = 0;
  WCHAR name[8];
  EXPECT_EQ(SetDword(key, u"v", 2), ERROR_KEY_DELETED);
  EXPECT_EQ(::RegQueryValueExW(key, u"v", nullptr, nullptr, nullptr, &size), ERROR_KEY_DELETED);
  EXPECT_EQ(::RegDeleteValueW(key, u"v"), ERROR_KEY_DELETED);
  EXPECT_EQ(::RegEnumKeyW(key, 0, name, 8), ERROR_KEY_DELETED);
  EXPECT_EQ(::RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &count, nullptr, nullptr, nullptr, nullptr, nullptr,
                               nullptr, nullptr),
            ERROR_KEY_DELETED);
  EXPECT_EQ(Create(key, u"Child", child), ERROR_KEY_DELETED);
  Key recreated;
  ASSERT_EQ(Create(HKEY_CURRENT_USER, u"Software\\Doomed", recreated), ERROR_SUCCESS);
  EXPECT_EQ(::RegQueryValueExW(key, u"v", nullptr, nullptr, nullptr, &size), ERROR_KEY_DELETED);
  EXPECT_EQ(::RegCloseKey(key.get()), ERROR_SUCCESS);
  *key.out() = nullptr;
}

TEST_F(RegDeleteKeyWTest, PredefinedRootsCannotBeDeleted) {
  EXPECT_EQ(::RegDeleteKeyW(HKEY_CURRENT_USER, u""), ERROR_ACCESS_DENIED);
  win32sim::SetRegistryAdministrator(true);
  EXPECT_EQ(::RegDeleteKeyW(HKEY_LOCAL_MACHINE, u""), ERROR_ACCESS_DENIED);
  EXPECT_EQ(::RegDeleteKeyW(HKEY_CLASSES_ROOT, u""), ERROR_ACCESS_DENIED);
}

TEST_F(RegEnumKeyWTest, ListsSubkeysInNameOrderAndReportsShortBuffers) {
  Key parent, b, a, c;
  ASSERT_EQ(Create(HKEY_CURRENT_USER, u"Software\\Enum", parent), ERROR_SUCCESS);
  ASSERT_EQ(Create(parent, u"beta", b), ERROR_SUCCESS);
  ASSERT_EQ(Create(parent, u"Alpha", a), ERROR_SUCCESS);
  ASSERT_EQ(Create(parent, u"GAMMA", c), ERROR_SUCCESS);
  WCHAR name[6];
  EXPECT_EQ(::RegEnumKeyW(parent, 0, name, 6), ERROR_SUCCESS);
  EXPECT_EQ(std::u16string(name), u"Alpha");
  EXPECT_EQ(::RegEnumKeyW(parent, 1, name, 6), ERROR_SUCCESS);
  EXPECT_EQ(std::u16string(name), u"beta");
  EXPECT_EQ(::RegEnumKeyW(parent, 2, name, 6), ERROR_SUCCESS);
  EXPECT_EQ(std::u16string(name), u"GAMMA");
  EXPECT_EQ(::RegEnumKeyW(parent, 3, name, 6), ERROR_NO_MORE_ITEMS);
  EXPECT_EQ(::RegEnumKeyW(parent, 0, name, 5), ERROR_MORE_DATA);
  EXPECT_EQ(::RegEnumKeyW(parent, 0, nullptr, 6), ERROR_INVALID_PARAMETER);
}

TEST_F(RegQueryInfoKeyWTest, CountsAndLongestNamesInCharactersDataInBytes) {
  Key key, one, two;
  ASSERT_EQ(Create(HKEY_CURRENT_USER, u"Software\\Info", key), ERROR_SUCCESS);
  ASSERT_EQ(Create(key, u"short", one), ERROR_SUCCESS);
  ASSERT_EQ(Create(key, u"longer名字", two), ERROR_SUCCESS);
  ASSERT_EQ(SetDword(key, u"d", 1), ERROR_SUCCESS);
  ASSERT_EQ(SetString(key, u"a longer name", u"0123456789"), ERROR_SUCCESS);
  DWORD subkeys = 99, longestSubkey = 99, classLen = 99, values = 99, longestName = 99, longestData = 99;
  DWORD security = 99, classChars = 4;
  WCHAR className[4] = {u'x', u'x', u'x', 0};
  FILETIME written{1, 1};
  EXPECT_EQ(::RegQueryInfoKeyW(key, className, &classChars, nullptr, &subkeys, &longestSubkey, &classLen, &values,
                               &longestName, &longestData, &security, &written),
            ERROR_SUCCESS);
  EXPECT_EQ(subkeys, 2u);
  EXPECT_EQ(longestSubkey, 8u);
  EXPECT_EQ(values, 2u);
  EXPECT_EQ(longestName, 13u);
  EXPECT_EQ(longestData, 22u);
  EXPECT_EQ(classChars, 0u);
  EXPECT_EQ(className[0], 0);
  EXPECT_EQ(classLen, 0u);
}

TEST_F(RegQueryInfoKeyWTest, EmptyKeyReportsZeros) {
  Key key;
  ASSERT_EQ(Create(HKEY_CURRENT_USER, u"Software\\Empty", key), ERROR_SUCCESS);
  DWORD subkeys = 9, values = 9, longestData = 9;
  EXPECT_EQ(::RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values, nullptr,
                               &longestData, nullptr, nullptr),
            ERROR_SUCCESS);
  EXPECT_EQ(subkeys, 0u);
  EXPECT_EQ(values, 0u);
  EXPECT_EQ(longestData, 0u);
}
