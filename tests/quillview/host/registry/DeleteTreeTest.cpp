// Deleting a key with everything below it, and the ancestors that this leaves empty.
#include <gtest/gtest.h>

#include <string>

#include "RegistryTestSupport.h"
#include "host/registry/RegKeyReadOnlyW.h"
#include "host/registry/RegKeyW.h"

namespace {

constexpr const WCHAR* kTop = u"Software\\QvTree";
constexpr const WCHAR* kLeaf = u"Software\\QvTree\\Vendor\\Product\\Applications\\Quillview";

class DeleteTreeTest : public RegistryTest {
 protected:
  void SetUp() override {
    RegistryTest::SetUp();
    PutDWord(HKEY_CURRENT_USER, kTop, u"KeepsTheTop", 1);
    PutText(HKEY_CURRENT_USER, kLeaf, u"Loader", u"quillview.arx");
    PutText(HKEY_CURRENT_USER, u"Software\\QvTree\\Vendor\\Product\\Applications\\Quillview\\Commands", u"Peek",
            u"Peek");
    PutKey(HKEY_CURRENT_USER, u"Software\\QvTree\\Vendor\\Product\\Applications\\Quillview\\Empty\\Deeper");
  }
};

TEST_F(DeleteTreeTest, DeletesTheKeyWithAllItsSubkeys) {
  RegKeyW leaf(kLeaf, HKEY_CURRENT_USER, false, KEY_ALL_ACCESS);
  EXPECT_TRUE(leaf.DeleteTree(false));
  EXPECT_FALSE(leaf.IsOpen());
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kLeaf));
  EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, u"Software\\QvTree\\Vendor\\Product\\Applications"));
}

TEST_F(DeleteTreeTest, DeletesManySiblingSubkeys) {
  for (int i = 0; i < 40; ++i) {
    std::u16string child = std::u16string(kLeaf) + u"\\Child" + std::u16string(1, static_cast<WCHAR>(u'A' + i));
    PutDWord(HKEY_CURRENT_USER, child.c_str(), u"Index", i);
  }
  EXPECT_TRUE(RegKeyW(kLeaf, HKEY_CURRENT_USER, false, KEY_ALL_ACCESS).DeleteTree(false));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kLeaf));
}

TEST_F(DeleteTreeTest, RemovesEmptyAncestorsUpToTheFirstThatIsNotEmpty) {
  EXPECT_TRUE(RegKeyW(kLeaf, HKEY_CURRENT_USER, false, KEY_ALL_ACCESS).DeleteTree(true));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, u"Software\\QvTree\\Vendor"));
  EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, kTop));
  EXPECT_EQ(ReadDWord(HKEY_CURRENT_USER, kTop, u"KeepsTheTop"), 1u);
}

TEST_F(DeleteTreeTest, AncestorWithAnotherSubkeyOrAValueStays) {
  PutKey(HKEY_CURRENT_USER, u"Software\\QvTree\\Vendor\\Product\\Applications\\OtherApp");
  PutDWord(HKEY_CURRENT_USER, u"Software\\QvTree\\Vendor", u"Installed", 1);
  EXPECT_TRUE(RegKeyW(kLeaf, HKEY_CURRENT_USER, false, KEY_ALL_ACCESS).DeleteTree(true));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kLeaf));
  EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, u"Software\\QvTree\\Vendor\\Product\\Applications\\OtherApp"));
  RegKeyW(u"Software\\QvTree\\Vendor\\Product\\Applications\\OtherApp", HKEY_CURRENT_USER, false, KEY_ALL_ACCESS)
      .DeleteTree(true);
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, u"Software\\QvTree\\Vendor\\Product"));
  EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, u"Software\\QvTree\\Vendor"));
}

TEST_F(DeleteTreeTest, KeyUnderAnOpenKeyStopsAtThatKey) {
  RegKeyW parent(u"Software\\QvTree\\Vendor\\Product", HKEY_CURRENT_USER, false, KEY_ALL_ACCESS);
  RegKeyW child(u"Applications\\Quillview", parent.Handle(), false, KEY_ALL_ACCESS);
  EXPECT_TRUE(child.DeleteTree(true));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, u"Software\\QvTree\\Vendor\\Product\\Applications"));
  EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, u"Software\\QvTree\\Vendor\\Product"));
}

TEST_F(DeleteTreeTest, RefusedWithoutWriteAccessAndLeavesEverything) {
  EXPECT_FALSE(RegKeyW(kLeaf, HKEY_CURRENT_USER, false, KEY_READ).DeleteTree(true));
  EXPECT_FALSE(RegKeyReadOnlyW(kLeaf, HKEY_CURRENT_USER, false, KEY_ALL_ACCESS).DeleteTree(true));
  EXPECT_FALSE(RegKeyW(u"Software\\QvTree\\Missing", HKEY_CURRENT_USER, false, KEY_ALL_ACCESS).DeleteTree(true));
  EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, u"Software\\QvTree\\Vendor\\Product\\Applications\\Quillview\\Commands"));
}

TEST_F(DeleteTreeTest, RefusesToDeleteThroughAKeyThatIsItsParent) {
  RegKeyW top(kTop, HKEY_CURRENT_USER, false, KEY_ALL_ACCESS);
  EXPECT_FALSE(RegKeyW(nullptr, top.Handle(), false, KEY_ALL_ACCESS).DeleteTree(true));
  EXPECT_FALSE(RegKeyW(u"", top.Handle(), false, KEY_ALL_ACCESS).DeleteTree(true));
  EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, kLeaf));
}

TEST_F(DeleteTreeTest, UnderLocalMachineOnlyAnAdministratorDeletes) {
  PutText(HKEY_LOCAL_MACHINE, kLeaf, u"Loader", u"quillview.arx");
  EXPECT_FALSE(RegKeyW(kLeaf, HKEY_LOCAL_MACHINE, false, KEY_READ).DeleteTree(true));
  EXPECT_FALSE(RegKeyW(kLeaf, HKEY_LOCAL_MACHINE, false, KEY_ALL_ACCESS).DeleteTree(true));
  EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, kLeaf));
  AsAdministrator administrator;
  EXPECT_TRUE(RegKeyW(kLeaf, HKEY_LOCAL_MACHINE, false, KEY_ALL_ACCESS).DeleteTree(true));
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, u"Software\\QvTree"));
}

}  // namespace
