// AcDbTable read from ACAD_TABLE, and the AcDbTableStyle it names.
#include <acutmem.h>
#include <dbdict.h>
#include <dbtable.h>
#include <dbtablestyle.h>
#include <gtest/gtest.h>

#include "BlocksTestDrawing.h"

namespace {

using blockstest::OpenFor;
using dbtest::dxfText;

// The header of a table and the start of its cells, which reuse 91 and 92 for other things.
std::string table(std::initializer_list<dbtest::Group> header) {
  return dxfText({{0, "ACAD_TABLE"}, {5, "9C"}, {8, "0"}, {100, "AcDbBlockReference"}, {2, "*T1"}, {10, "105"},
                  {20, "145"}, {30, "0"}, {100, "AcDbTable"}}) +
         dxfText(header) +
         dxfText({{141, "11"}, {142, "152"}, {171, "1"}, {172, "0"}, {91, "7"}, {92, "8"}, {342, "77"}, {1, "Title"}});
}

// The named-objects dictionary with ACAD_TABLESTYLE (6A) holding the style 6B as "Fancy".
std::string objects(const std::string& styleOwner = "6A") {
  return dxfText({{0, "DICTIONARY"}, {5, "C"}, {330, "0"}, {100, "AcDbDictionary"}, {3, "ACAD_TABLESTYLE"},
                  {350, "6A"}, {0, "DICTIONARY"}, {5, "6A"}, {330, "C"}, {100, "AcDbDictionary"}, {3, "Fancy"},
                  {350, "6B"}, {0, "TABLESTYLE"}, {5, "6B"}, {330, styleOwner}, {100, "AcDbTableStyle"},
                  {280, "0"}, {3, "Tables for the site plan"}, {70, "0"}, {40, "1.5"}, {7, "Standard"},
                  {3, "not the description"}, {0, "TABLESTYLE"}, {5, "6C"}, {330, "0"}, {100, "AcDbTableStyle"},
                  {3, "listed nowhere"}});
}

std::unique_ptr<AcDbDatabase> readTable(const std::string& entity, const std::string& objectsText = objects()) {
  return dbtest::readDrawing(blockstest::drawing("", blockstest::block("*T1", 1), entity, objectsText));
}

TEST(AcDbTable, ReadsItsHeader) {
  auto db = readTable(table({{342, "6B"}, {343, "9D"}, {11, "1"}, {21, "0"}, {31, "0"}, {90, "22"}, {91, "3"},
                             {92, "4"}, {93, "0"}, {94, "0"}, {95, "0"}, {96, "0"}}));
  OpenFor<AcDbTable> t(dbtest::firstModelSpaceEntity(*db));
  ASSERT_NE(t.get(), nullptr);
  EXPECT_EQ(t->numRows(), 3u);
  EXPECT_EQ(t->numColumns(), 4u);
  EXPECT_EQ(t->tableStyle(), blockstest::byHandle(*db, 0x6B));
}

TEST(AcDbTable, IsABlockReferenceToItsAnonymousBlock) {
  auto db = readTable(table({{342, "6B"}, {91, "3"}, {92, "4"}}));
  OpenFor<AcDbBlockReference> ref(dbtest::firstModelSpaceEntity(*db));
  ASSERT_NE(ref.get(), nullptr);
  EXPECT_NE(AcDbTable::cast(ref.get()), nullptr);
  EXPECT_EQ(ref->blockTableRecord(), blockstest::blockNamed(*db, u"*T1"));
  EXPECT_TRUE(ref->position().isEqualTo(AcGePoint3d(105, 145, 0)));
  EXPECT_TRUE(ref->scaleFactors().isEqualTo(AcGeScale3d(1.0)));
}

TEST(AcDbTable, MissingOrNegativeHeaderGroupsGiveZero) {
  auto db = readTable(table({}));  // a header without 342, 91 and 92: the cells' groups must not stand in
  OpenFor<AcDbTable> t(dbtest::firstModelSpaceEntity(*db));
  ASSERT_NE(t.get(), nullptr);
  EXPECT_EQ(t->numRows(), 0u);
  EXPECT_EQ(t->numColumns(), 0u);
  EXPECT_TRUE(t->tableStyle().isNull());
  auto negative = readTable(table({{91, "-3"}, {92, "-1"}}));
  OpenFor<AcDbTable> n(dbtest::firstModelSpaceEntity(*negative));
  EXPECT_EQ(n->numRows(), 0u);
  EXPECT_EQ(n->numColumns(), 0u);
}


TEST(AcDbTableStyle, NameComesFromItsDictionary) {
  auto db = readTable(table({{342, "6B"}}));
  OpenFor<AcDbTableStyle> style(blockstest::byHandle(*db, 0x6B));
  ASSERT_NE(style.get(), nullptr);
  ACHAR* name = nullptr;
  EXPECT_EQ(style->getName(name), Acad::eOk);
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(std::u16string(name), u"Fancy");
  acutDelBuffer(name);
  EXPECT_EQ(std::u16string(style->description()), u"Tables for the site plan");
}

TEST(AcDbTableStyle, OwnerThatIsNoDictionaryFallsBackToAcadTableStyle) {
  auto db = readTable(table({{342, "6B"}}), objects("9C"));
  OpenFor<AcDbTableStyle> style(blockstest::byHandle(*db, 0x6B));
  ACHAR* name = nullptr;
  EXPECT_EQ(style->getName(name), Acad::eOk);
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(std::u16string(name), u"Fancy");
  acutDelBuffer(name);
}

TEST(AcDbTableStyle, UnlistedStyleHasNoName) {
  auto db = readTable(table({{342, "6C"}}));
  OpenFor<AcDbTableStyle> style(blockstest::byHandle(*db, 0x6C));
  ACHAR* name = reinterpret_cast<ACHAR*>(1);
  EXPECT_EQ(style->getName(name), Acad::eKeyNotFound);
  EXPECT_EQ(name, nullptr);
  EXPECT_EQ(std::u16string(style->description()), u"listed nowhere");
}

TEST(AcDbTableStyle, StyleOutsideADatabaseHasNoName) {
  AcDbTableStyle style;
  ACHAR* name = reinterpret_cast<ACHAR*>(1);
  EXPECT_EQ(style.getName(name), Acad::eNoDatabase);
  EXPECT_EQ(name, nullptr);
  EXPECT_EQ(std::u16string(style.description()), u"");
}

}  // namespace
