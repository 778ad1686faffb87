// The single key: opening, the shared read buffers and their limits, refused writes, deleting trees.
#include "host/registry/RegKeyW.h"

#include <stdlib.h>

#include <string>

#include "RegistryTestSupport.h"
#include "host/registry/RegAppCU.h"
#include "host/registry/RegKeyReadOnlyW.h"

namespace {

constexpr const WCHAR* kPath = u"Software\\QvKeyTest";

class RegKeyWTest : public RegistryTest {};

TEST_F(RegKeyWTest, OpensOnlyExistingKeysUnlessAskedToCreate) {
  EXPECT_FALSE(RegKeyW(kPath, HKEY_CURRENT_USER, false, KEY_READ).IsOpen());
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kPath));
  EXPECT_TRUE(RegKeyW(u"Software\\QvKeyTest\\Deep\\Deeper", HKEY_CURRENT_USER, true, KEY_ALL_ACCESS).IsOpen());
  EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, u"Software\\QvKeyTest\\Deep\\Deeper"));
  EXPECT_TRUE(RegKeyW(kPath, HKEY_CURRENT_USER, false, KEY_READ).IsOpen());
}

TEST_F(RegKeyWTest, OpensUnderAnotherOpenKey) {
  RegAppCU app(true, KEY_ALL_ACCESS);
  ASSERT_TRUE(app.IsOpen());
  RegKeyW settings(u"Settings", app.Handle(), true, KEY_ALL_ACCESS);
  ASSERT_TRUE(settings.IsOpen());
  app.Close();
  EXPECT_TRUE(settings.SetDWord(u"Enabled", 1));
  EXPECT_EQ(ReadDWord(HKEY_CURRENT_USER, u"Software\\Tessaray\\Quillview\\3.0\\Settings", u"Enabled"), 1u);
}

TEST_F(RegKeyWTest, KeyFromAHandleAloneLeavesThatHandleOpen) {
  RegKeyW owner(kPath, HKEY_CURRENT_USER, true, KEY_ALL_ACCESS);
  {
    RegKeyW alias(nullptr, owner.Handle(), false, KEY_ALL_ACCESS);
    EXPECT_EQ(alias.Handle(), owner.Handle());
    EXPECT_TRUE(alias.SetDWord(u"ThroughAlias", 1));
  }
  EXPECT_TRUE(owner.SetDWord(u"AfterAlias", 2));
  EXPECT_EQ(ReadDWord(HKEY_CURRENT_USER, kPath, u"AfterAlias"), 2u);
}

TEST_F(RegKeyWTest, OpenAgainReplacesTheKeyAndItsAccess) {
  PutKey(HKEY_CURRENT_USER, u"Software\\QvKeyTest\\Other");
  RegKeyW key(kPath, HKEY_CURRENT_USER, false, KEY_READ);
  EXPECT_FALSE(key.IsWritable());
  EXPECT_NE(key.Open(u"Software\\QvKeyTest\\Other", HKEY_CURRENT_USER, false, KEY_ALL_ACCESS), nullptr);
  EXPECT_TRUE(key.IsWritable());
  EXPECT_TRUE(key.SetDWord(u"Here", 1));
  EXPECT_EQ(ReadDWord(HKEY_CURRENT_USER, u"Software\\QvKeyTest\\Other", u"Here"), 1u);
  EXPECT_EQ(key.Open(u"Software\\QvKeyTest\\Missing", HKEY_CURRENT_USER, false, KEY_ALL_ACCESS), nullptr);
  EXPECT_FALSE(key.IsOpen());
}

TEST_F(RegKeyWTest, IsWritableNeedsAParentAndEveryBitOfKeyWrite) {
  EXPECT_TRUE(RegKeyW(kPath, HKEY_CURRENT_USER, true, KEY_ALL_ACCESS).IsWritable());
  EXPECT_TRUE(RegKeyW(kPath, HKEY_CURRENT_USER, true, KEY_WRITE).IsWritable());
  EXPECT_TRUE(RegKeyW(kPath, HKEY_CURRENT_USER, true, KEY_READ | KEY_WRITE).IsWritable());
  EXPECT_FALSE(RegKeyW(kPath, HKEY_CURRENT_USER, true, KEY_SET_VALUE).IsWritable());
  EXPECT_FALSE(RegKeyW(kPath, HKEY_CURRENT_USER, true, KEY_READ).IsWritable());
  EXPECT_FALSE(RegKeyW(kPath, nullptr, false, KEY_ALL_ACCESS).IsWritable());
  EXPECT_FALSE(RegKeyReadOnlyW(kPath, HKEY_CURRENT_USER, true, KEY_ALL_ACCESS).IsWritable());
  RegKeyW closed(kPath, HKEY_CURRENT_USER, true, KEY_ALL_ACCESS);
  closed.Close();
  EXPECT_FALSE(closed.IsWritable());
  EXPECT_FALSE(closed.IsOpen());
}

TEST_F(RegKeyWTest, WritesAreRefusedOnReadOnlyKeysKeysOpenedForReadingAndKeysNotOpen) {
  PutDWord(HKEY_CURRENT_USER, kPath, u"Kept", 7);
  const BYTE bytes[] = {1, 2, 3};
  RegKeyReadOnlyW readOnly(kPath, HKEY_CURRENT_USER, false, KEY_ALL_ACCESS);
  ASSERT_TRUE(readOnly.IsOpen());
  EXPECT_FALSE(readOnly.SetString(u"New", u"text"));
  EXPECT_FALSE(readOnly.SetDWord(u"New", 1));
  EXPECT_FALSE(readOnly.SetBinary(u"New", bytes, sizeof(bytes)));
  EXPECT_FALSE(readOnly.DeleteValue(u"Kept"));
  EXPECT_EQ(readOnly.GetDWord(u"Kept"), 7);
  RegKeyW forReading(kPath, HKEY_CURRENT_USER, false, KEY_READ);
  ASSERT_TRUE(forReading.IsOpen());
  EXPECT_FALSE(forReading.SetString(u"New", u"text"));
  EXPECT_FALSE(forReading.SetDWord(u"New", 1));
  EXPECT_FALSE(forReading.SetBinary(u"New", bytes, sizeof(bytes)));
  EXPECT_FALSE(forReading.DeleteValue(u"Kept"));
  RegKeyW missing(u"Software\\QvKeyTest\\Missing", HKEY_CURRENT_USER, false, KEY_ALL_ACCESS);
  EXPECT_FALSE(missing.SetString(u"New", u"text"));
  EXPECT_FALSE(missing.SetDWord(u"New", 1));
  EXPECT_FALSE(missing.SetBinary(u"New", bytes, sizeof(bytes)));
  EXPECT_FALSE(missing.DeleteValue(u"Kept"));
  EXPECT_EQ(ValueNames(HKEY_CURRENT_USER, kPath), std::vector<std::u16string>{u"Kept"});
}

TEST_F(RegKeyWTest, WritesStoreTheDocumentedTypesAndSizes) {
  RegKeyW key(kPath, HKEY_CURRENT_USER, true, KEY_ALL_ACCESS);
  EXPECT_TRUE(key.SetString(u"Text", u"abc"));
  EXPECT_TRUE(key.SetString(u"Empty", u""));
  EXPECT_TRUE(key.SetDWord(u"Number", static_cast<DWORD>(-5)));
  const BYTE bytes[] = {0, 255, 7};
  EXPECT_TRUE(key.SetBinary(u"Bytes", bytes, sizeof(bytes)));
  EXPECT_TRUE(key.SetBinary(u"NoBytes", nullptr, 0));
  EXPECT_FALSE(key.SetString(u"Null", nullptr));
  EXPECT_FALSE(key.SetBinary(u"Null", nullptr, 4));
  std::optional<RawValue> text = ReadRaw(HKEY_CURRENT_USER, kPath, u"Text");
  ASSERT_TRUE(text);
  EXPECT_EQ(text->type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(text->data.size(), 8u);
  EXPECT_EQ(ReadRaw(HKEY_CURRENT_USER, kPath, u"Empty").value().data.size(), 2u);
  EXPECT_EQ(ReadRaw(HKEY_CURRENT_USER, kPath, u"Number").value().type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(key.GetDWord(u"Number"), -5);
  EXPECT_EQ(ReadRaw(HKEY_CURRENT_USER, kPath, u"Bytes").value().data, std::vector<BYTE>(bytes, bytes + 3));
  EXPECT_EQ(ReadRaw(HKEY_CURRENT_USER, kPath, u"NoBytes").value().type, static_cast<DWORD>(REG_BINARY));
  EXPECT_FALSE(ReadRaw(HKEY_CURRENT_USER, kPath, u"Null"));
}

TEST_F(RegKeyWTest, DeleteValueRemovesAnExistingValueOnly) {
  PutDWord(HKEY_CURRENT_USER, kPath, u"Gone", 1);
  RegKeyW key(kPath, HKEY_CURRENT_USER, false, KEY_ALL_ACCESS);
  EXPECT_TRUE(key.DeleteValue(u"Gone"));
  EXPECT_FALSE(ReadRaw(HKEY_CURRENT_USER, kPath, u"Gone"));
  EXPECT_FALSE(key.DeleteValue(u"Gone"));
}

TEST_F(RegKeyWTest, QueryValueAndQueryTypeReportTypeAndSize) {
  PutText(HKEY_CURRENT_USER, kPath, u"Text", u"abcd");
  PutDWord(HKEY_CURRENT_USER, kPath, u"Number", 3);
  RegKeyW key(kPath, HKEY_CURRENT_USER, false, KEY_READ);
  DWORD size = 99;
  EXPECT_EQ(key.QueryValue(u"Text", &size), static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(size, 10u);
  EXPECT_EQ(key.QueryValue(u"Missing", &size), 0u);
  EXPECT_EQ(size, 0u);
  EXPECT_EQ(key.QueryType(u"Number"), static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(key.QueryType(u"Missing"), 0u);
  key.Close();
  EXPECT_EQ(key.QueryType(u"Number"), 0u);
}

class GetStringTest : public RegistryTest {
 protected:
  std::u16string Read(const WCHAR* name) { return RegKeyW(kPath, HKEY_CURRENT_USER, false, KEY_READ).GetString(name); }
};

TEST_F(GetStringTest, ReturnsTextAndEmptyForMissingValuesAndKeys) {
  PutText(HKEY_CURRENT_USER, kPath, u"Face", u"宋体 Arial");
  PutText(HKEY_CURRENT_USER, kPath, u"Empty", u"");
  EXPECT_EQ(Read(u"Face"), u"宋体 Arial");
  EXPECT_EQ(Read(u"Empty"), u"");
  EXPECT_EQ(Read(u"Missing"), u"");
  EXPECT_EQ(std::u16string(RegKeyW(u"Software\\None", HKEY_CURRENT_USER, false, KEY_READ).GetString(u"Face")), u"");
}

TEST_F(GetStringTest, ExpandsEnvironmentVariablesOfExpandableText) {
  setenv("QV_REGISTRY_TEST_FOLDER", "/home/drafter/Drawings", 1);
  PutText(HKEY_CURRENT_USER, kPath, u"Expand", u"%QV_REGISTRY_TEST_FOLDER%/plan.dxf", REG_EXPAND_SZ);
  PutText(HKEY_CURRENT_USER, kPath, u"Plain", u"%QV_REGISTRY_TEST_FOLDER%/plan.dxf", REG_SZ);
  PutText(HKEY_CURRENT_USER, kPath, u"Unknown", u"%QV_REGISTRY_TEST_UNSET%/x", REG_EXPAND_SZ);
  EXPECT_EQ(Read(u"Expand"), u"/home/drafter/Drawings/plan.dxf");
  EXPECT_EQ(Read(u"Plain"), u"%QV_REGISTRY_TEST_FOLDER%/plan.dxf");
  EXPECT_EQ(Read(u"Unknown"), u"%QV_REGISTRY_TEST_UNSET%/x");
  unsetenv("QV_REGISTRY_TEST_FOLDER");
}

TEST_F(GetStringTest, ExpansionLongerThanTheBufferReadsAsEmpty) {
  setenv("QV_REGISTRY_TEST_LONG", std::string(1040, 'x').c_str(), 1);
  setenv("QV_REGISTRY_TEST_FITS", std::string(1039, 'y').c_str(), 1);
  PutText(HKEY_CURRENT_USER, kPath, u"TooLong", u"%QV_REGISTRY_TEST_LONG%", REG_EXPAND_SZ);
  PutText(HKEY_CURRENT_USER, kPath, u"Fits", u"%QV_REGISTRY_TEST_FITS%", REG_EXPAND_SZ);
  EXPECT_EQ(Read(u"TooLong"), u"");
  EXPECT_EQ(Read(u"Fits"), std::u16string(1039, u'y'));
  unsetenv("QV_REGISTRY_TEST_LONG");
  unsetenv("QV_REGISTRY_TEST_FITS");
}

TEST_F(GetStringTest, TextLongerThan519CharactersReadsAsEmpty) {
  PutText(HKEY_CURRENT_USER, kPath, u"Longest", std::u16string(519, u'a'));
  PutText(HKEY_CURRENT_USER, kPath, u"TooLong", std::u16string(520, u'b'));
  PutText(HKEY_CURRENT_USER, kPath, u"Huge", std::u16string(5000, u'c'));
  EXPECT_EQ(Read(u"Longest"), std::u16string(519, u'a'));
  EXPECT_EQ(Read(u"TooLong"), u"");
  EXPECT_EQ(Read(u"Huge"), u"");
}

TEST_F(GetStringTest, TextStoredWithoutTerminatorEndsWhereItsBytesEnd) {
  PutText(HKEY_CURRENT_USER, kPath, u"Long", u"abcdefgh");
  PutRaw(HKEY_CURRENT_USER, kPath, u"Bare", REG_SZ, u"xyz", 6);
  PutRaw(HKEY_CURRENT_USER, kPath, u"Full", REG_SZ, std::u16string(520, u'f').c_str(), 1040);
  PutRaw(HKEY_CURRENT_USER, kPath, u"Odd", REG_SZ, u"pq", 3);
  RegKeyW key(kPath, HKEY_CURRENT_USER, false, KEY_READ);
  EXPECT_EQ(std::u16string(key.GetString(u"Long")), u"abcdefgh");
  EXPECT_EQ(std::u16string(key.GetString(u"Bare")), u"xyz");
  EXPECT_EQ(std::u16string(key.GetString(u"Full")), std::u16string(520, u'f'));
  EXPECT_EQ(std::u16string(key.GetString(u"Odd")), u"p");
}

TEST_F(GetStringTest, ValuesThatAreNotTextReadAsEmpty) {
  PutDWord(HKEY_CURRENT_USER, kPath, u"Number", 0x410041);
  const BYTE bytes[] = {'h', 0, 'i', 0, 0, 0};
  PutRaw(HKEY_CURRENT_USER, kPath, u"Bytes", REG_BINARY, bytes, sizeof(bytes));
  PutRaw(HKEY_CURRENT_USER, kPath, u"List", REG_MULTI_SZ, u"one\0two\0", 18);
  EXPECT_EQ(Read(u"Number"), u"");
  EXPECT_EQ(Read(u"Bytes"), u"");
  EXPECT_EQ(Read(u"List"), u"one");
}

TEST_F(RegKeyWTest, GetDWordIsMinusOneUnlessTheValueIsAFourByteDWord) {
  PutDWord(HKEY_CURRENT_USER, kPath, u"Number", 500);
  PutDWord(HKEY_CURRENT_USER, kPath, u"AllOnes", 0xFFFFFFFF);
  PutText(HKEY_CURRENT_USER, kPath, u"Text", u"5");
  const BYTE four[] = {5, 0, 0, 0};
  PutRaw(HKEY_CURRENT_USER, kPath, u"Bytes", REG_BINARY, four, 4);
  PutRaw(HKEY_CURRENT_USER, kPath, u"Short", REG_DWORD, four, 2);
  const BYTE eight[] = {5, 0, 0, 0, 0, 0, 0, 0};
  PutRaw(HKEY_CURRENT_USER, kPath, u"Long", REG_DWORD, eight, 8);
  RegKeyW key(kPath, HKEY_CURRENT_USER, false, KEY_READ);
  EXPECT_EQ(key.GetDWord(u"Number"), 500);
  EXPECT_EQ(key.GetDWord(u"AllOnes"), -1);
  EXPECT_EQ(key.GetDWord(u"Text"), -1);
  EXPECT_EQ(key.GetDWord(u"Bytes"), -1);
  EXPECT_EQ(key.GetDWord(u"Short"), -1);
  EXPECT_EQ(key.GetDWord(u"Long"), -1);
  EXPECT_EQ(key.GetDWord(u"Missing"), -1);
}

TEST_F(RegKeyWTest, GetBinaryHoldsAtMost2080Bytes) {
  std::vector<BYTE> longest(2080, 0xAB);
  std::vector<BYTE> tooLong(2081, 0xCD);
  PutRaw(HKEY_CURRENT_USER, kPath, u"Longest", REG_BINARY, longest.data(), 2080);
  PutRaw(HKEY_CURRENT_USER, kPath, u"TooLong", REG_BINARY, tooLong.data(), 2081);
  PutRaw(HKEY_CURRENT_USER, kPath, u"Empty", REG_BINARY, nullptr, 0);
  PutText(HKEY_CURRENT_USER, kPath, u"Text", u"abc");
  RegKeyW key(kPath, HKEY_CURRENT_USER, false, KEY_READ);
  DWORD size = 1;
  const BYTE* data = key.GetBinary(u"Longest", &size);
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(std::vector<BYTE>(data, data + size), longest);
  EXPECT_EQ(key.GetBinary(u"TooLong", &size), nullptr);
  EXPECT_EQ(size, 0u);
  EXPECT_NE(key.GetBinary(u"Empty", &size), nullptr);
  EXPECT_EQ(size, 0u);
  size = 1;
  EXPECT_EQ(key.GetBinary(u"Text", &size), nullptr);
  EXPECT_EQ(size, 0u);
  size = 1;
  EXPECT_EQ(key.GetBinary(u"Missing", &size), nullptr);
  EXPECT_EQ(size, 0u);
}

}  // namespace
