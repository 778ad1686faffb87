// Conformance of the value functions: setting, querying, deleting and enumerating values.
#include "registry_test_support.h"

class RegSetValueExWTest : public RegistryTest {
 protected:
  void SetUp() override {
    RegistryTest::SetUp();
    ASSERT_EQ(Create(HKEY_CURRENT_USER, u"Software\\Values", key), ERROR_SUCCESS);
  }
  Key key;
};
using RegQueryValueExWTest = RegSetValueExWTest;
using RegDeleteValueWTest = RegSetValueExWTest;
using RegEnumValueWTest = RegSetValueExWTest;

TEST_F(RegSetValueExWTest, StoresEachTypeWithItsBytesAsGiven) {
  EXPECT_EQ(SetString(key, u"sz", u"text"), ERROR_SUCCESS);
  EXPECT_EQ(SetString(key, u"expand", u"%PATH%", REG_EXPAND_SZ), ERROR_SUCCESS);
  EXPECT_EQ(SetDword(key, u"dword", 0x12345678), ERROR_SUCCESS);
  EXPECT_EQ(SetBytes(key, u"binary", REG_BINARY, {1, 2, 3}), ERROR_SUCCESS);
  EXPECT_EQ(SetBytes(key, u"multi", REG_MULTI_SZ, {'a', 0, 0, 0, 'b', 0, 0, 0, 0, 0}), ERROR_SUCCESS);
  EXPECT_EQ(SetBytes(key, u"unterminated", REG_SZ, {'a', 0, 'b', 0}), ERROR_SUCCESS);
  EXPECT_EQ(SetBytes(key, u"odd", REG_SZ, {'a'}), ERROR_SUCCESS);
  EXPECT_EQ(Read(key, nullptr, u"sz"), (Stored{REG_SZ, StringBytes(u"text")}));
  EXPECT_EQ(Read(key, nullptr, u"expand"), (Stored{REG_EXPAND_SZ, StringBytes(u"%PATH%")}));
  EXPECT_EQ(Read(key, nullptr, u"dword"), (Stored{REG_DWORD, {0x78, 0x56, 0x34, 0x12}}));
  EXPECT_EQ(Read(key, nullptr, u"binary"), (Stored{REG_BINARY, {1, 2, 3}}));
  EXPECT_EQ(Read(key, nullptr, u"multi"), (Stored{REG_MULTI_SZ, {'a', 0, 0, 0, 'b', 0, 0, 0, 0, 0}}));
  EXPECT_EQ(Read(key, nullptr, u"unterminated"), (Stored{REG_SZ, {'a', 0, 'b', 0}}));
  EXPECT_EQ(Read(key, nullptr, u"odd"), (Stored{REG_SZ, {'a'}}));
}

TEST_F(RegSetValueExWTest, ReplacesAValueWhateverTheCaseOfItsName) {
  EXPECT_EQ(SetDword(key, u"Enabled", 1), ERROR_SUCCESS);
  EXPECT_EQ(SetString(key, u"ENABLED", u"on"), ERROR_SUCCESS);
  EXPECT_EQ(Read(key, nullptr, u"enabled"), (Stored{REG_SZ, StringBytes(u"on")}));
  DWORD values = 0;
  ASSERT_EQ(RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr, nullptr,
                             nullptr, nullptr),
            ERROR_SUCCESS);
  EXPECT_EQ(values, 1u);
  WCHAR name[16];
  DWORD chars = 16;
  ASSERT_EQ(RegEnumValueW(key, 0, name, &chars, nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS);
  EXPECT_EQ(std::u16string(name), u"Enabled");
}

TEST_F(RegSetValueExWTest, EmptyAndNullNamesBothMeanTheDefaultValue) {
  EXPECT_EQ(SetString(key, nullptr, u"default"), ERROR_SUCCESS);
  EXPECT_EQ(Read(key, nullptr, u""), (Stored{REG_SZ, StringBytes(u"default")}));
  EXPECT_EQ(SetString(key, u"", u"again"), ERROR_SUCCESS);
  EXPECT_EQ(Read(key, nullptr, nullptr), (Stored{REG_SZ, StringBytes(u"again")}));
}

TEST_F(RegSetValueExWTest, ZeroBytesAndNullData) {
  EXPECT_EQ(RegSetValueExW(key, u"empty", 0, REG_BINARY, nullptr, 0), ERROR_SUCCESS);
  EXPECT_EQ(Read(key, nullptr, u"empty"), (Stored{REG_BINARY, {}}));
  EXPECT_EQ(RegSetValueExW(key, u"bad", 0, REG_BINARY, nullptr, 4), ERROR_NOACCESS);
  EXPECT_EQ(Read(key, nullptr, u"bad").type, 0u);
}

TEST_F(RegSetValueExWTest, RefusesNamesTheFileCannotHold) {
  EXPECT_EQ(SetDword(key, u"line\nbreak", 1), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(SetDword(key, u"lone\xD800", 1), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(SetDword(key, std::u16string(16384, u'n').c_str(), 1), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(SetDword(key, std::u16string(16383, u'n').c_str(), 1), ERROR_SUCCESS);
  EXPECT_EQ(SetDword(key, u"pair \U0001F600", 1), ERROR_SUCCESS);
}

TEST_F(RegQueryValueExWTest, TypeAloneSizeAloneAndData) {
  ASSERT_EQ(SetString(key, u"name", u"abc"), ERROR_SUCCESS);
  DWORD type = 0, size = 0;
  EXPECT_EQ(RegQueryValueExW(key, u"name", nullptr, &type, nullptr, nullptr), ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(RegQueryValueExW(key, u"name", nullptr, nullptr, nullptr, &size), ERROR_SUCCESS);
  EXPECT_EQ(size, 8u);
  WCHAR text[8] = {};
  size = sizeof text;
  EXPECT_EQ(RegQueryValueExW(key, u"name", nullptr, &type, reinterpret_cast<BYTE*>(text), &size), ERROR_SUCCESS);
  EXPECT_EQ(size, 8u);
  EXPECT_EQ(std::u16string(text), u"abc");
  EXPECT_EQ(RegQueryValueExW(key, u"name", nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS);
}

TEST_F(RegQueryValueExWTest, ShortBufferGivesMoreDataAndTheSizeNeeded) {
  ASSERT_EQ(SetString(key, u"name", u"abcdef"), ERROR_SUCCESS);
  BYTE buffer[16];
  std::fill(std::begin(buffer), std::end(buffer), 0xEE);
  DWORD type = 0, size = 13;
  EXPECT_EQ(RegQueryValueExW(key, u"name", nullptr, &type, buffer, &size), ERROR_MORE_DATA);
  EXPECT_EQ(size, 14u);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  size = 14;
  EXPECT_EQ(RegQueryValueExW(key, u"name", nullptr, &type, buffer, &size), ERROR_SUCCESS);
  EXPECT_EQ(buffer[14], 0xEE);
  size = 0;
  EXPECT_EQ(RegQueryValueExW(key, u"name", nullptr, &type, buffer, &size), ERROR_MORE_DATA);
  EXPECT_EQ(size, 14u);
}

TEST_F(RegQueryValueExWTest, MissingValuesAndBadArguments) {
  DWORD size = 4, type = 99;
  BYTE buffer[4];
  DWORD reserved = 0;
  EXPECT_EQ(RegQueryValueExW(key, u"missing", nullptr, &type, buffer, &size), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(RegQueryValueExW(key, nullptr, nullptr, &type, buffer, &size), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(RegQueryValueExW(key, u"missing", &reserved, &type, buffer, &size), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(RegQueryValueExW(key, u"missing", nullptr, &type, buffer, nullptr), ERROR_INVALID_PARAMETER);
}

TEST_F(RegDeleteValueWTest, DeletesOnceAndKeepsTheOrderOfTheRest) {
  ASSERT_EQ(SetDword(key, u"a", 1), ERROR_SUCCESS);
  ASSERT_EQ(SetDword(key, u"b", 2), ERROR_SUCCESS);
  ASSERT_EQ(SetDword(key, u"c", 3), ERROR_SUCCESS);
  EXPECT_EQ(RegDeleteValueW(key, u"B"), ERROR_SUCCESS);
  EXPECT_EQ(RegDeleteValueW(key, u"b"), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(RegDeleteValueW(key, nullptr), ERROR_FILE_NOT_FOUND);
  WCHAR name[4];
  DWORD chars = 4;
  ASSERT_EQ(RegEnumValueW(key, 1, name, &chars, nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS);
  EXPECT_EQ(std::u16string(name), u"c");
}

TEST_F(RegEnumValueWTest, ListsValuesInCreationOrderWithNameTypeAndData) {
  ASSERT_EQ(SetDword(key, u"zeta", 5), ERROR_SUCCESS);
  ASSERT_EQ(SetString(key, u"alpha", u"x"), ERROR_SUCCESS);
  WCHAR name[8];
  DWORD chars = 8, type = 0, size = 4;
  BYTE data[4];
  EXPECT_EQ(RegEnumValueW(key, 0, name, &chars, nullptr, &type, data, &size), ERROR_SUCCESS);
  EXPECT_EQ(std::u16string(name), u"zeta");
  EXPECT_EQ(chars, 4u);
  EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(size, 4u);
  EXPECT_EQ(data[0], 5);
  chars = 8;
  EXPECT_EQ(RegEnumValueW(key, 1, name, &chars, nullptr, &type, nullptr, &size), ERROR_SUCCESS);
  EXPECT_EQ(std::u16string(name), u"alpha");
  EXPECT_EQ(size, 4u);
  chars = 8;
  EXPECT_EQ(RegEnumValueW(key, 2, name, &chars, nullptr, nullptr, nullptr, nullptr), ERROR_NO_MORE_ITEMS);
}

TEST_F(RegEnumValueWTest, ShortBuffersGiveMoreData) {
  ASSERT_EQ(SetString(key, u"four", u"abc"), ERROR_SUCCESS);
  WCHAR name[8];
  DWORD chars = 4, size = 7;
  BYTE data[8];
  EXPECT_EQ(RegEnumValueW(key, 0, name, &chars, nullptr, nullptr, nullptr, nullptr), ERROR_MORE_DATA);
  EXPECT_EQ(chars, 4u);
  chars = 5;
  EXPECT_EQ(RegEnumValueW(key, 0, name, &chars, nullptr, nullptr, data, &size), ERROR_MORE_DATA);
  EXPECT_EQ(size, 8u);
  EXPECT_EQ(RegEnumValueW(key, 0, nullptr, &chars, nullptr, nullptr, nullptr, nullptr), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(RegEnumValueW(key, 0, name, nullptr, nullptr, nullptr, nullptr, nullptr), ERROR_INVALID_PARAMETER);
}

TEST_F(RegEnumValueWTest, TheDefaultValueHasAnEmptyName) {
  ASSERT_EQ(SetDword(key, nullptr, 1), ERROR_SUCCESS);
  WCHAR name[4] = {u'x', u'x', u'x', 0};
  DWORD chars = 4;
  EXPECT_EQ(RegEnumValueW(key, 0, name, &chars, nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS);
  EXPECT_EQ(chars, 0u);
  EXPECT_EQ(name[0], 0);
}
