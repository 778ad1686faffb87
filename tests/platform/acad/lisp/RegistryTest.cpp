// vl-registry-read, -write, -delete, -descendents and vlax-product-key over the Win32 registry.
#include <qvregistry.h>
#include <winreg.h>

#include "LispTestSupport.h"

namespace {

class LispRegistry : public LispTest {
 protected:
  void SetUp() override {
    LispTest::SetUp();
    win32sim::ResetRegistry();
  }
  void TearDown() override {
    win32sim::ResetRegistry();
    LispTest::TearDown();
  }
};

TEST_F(LispRegistry, WriteThenReadAString) {
  EXPECT_EQ(eval(R"((vl-registry-write "HKEY_CURRENT_USER\\Software\\Qv\\Test" "Name" "data"))"), R"("data")");
  EXPECT_EQ(eval(R"((vl-registry-read "HKEY_CURRENT_USER\\Software\\Qv\\Test" "Name"))"), R"("data")");
  EXPECT_EQ(eval(R"((vl-registry-read "hkey_current_user\\software\\qv\\TEST" "name"))"), R"("data")");
}

TEST_F(LispRegistry, TheDefaultValue) {
  EXPECT_EQ(eval(R"((vl-registry-write "HKEY_CURRENT_USER\\Software\\Qv\\Test" "" "test data"))"), R"("test data")");
  EXPECT_EQ(eval(R"((vl-registry-read "HKEY_CURRENT_USER\\Software\\Qv\\Test"))"), R"("test data")");
  EXPECT_EQ(eval(R"((vl-registry-write "HKEY_CURRENT_USER\\Software\\Qv\\Test" nil "other"))"), R"("other")");
  EXPECT_EQ(eval(R"((vl-registry-read "HKEY_CURRENT_USER\\Software\\Qv\\Test" nil))"), R"("other")");
}

TEST_F(LispRegistry, ANameWithoutDataStoresAnEmptyString) {
  EXPECT_EQ(eval(R"((vl-registry-write "HKEY_CURRENT_USER\\Software\\Qv\\Test" "Empty"))"), R"("")");
  EXPECT_EQ(eval(R"((vl-registry-read "HKEY_CURRENT_USER\\Software\\Qv\\Test" "Empty"))"), R"("")");
}

TEST_F(LispRegistry, AKeyAloneIsCreatedWithoutLosingItsDefaultValue) {
  eval(R"((vl-registry-write "HKEY_CURRENT_USER\\Software\\Qv\\Test" "" "kept"))");
  EXPECT_EQ(eval(R"((vl-registry-write "HKEY_CURRENT_USER\\Software\\Qv\\Test"))"), R"("")");
  EXPECT_EQ(eval(R"((vl-registry-read "HKEY_CURRENT_USER\\Software\\Qv\\Test"))"), R"("kept")");
  EXPECT_EQ(eval(R"((vl-registry-write "HKEY_CURRENT_USER\\Software\\Qv\\Fresh"))"), R"("")");
  EXPECT_EQ(eval(R"((vl-registry-descendents "HKEY_CURRENT_USER\\Software\\Qv"))"), R"(("Fresh" "Test"))");
}

TEST_F(LispRegistry, IntegersAreDwords) {
  EXPECT_EQ(eval(R"((vl-registry-write "HKEY_CURRENT_USER\\Software\\Qv\\Test" "Count" 42))"), "42");
  EXPECT_EQ(eval(R"((vl-registry-read "HKEY_CURRENT_USER\\Software\\Qv\\Test" "Count"))"), "42");
  EXPECT_EQ(eval(R"((vl-registry-write "HKEY_CURRENT_USER\\Software\\Qv\\Test" "Big" 70000))"), "70000");
  EXPECT_EQ(eval(R"((vl-registry-read "HKEY_CURRENT_USER\\Software\\Qv\\Test" "Big"))"), "70000");
}

TEST_F(LispRegistry, ADwordReadsAsASigned32BitInteger) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, u"Software\\Qv\\Test", 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  const DWORD all = 0xFFFFFFFF;
  ASSERT_EQ(RegSetValueExW(key, u"All", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&all), sizeof all), ERROR_SUCCESS);
  const char16_t expandable[] = u"%PATH%";
  ASSERT_EQ(RegSetValueExW(key, u"Expand", 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>(expandable),
                           sizeof expandable),
            ERROR_SUCCESS);
  const BYTE bytes[] = {1, 2};
  ASSERT_EQ(RegSetValueExW(key, u"Bytes", 0, REG_BINARY, bytes, sizeof bytes), ERROR_SUCCESS);
  RegCloseKey(key);
  EXPECT_EQ(eval(R"((vl-registry-read "HKEY_CURRENT_USER\\Software\\Qv\\Test" "All"))"), "-1");
  EXPECT_EQ(eval(R"((vl-registry-read "HKEY_CURRENT_USER\\Software\\Qv\\Test" "Expand"))"), R"("%PATH%")");
  EXPECT_EQ(eval(R"((vl-registry-read "HKEY_CURRENT_USER\\Software\\Qv\\Test" "Bytes"))"), "nil");
}

TEST_F(LispRegistry, MissingKeysAndValuesAreNil) {
  EXPECT_EQ(eval(R"((vl-registry-read "HKEY_CURRENT_USER\\Software\\Qv\\Nowhere" "x"))"), "nil");
  eval(R"((vl-registry-write "HKEY_CURRENT_USER\\Software\\Qv\\Test" "a" "1"))");
  EXPECT_EQ(eval(R"((vl-registry-read "HKEY_CURRENT_USER\\Software\\Qv\\Test" "b"))"), "nil");
  EXPECT_EQ(eval(R"((vl-registry-read "HKEY_NOWHERE\\Test" "a"))"), "nil");
}

TEST_F(LispRegistry, WriteRefusesHkeyLocalMachine) {
  EXPECT_EQ(eval(R"((vl-registry-write "HKEY_LOCAL_MACHINE\\Software\\Test" "a" "1"))"), "nil");
  EXPECT_EQ(eval(R"((vl-registry-read "HKEY_LOCAL_MACHINE\\Software\\Test" "a"))"), "nil");
  EXPECT_EQ(eval(R"((vl-registry-write "HKEY_USERS\\Test" "a" "1"))"), "nil");
}

TEST_F(LispRegistry, ArgumentTypes) {
  EXPECT_EQ(eval(R"((vl-registry-write "HKEY_CURRENT_USER\\Software\\Qv\\Test" "a" 1.5))"),
            "; error: bad argument type: stringp 1.5");
  EXPECT_EQ(eval(R"((vl-registry-read 1))"), "; error: bad argument type: stringp 1");
  EXPECT_EQ(eval(R"((vl-registry-read))"), "; error: too few arguments");
}

TEST_F(LispRegistry, DeleteAValueThenTheKey) {
  eval(R"((vl-registry-write "HKEY_CURRENT_USER\\Software\\Qv\\Test" "a" "1"))");
  EXPECT_EQ(eval(R"((vl-registry-delete "HKEY_CURRENT_USER\\Software\\Qv\\Test" "a"))"), "T");
  EXPECT_EQ(eval(R"((vl-registry-read "HKEY_CURRENT_USER\\Software\\Qv\\Test" "a"))"), "nil");
  EXPECT_EQ(eval(R"((vl-registry-delete "HKEY_CURRENT_USER\\Software\\Qv\\Test" "a"))"), "nil");
  EXPECT_EQ(eval(R"((vl-registry-delete "HKEY_CURRENT_USER\\Software\\Qv\\Test"))"), "T");
  EXPECT_EQ(eval(R"((vl-registry-descendents "HKEY_CURRENT_USER\\Software\\Qv"))"), "nil");
  EXPECT_EQ(eval(R"((vl-registry-delete "HKEY_CURRENT_USER\\Software\\Qv\\Test"))"), "nil");
}

TEST_F(LispRegistry, AKeyWithSubkeysIsNotDeleted) {
  eval(R"((vl-registry-write "HKEY_CURRENT_USER\\Software\\Qv\\Test\\Child" "a" "1"))");
  EXPECT_EQ(eval(R"((vl-registry-delete "HKEY_CURRENT_USER\\Software\\Qv\\Test"))"), "nil");
  EXPECT_EQ(eval(R"((vl-registry-read "HKEY_CURRENT_USER\\Software\\Qv\\Test\\Child" "a"))"), R"("1")");
  EXPECT_EQ(eval(R"((vl-registry-delete "HKEY_CURRENT_USER"))"), "nil");
}

TEST_F(LispRegistry, Descendents) {
  eval(R"((vl-registry-write "HKEY_CURRENT_USER\\Software\\Qv\\Test\\B" "x" "1"))");
  eval(R"((vl-registry-write "HKEY_CURRENT_USER\\Software\\Qv\\Test\\A" "y" "2"))");
  eval(R"((vl-registry-write "HKEY_CURRENT_USER\\Software\\Qv\\Test" "v1" "1"))");
  eval(R"((vl-registry-write "HKEY_CURRENT_USER\\Software\\Qv\\Test" "v2" 2))");
  EXPECT_EQ(eval(R"((vl-registry-descendents "HKEY_CURRENT_USER\\Software\\Qv\\Test"))"), R"(("A" "B"))");
  EXPECT_EQ(eval(R"((vl-registry-descendents "HKEY_CURRENT_USER\\Software\\Qv\\Test" t))"), R"(("v1" "v2"))");
  EXPECT_EQ(eval(R"((vl-registry-descendents "HKEY_CURRENT_USER\\Software\\Qv\\Test\\A\\"))"), "nil");
  EXPECT_EQ(eval(R"((vl-registry-descendents "HKEY_CURRENT_USER\\Software\\Qv\\Missing"))"), "nil");
}

TEST_F(LispRegistry, ProductKey) {
  EXPECT_EQ(eval("(vlax-product-key)"), R"("Software\\Autodesk\\AutoCAD\\R17.0\\ACAD-5001:409")");
  EXPECT_EQ(eval("(vlax-product-key 1)"), "; error: too many arguments");
}

}  // namespace
