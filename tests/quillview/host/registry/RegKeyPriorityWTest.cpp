// Reads that fall back from the current user to the local machine, writes that stay with the current user.
#include "host/registry/RegKeyPriorityW.h"

#include <string>

#include "RegistryTestSupport.h"
#include "host/registry/RegKeyCULMW.h"

namespace {

constexpr const WCHAR* kPath = u"Software\\QvPriority";

class RegKeyPriorityWTest : public RegistryTest {};

TEST_F(RegKeyPriorityWTest, ReadsFallBackToLocalMachineForValuesTheUserLacks) {
  PutText(HKEY_CURRENT_USER, kPath, u"Both", u"user");
  PutText(HKEY_LOCAL_MACHINE, kPath, u"Both", u"machine");
  PutText(HKEY_LOCAL_MACHINE, kPath, u"MachineText", u"machine text");
  PutDWord(HKEY_LOCAL_MACHINE, kPath, u"MachineNumber", 4);
  const BYTE bytes[] = {9, 8};
  PutRaw(HKEY_LOCAL_MACHINE, kPath, u"MachineBytes", REG_BINARY, bytes, sizeof(bytes));
  RegKeyCULMW key(kPath, false, KEY_READ);
  EXPECT_EQ(std::u16string(key.GetString(u"Both")), u"user");
  EXPECT_EQ(std::u16string(key.GetString(u"MachineText")), u"machine text");
  EXPECT_EQ(key.GetDWord(u"MachineNumber"), 4);
  DWORD size = 0;
  const BYTE* data = key.GetBinary(u"MachineBytes", &size);
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(std::vector<BYTE>(data, data + size), std::vector<BYTE>(bytes, bytes + 2));
  EXPECT_EQ(key.QueryType(u"MachineNumber"), static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(key.QueryValue(u"MachineText", &size), static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(size, 26u);
  EXPECT_EQ(key.QueryType(u"Nowhere"), 0u);
  EXPECT_EQ(key.GetDWord(u"Nowhere"), -1);
}

TEST_F(RegKeyPriorityWTest, AUserValueOfTheWrongTypeHidesTheMachineValue) {
  PutText(HKEY_CURRENT_USER, kPath, u"LoadCtrls", u"14");
  PutDWord(HKEY_LOCAL_MACHINE, kPath, u"LoadCtrls", 14);
  RegKeyCULMW key(kPath, false, KEY_READ);
  EXPECT_EQ(key.GetDWord(u"LoadCtrls"), -1);
  EXPECT_EQ(key.QueryType(u"LoadCtrls"), static_cast<DWORD>(REG_SZ));
}

TEST_F(RegKeyPriorityWTest, StandardUserWithFullAccessStillReadsLocalMachine) {
  PutDWord(HKEY_LOCAL_MACHINE, kPath, u"LoadCtrls", 4);
  RegKeyCULMW key(kPath, true, KEY_ALL_ACCESS);
  EXPECT_TRUE(key.IsWritable());
  EXPECT_TRUE(key.Secondary().IsOpen());
  EXPECT_FALSE(key.Secondary().IsWritable());
  EXPECT_EQ(key.GetDWord(u"LoadCtrls"), 4);
}

TEST_F(RegKeyPriorityWTest, MachineKeyIsNeverCreated) {
  {
    AsAdministrator administrator;
    RegKeyCULMW key(kPath, true, KEY_ALL_ACCESS);
    EXPECT_TRUE(key.IsOpen());
    EXPECT_FALSE(key.Secondary().IsOpen());
  }
  EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, kPath));
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kPath));
}

TEST_F(RegKeyPriorityWTest, ReadsMachineValuesWhenTheUserKeyIsMissing) {
  PutDWord(HKEY_LOCAL_MACHINE, kPath, u"Number", 12);
  RegKeyCULMW key(kPath, false, KEY_ALL_ACCESS);
  EXPECT_FALSE(key.IsOpen());
  EXPECT_EQ(key.GetDWord(u"Number"), 12);
  EXPECT_FALSE(key.SetDWord(u"Number", 1));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kPath));
}

TEST_F(RegKeyPriorityWTest, WritesGoToTheUserKeyOnly) {
  PutDWord(HKEY_LOCAL_MACHINE, kPath, u"Number", 12);
  AsAdministrator administrator;
  RegKeyCULMW key(kPath, true, KEY_ALL_ACCESS);
  EXPECT_TRUE(key.SetDWord(u"Number", 6));
  EXPECT_TRUE(key.SetString(u"Text", u"t"));
  EXPECT_EQ(ReadDWord(HKEY_CURRENT_USER, kPath, u"Number"), 6u);
  EXPECT_EQ(ReadDWord(HKEY_LOCAL_MACHINE, kPath, u"Number"), 12u);
  EXPECT_FALSE(ReadRaw(HKEY_LOCAL_MACHINE, kPath, u"Text"));
}

TEST_F(RegKeyPriorityWTest, DeleteValueFallsBackToTheMachineKeyWhereAllowed) {
  PutDWord(HKEY_CURRENT_USER, kPath, u"Both", 1);
  PutDWord(HKEY_LOCAL_MACHINE, kPath, u"Both", 2);
  PutDWord(HKEY_LOCAL_MACHINE, kPath, u"MachineOnly", 3);
  {
    RegKeyCULMW key(kPath, true, KEY_ALL_ACCESS);
    EXPECT_TRUE(key.DeleteValue(u"Both"));
    EXPECT_FALSE(key.DeleteValue(u"MachineOnly"));
  }
  EXPECT_FALSE(ReadRaw(HKEY_CURRENT_USER, kPath, u"Both"));
  EXPECT_EQ(ReadDWord(HKEY_LOCAL_MACHINE, kPath, u"Both"), 2u);
  EXPECT_EQ(ReadDWord(HKEY_LOCAL_MACHINE, kPath, u"MachineOnly"), 3u);
  AsAdministrator administrator;
  RegKeyCULMW key(kPath, true, KEY_ALL_ACCESS);
  EXPECT_TRUE(key.DeleteValue(u"MachineOnly"));
  EXPECT_FALSE(ReadRaw(HKEY_LOCAL_MACHINE, kPath, u"MachineOnly"));
  EXPECT_FALSE(key.DeleteValue(u"Nowhere"));
}

}  // namespace
