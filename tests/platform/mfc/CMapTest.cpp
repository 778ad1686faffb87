// CMap and HashKey as MFC documents them, for the key and value types modules use.
#include <afxtempl.h>

#include <gtest/gtest.h>

namespace {

using WindowMap = CMap<HWND, HWND&, int*, int* const&>;

HWND Window(uintptr_t n) { return reinterpret_cast<HWND>(n * 16); }

TEST(CMapLookup, AnEmptyMapFindsNothingAndLeavesTheValue) {
  WindowMap map;
  int original = 0;
  int* value = &original;
  HWND key = Window(1);
  EXPECT_FALSE(map.Lookup(key, value));
  EXPECT_EQ(value, &original);
}

TEST(CMapLookup, FindsTheValueSetForTheKey) {
  WindowMap map;
  int a = 0, b = 0;
  HWND first = Window(1), second = Window(2);
  map.SetAt(first, &a);
  map.SetAt(second, &b);
  int* value = nullptr;
  EXPECT_TRUE(map.Lookup(first, value));
  EXPECT_EQ(value, &a);
  EXPECT_TRUE(map.Lookup(second, value));
  EXPECT_EQ(value, &b);
}

TEST(CMapLookup, KeysInTheSameBucketStayApart) {
  WindowMap map;
  int a = 0, b = 0;
  HWND first = Window(1), sameBucket = Window(1 + map.GetHashTableSize());
  map.SetAt(first, &a);
  map.SetAt(sameBucket, &b);
  int* value = nullptr;
  EXPECT_TRUE(map.Lookup(first, value));
  EXPECT_EQ(value, &a);
  EXPECT_TRUE(map.Lookup(sameBucket, value));
  EXPECT_EQ(value, &b);
}

TEST(CMapSetAt, ReplacesTheValueOfAKeyAlreadyThere) {
  WindowMap map;
  int a = 0, b = 0;
  HWND key = Window(3);
  map.SetAt(key, &a);
  map.SetAt(key, &b);
  int* value = nullptr;
  EXPECT_EQ(map.GetCount(), 1);
  EXPECT_TRUE(map.Lookup(key, value));
  EXPECT_EQ(value, &b);
}

TEST(CMapSubscript, EntersADefaultValueForAMissingKey) {
  CMap<int, int, int, int> map;
  EXPECT_EQ(map[7], 0);
  EXPECT_EQ(map.GetCount(), 1);
  map[7] = 5;
  int value = 0;
  EXPECT_TRUE(map.Lookup(7, value));
  EXPECT_EQ(value, 5);
}

TEST(CMapRemoveKey, RemovesOnlyThatKey) {
  WindowMap map;
  int a = 0, b = 0;
  HWND first = Window(1), second = Window(1 + map.GetHashTableSize());
  map.SetAt(first, &a);
  map.SetAt(second, &b);
  EXPECT_TRUE(map.RemoveKey(second));
  int* value = nullptr;
  EXPECT_FALSE(map.Lookup(second, value));
  EXPECT_TRUE(map.Lookup(first, value));
  EXPECT_EQ(map.GetCount(), 1);
}

TEST(CMapRemoveKey, IsFalseForAKeyNotThere) {
  WindowMap map;
  HWND key = Window(4);
  EXPECT_FALSE(map.RemoveKey(key));
  int a = 0;
  map.SetAt(key, &a);
  HWND other = Window(5);
  EXPECT_FALSE(map.RemoveKey(other));
  EXPECT_EQ(map.GetCount(), 1);
}

TEST(CMapCount, CountsEntriesAndTellsEmptiness) {
  CMap<int, int, int, int> map;
  EXPECT_TRUE(map.IsEmpty());
  EXPECT_EQ(map.GetCount(), 0);
  map.SetAt(1, 10);
  map.SetAt(2, 20);
  EXPECT_FALSE(map.IsEmpty());
  EXPECT_EQ(map.GetCount(), 2);
}

TEST(CMapRemoveAll, EmptiesTheMapWhichCanBeFilledAgain) {
  CMap<int, int, int, int> map;
  map.SetAt(1, 10);
  map.SetAt(2, 20);
  map.RemoveAll();
  int value = 0;
  EXPECT_TRUE(map.IsEmpty());
  EXPECT_FALSE(map.Lookup(1, value));
  map.SetAt(1, 11);
  EXPECT_TRUE(map.Lookup(1, value));
  EXPECT_EQ(value, 11);
}

TEST(HashKey, IsTheKeyShiftedRightByFour) {
  EXPECT_EQ(HashKey<int>(0x120), 0x12u);
  EXPECT_EQ(HashKey<HWND>(reinterpret_cast<HWND>(0x1230)), 0x123u);
}

}  // namespace
