// Access rights: masks of open keys, the standard user and the administrator under HKEY_LOCAL_MACHINE, and
// HKEY_CLASSES_ROOT as the merged view of both Software\Classes keys.
#include "registry_test_support.h"

class KeyAccessMask : public RegistryTest {
 protected:
  void SetUp() override {
    RegistryTest::SetUp();
    Key setup;
    ASSERT_EQ(Create(HKEY_CURRENT_USER, u"Software\\Masks\\Child", setup), ERROR_SUCCESS);
    Key parent;
    ASSERT_EQ(Create(HKEY_CURRENT_USER, u"Software\\Masks", parent), ERROR_SUCCESS);
    ASSERT_EQ(SetDword(parent, u"v", 1), ERROR_SUCCESS);
  }
};

TEST_F(KeyAccessMask, ReadOnlyKeyRefusesChanges) {
  Key key;
  ASSERT_EQ(Open(HKEY_CURRENT_USER, u"Software\\Masks", key, KEY_READ), ERROR_SUCCESS);
  EXPECT_EQ(SetDword(key, u"v", 2), ERROR_ACCESS_DENIED);
  EXPECT_EQ(RegDeleteValueW(key, u"v"), ERROR_ACCESS_DENIED);
  EXPECT_EQ(Read(key, nullptr, u"v").data, std::vector<BYTE>({1, 0, 0, 0}));
}

TEST_F(KeyAccessMask, WithoutQueryValueNothingIsRead) {
  Key key;
  ASSERT_EQ(Open(HKEY_CURRENT_USER, u"Software\\Masks", key, KEY_SET_VALUE | KEY_ENUMERATE_SUB_KEYS),
            ERROR_SUCCESS);
  DWORD size = 4, values = 0;
  WCHAR name[4];
  EXPECT_EQ(RegQueryValueExW(key, u"v", nullptr, nullptr, nullptr, &size), ERROR_ACCESS_DENIED);
  EXPECT_EQ(RegEnumValueW(key, 0, name, &size, nullptr, nullptr, nullptr, nullptr), ERROR_ACCESS_DENIED);
  EXPECT_EQ(RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr, nullptr,
                             nullptr, nullptr),
            ERROR_ACCESS_DENIED);
  EXPECT_EQ(SetDword(key, u"v", 3), ERROR_SUCCESS);
}

TEST_F(KeyAccessMask, WithoutEnumerateSubKeysNoSubkeyIsListed) {
  Key key;
  ASSERT_EQ(Open(HKEY_CURRENT_USER, u"Software\\Masks", key, KEY_QUERY_VALUE), ERROR_SUCCESS);
  WCHAR name[8];
  EXPECT_EQ(RegEnumKeyW(key, 0, name, 8), ERROR_ACCESS_DENIED);
  Key child;
  EXPECT_EQ(Open(key, u"Child", child), ERROR_SUCCESS);
}

class StandardUser : public RegistryTest {};

TEST_F(StandardUser, ReadsButNeverWritesTheMachineTree) {
  win32sim::SetRegistryAdministrator(true);
  Key setup;
  ASSERT_EQ(Create(HKEY_LOCAL_MACHINE, u"Software\\Vendor", setup), ERROR_SUCCESS);
  ASSERT_EQ(SetDword(setup, u"v", 1), ERROR_SUCCESS);
  win32sim::SetRegistryAdministrator(false);
  EXPECT_FALSE(win32sim::RegistryAdministrator());

  Key read, write, create, createNew, setOnly, deleteRight;
  EXPECT_EQ(Open(HKEY_LOCAL_MACHINE, u"Software\\Vendor", read, KEY_READ), ERROR_SUCCESS);
  EXPECT_EQ(Read(read, nullptr, u"v").type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(Open(HKEY_LOCAL_MACHINE, u"Software\\Vendor", write, KEY_ALL_ACCESS), ERROR_ACCESS_DENIED);
  EXPECT_EQ(Open(HKEY_LOCAL_MACHINE, u"Software\\Vendor", setOnly, KEY_SET_VALUE), ERROR_ACCESS_DENIED);
  EXPECT_EQ(Open(HKEY_LOCAL_MACHINE, u"Software\\Vendor", deleteRight, KEY_READ | DELETE), ERROR_ACCESS_DENIED);
  EXPECT_EQ(Create(HKEY_LOCAL_MACHINE, u"Software\\Vendor", create, KEY_ALL_ACCESS), ERROR_ACCESS_DENIED);
  EXPECT_EQ(Create(HKEY_LOCAL_MACHINE, u"Software\\New", createNew, KEY_READ), ERROR_ACCESS_DENIED);
  EXPECT_EQ(SetDword(HKEY_LOCAL_MACHINE, u"v", 1), ERROR_ACCESS_DENIED);
  EXPECT_EQ(SetDword(setup, u"v", 2), ERROR_ACCESS_DENIED);
  EXPECT_EQ(RegDeleteKeyW(HKEY_LOCAL_MACHINE, u"Software\\Vendor"), ERROR_ACCESS_DENIED);
  EXPECT_EQ(Read(HKEY_LOCAL_MACHINE, u"Software\\Vendor", u"v").data, std::vector<BYTE>({1, 0, 0, 0}));
  Key gone;
  EXPECT_EQ(Open(HKEY_LOCAL_MACHINE, u"Software\\New", gone, KEY_ALL_ACCESS), ERROR_FILE_NOT_FOUND);
}

TEST_F(StandardUser, AnAdministratorWritesTheMachineTreeLikeTheUsers) {
  win32sim::SetRegistryAdministrator(true);
  EXPECT_TRUE(win32sim::RegistryAdministrator());
  Key key;
  EXPECT_EQ(Create(HKEY_LOCAL_MACHINE, u"Software\\Vendor\\Product", key, KEY_ALL_ACCESS), ERROR_SUCCESS);
  EXPECT_EQ(SetString(key, u"Path", u"C:\\Program Files"), ERROR_SUCCESS);
  EXPECT_EQ(SetDword(HKEY_LOCAL_MACHINE, u"root", 1), ERROR_SUCCESS);
  EXPECT_EQ(RegDeleteKeyW(HKEY_LOCAL_MACHINE, u"Software\\Vendor"), ERROR_ACCESS_DENIED);
  EXPECT_EQ(RegDeleteKeyW(HKEY_LOCAL_MACHINE, u"Software\\Vendor\\Product"), ERROR_SUCCESS);
  EXPECT_EQ(RegDeleteKeyW(HKEY_LOCAL_MACHINE, u"Software\\Vendor"), ERROR_SUCCESS);
}

TEST_F(StandardUser, TheUsersOwnTreeIsWritable) {
  Key key;
  EXPECT_EQ(Create(HKEY_CURRENT_USER, u"Software\\Mine", key, KEY_ALL_ACCESS), ERROR_SUCCESS);
  EXPECT_EQ(SetDword(key, u"v", 1), ERROR_SUCCESS);
  EXPECT_EQ(SetDword(HKEY_CURRENT_USER, u"root", 1), ERROR_SUCCESS);
}

class ClassesRoot : public RegistryTest {
 protected:
  void SetUp() override {
    RegistryTest::SetUp();
    win32sim::SetRegistryAdministrator(true);
    Key machineOnly, both, machineBoth;
    ASSERT_EQ(Create(HKEY_LOCAL_MACHINE, u"Software\\Classes\\MachineOnly", machineOnly), ERROR_SUCCESS);
    ASSERT_EQ(SetString(machineOnly, nullptr, u"machine"), ERROR_SUCCESS);
    ASSERT_EQ(Create(HKEY_LOCAL_MACHINE, u"Software\\Classes\\Both", machineBoth), ERROR_SUCCESS);
    ASSERT_EQ(SetString(machineBoth, nullptr, u"machine"), ERROR_SUCCESS);
    ASSERT_EQ(SetString(machineBoth, u"MachineValue", u"m"), ERROR_SUCCESS);
    win32sim::SetRegistryAdministrator(false);
    ASSERT_EQ(Create(HKEY_CURRENT_USER, u"Software\\Classes\\Both", both), ERROR_SUCCESS);
    ASSERT_EQ(SetString(both, nullptr, u"user"), ERROR_SUCCESS);
    Key userOnly;
    ASSERT_EQ(Create(HKEY_CURRENT_USER, u"Software\\Classes\\UserOnly", userOnly), ERROR_SUCCESS);
  }
};

TEST_F(ClassesRoot, ReadsTheUsersKeyFirstThenTheMachines) {
  EXPECT_EQ(Read(HKEY_CLASSES_ROOT, u"Both", nullptr), (Stored{REG_SZ, StringBytes(u"user")}));
  EXPECT_EQ(Read(HKEY_CLASSES_ROOT, u"Both", u"MachineValue").type, 0u);
  EXPECT_EQ(Read(HKEY_CLASSES_ROOT, u"MachineOnly", nullptr), (Stored{REG_SZ, StringBytes(u"machine")}));
  Key missing;
  EXPECT_EQ(Open(HKEY_CLASSES_ROOT, u"Nowhere", missing), ERROR_FILE_NOT_FOUND);
}

TEST_F(ClassesRoot, ListsTheSubkeysOfBothTreesOnce) {
  WCHAR name[16];
  std::vector<std::u16string> names;
  for (DWORD i = 0; RegEnumKeyW(HKEY_CLASSES_ROOT, i, name, 16) == ERROR_SUCCESS; ++i) names.push_back(name);
  EXPECT_EQ(names, (std::vector<std::u16string>{u"Both", u"MachineOnly", u"UserOnly"}));
  DWORD subkeys = 0;
  EXPECT_EQ(RegQueryInfoKeyW(HKEY_CLASSES_ROOT, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, nullptr,
                             nullptr, nullptr, nullptr, nullptr),
            ERROR_SUCCESS);
  EXPECT_EQ(subkeys, 3u);
}

TEST_F(ClassesRoot, WritesLandInTheUsersTreeWhereTheKeyIsTheUsers) {
  Key both, child;
  ASSERT_EQ(Open(HKEY_CLASSES_ROOT, u"Both", both, KEY_ALL_ACCESS), ERROR_SUCCESS);
  EXPECT_EQ(SetDword(both, u"v", 1), ERROR_SUCCESS);
  EXPECT_EQ(Read(HKEY_CURRENT_USER, u"Software\\Classes\\Both", u"v").type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(Create(HKEY_CLASSES_ROOT, u"UserOnly\\Child", child), ERROR_SUCCESS);
  Key inUser;
  EXPECT_EQ(Open(HKEY_CURRENT_USER, u"Software\\Classes\\UserOnly\\Child", inUser), ERROR_SUCCESS);
}

TEST_F(ClassesRoot, WritesThatLandInTheMachineTreeNeedAnAdministrator) {
  Key machineOnly, newTop, child;
  EXPECT_EQ(Open(HKEY_CLASSES_ROOT, u"MachineOnly", machineOnly, KEY_ALL_ACCESS), ERROR_ACCESS_DENIED);
  EXPECT_EQ(Create(HKEY_CLASSES_ROOT, u"NewTop", newTop), ERROR_ACCESS_DENIED);
  EXPECT_EQ(Create(HKEY_CLASSES_ROOT, u"MachineOnly\\Child", child), ERROR_ACCESS_DENIED);
  EXPECT_EQ(SetDword(HKEY_CLASSES_ROOT, u"v", 1), ERROR_SUCCESS);
  win32sim::SetRegistryAdministrator(true);
  EXPECT_EQ(Create(HKEY_CLASSES_ROOT, u"NewTop", newTop), ERROR_SUCCESS);
  Key inMachine;
  EXPECT_EQ(Open(HKEY_LOCAL_MACHINE, u"Software\\Classes\\NewTop", inMachine), ERROR_SUCCESS);
}

TEST_F(ClassesRoot, DeletingTheUsersKeyUncoversTheMachines) {
  EXPECT_EQ(RegDeleteKeyW(HKEY_CLASSES_ROOT, u"Both"), ERROR_SUCCESS);
  EXPECT_EQ(Read(HKEY_CLASSES_ROOT, u"Both", nullptr), (Stored{REG_SZ, StringBytes(u"machine")}));
  EXPECT_EQ(RegDeleteKeyW(HKEY_CLASSES_ROOT, u"Both"), ERROR_ACCESS_DENIED);
}

TEST_F(ClassesRoot, AHandleFollowsItsKeyFromOneTreeToTheOther) {
  Key both;
  ASSERT_EQ(Open(HKEY_CLASSES_ROOT, u"Both", both, KEY_READ), ERROR_SUCCESS);
  ASSERT_EQ(RegDeleteKeyW(HKEY_CURRENT_USER, u"Software\\Classes\\Both"), ERROR_SUCCESS);
  EXPECT_EQ(Read(both, nullptr, nullptr), (Stored{REG_SZ, StringBytes(u"machine")}));
  win32sim::SetRegistryAdministrator(true);
  ASSERT_EQ(RegDeleteKeyW(HKEY_LOCAL_MACHINE, u"Software\\Classes\\Both"), ERROR_SUCCESS);
  DWORD size = 0;
  EXPECT_EQ(RegQueryValueExW(both, nullptr, nullptr, nullptr, nullptr, &size), ERROR_KEY_DELETED);
}
