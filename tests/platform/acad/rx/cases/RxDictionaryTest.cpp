#include <gtest/gtest.h>
#include <arxHeaders.h>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr Adesk::UInt32 kNoId = static_cast<Adesk::UInt32>(-1);

std::vector<std::u16string> Keys(AcRxDictionary& dictionary, AcRx::DictIterType type) {
  std::vector<std::u16string> keys;
  std::unique_ptr<AcRxDictionaryIterator> it(dictionary.newIterator(type));
  for (; !it->done(); it->next()) keys.emplace_back(it->key());
  return keys;
}

}  // namespace

TEST(AcRxDictionaryAtPut, ReturnsTheEntryItReplaces) {
  AcRxDictionary dictionary;
  AcRxDictionary a, b;
  Adesk::UInt32 id = kNoId;
  EXPECT_EQ(dictionary.atPut(u"Key", &a, id), nullptr);
  EXPECT_EQ(id, 0u);
  EXPECT_EQ(dictionary.atPut(u"Key", &b), &a);
  EXPECT_EQ(dictionary.at(u"Key"), &b);
  EXPECT_EQ(dictionary.numEntries(), 1u);
  EXPECT_EQ(dictionary.idAt(u"Key"), 0u);
  EXPECT_EQ(dictionary.atPut(nullptr, &a), nullptr);
  EXPECT_EQ(dictionary.numEntries(), 1u);
}

TEST(AcRxDictionaryAt, FindsByKeyAndByIdWithCaseSensitiveKeys) {
  AcRxDictionary dictionary;
  AcRxDictionary a, b;
  dictionary.atPut(u"Alpha", &a);
  dictionary.atPut(u"alpha", &b);
  EXPECT_EQ(dictionary.at(u"Alpha"), &a);
  EXPECT_EQ(dictionary.at(u"alpha"), &b);
  EXPECT_EQ(dictionary.at(u"ALPHA"), nullptr);
  EXPECT_EQ(dictionary.at(u""), nullptr);
  EXPECT_EQ(dictionary.at(static_cast<const ACHAR*>(nullptr)), nullptr);
  EXPECT_EQ(dictionary.at(1u), &b);
  EXPECT_EQ(dictionary.at(2u), nullptr);
  EXPECT_TRUE(dictionary.has(u"Alpha"));
  EXPECT_FALSE(dictionary.has(u"ALPHA"));
  EXPECT_TRUE(dictionary.has(0u));
  EXPECT_FALSE(dictionary.has(kNoId));
  EXPECT_EQ(std::u16string(dictionary.keyAt(1u)), u"alpha");
  EXPECT_EQ(dictionary.keyAt(5u), nullptr);
  EXPECT_TRUE(dictionary.isCaseSensitive());
  EXPECT_FALSE(dictionary.deletesObjects());
}

TEST(AcRxDictionaryRemove, HandsBackTheObjectAndKeepsOtherIds) {
  AcRxDictionary dictionary;
  AcRxDictionary a, b, c;
  dictionary.atPut(u"a", &a);
  dictionary.atPut(u"b", &b);
  EXPECT_EQ(dictionary.remove(u"a"), &a);
  EXPECT_EQ(dictionary.remove(u"a"), nullptr);
  EXPECT_EQ(dictionary.numEntries(), 1u);
  EXPECT_EQ(dictionary.idAt(u"b"), 1u);
  EXPECT_FALSE(dictionary.has(0u));
  Adesk::UInt32 id = kNoId;
  dictionary.atPut(u"c", &c, id);
  EXPECT_EQ(id, 2u);
  EXPECT_EQ(dictionary.remove(1u), &b);
  EXPECT_EQ(dictionary.remove(1u), nullptr);
  EXPECT_EQ(dictionary.at(u"c"), &c);
}

TEST(AcRxDictionaryResetKey, RenamesUnlessTheNewKeyIsTaken) {
  AcRxDictionary dictionary;
  AcRxDictionary a, b;
  dictionary.atPut(u"old", &a);
  dictionary.atPut(u"taken", &b);
  EXPECT_FALSE(dictionary.resetKey(u"old", u"taken"));
  EXPECT_FALSE(dictionary.resetKey(u"missing", u"free"));
  EXPECT_TRUE(dictionary.resetKey(u"old", u"new"));
  EXPECT_EQ(dictionary.at(u"new"), &a);
  EXPECT_FALSE(dictionary.has(u"old"));
  EXPECT_EQ(dictionary.idAt(u"new"), 0u);
  EXPECT_EQ(std::u16string(dictionary.keyAt(0u)), u"new");
}

TEST(AcRxDictionaryIterator, WalksSortedOrInIdOrder) {
  AcRxDictionary dictionary;
  AcRxDictionary a, b, c;
  dictionary.atPut(u"pear", &a);
  dictionary.atPut(u"Apple", &b);
  dictionary.atPut(u"fig", &c);
  EXPECT_EQ(Keys(dictionary, AcRx::kDictSorted), (std::vector<std::u16string>{u"Apple", u"fig", u"pear"}));
  EXPECT_EQ(Keys(dictionary, AcRx::kDictCollated), (std::vector<std::u16string>{u"pear", u"Apple", u"fig"}));
  std::unique_ptr<AcRxDictionaryIterator> it(dictionary.newIterator());
  EXPECT_EQ(it->object(), &b);
  EXPECT_EQ(it->id(), 1u);
}

TEST(AcRxDictionaryIterator, AnEmptyDictionaryIsDoneAtOnce) {
  AcRxDictionary dictionary;
  std::unique_ptr<AcRxDictionaryIterator> it(dictionary.newIterator());
  EXPECT_TRUE(it->done());
  EXPECT_FALSE(it->next());
  EXPECT_EQ(it->object(), nullptr);
  EXPECT_EQ(it->key(), nullptr);
  EXPECT_EQ(it->id(), kNoId);
}

TEST(AcRxDictionaryIterator, SkipsEntriesRemovedWhileWalking) {
  AcRxDictionary dictionary;
  AcRxDictionary a, b, c;
  dictionary.atPut(u"a", &a);
  dictionary.atPut(u"b", &b);
  dictionary.atPut(u"c", &c);
  std::vector<std::u16string> seen;
  std::unique_ptr<AcRxDictionaryIterator> it(dictionary.newIterator());
  for (; !it->done(); it->next()) {
    seen.emplace_back(it->key());
    if (seen.size() == 1) dictionary.remove(u"b");
  }
  EXPECT_EQ(seen, (std::vector<std::u16string>{u"a", u"c"}));
}
