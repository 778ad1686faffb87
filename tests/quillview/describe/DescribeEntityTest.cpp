#include "describe/DescribeEntity.h"

#include <acutads.h>
#include <dbdict.h>

#include <gtest/gtest.h>

#include <fstream>

#include "QuillviewTestSupport.h"

namespace {

std::u16string N(char16_t c, size_t count) { return std::u16string(count, c); }

// The architectural text note, as the architectural product's object enabler defines it.
class TestTextNote : public AcDbObject {
 public:
  TestTextNote(AcRxClass* cls, const std::u16string& note) : m_class(cls) {
    dxfSubclassData().addString(100, "AecDbTextNote");
    dxfSubclassData().addString(1, WideToUtf8(note));
  }
  AcRxClass* isA() const override { return m_class; }

 private:
  AcRxClass* m_class;
};

// The note class outlives the drawing that holds the notes.
struct TextNoteClass {
  ScopedHostClass noteClass{u"AecDbTextNote", u"AcDbObject"};
};

class DescribeEntityTest : protected TextNoteClass, public DrawingTest {
 protected:
  ScopeText Describe(AcDbObjectId id) {
    AcDbEntity* entity = nullptr;
    EXPECT_EQ(acdbOpenAcDbEntity(entity, id, AcDb::kForRead), Acad::eOk);
    ScopeText text;
    DescribeEntity(text, entity, -1);
    entity->close();
    return text;
  }
  // Line index of the body: 0 the type, 1 layer, linetype and colour, 2 the lineweight, then the rest.
  std::u16string Line(AcDbObjectId id, size_t index) {
    std::u16string body = Describe(id).Body;
    size_t start = 0;
    for (size_t i = 0; i < index; ++i) start = body.find(u'\n', start) + 1;
    return body.substr(start, body.find(u'\n', start) - start);
  }
  template <class Prepare>
  std::u16string HeaderOf(Prepare prepare) {
    return Line(AddLine(prepare), 1);
  }
  // The note's lines, between the lineweight line and the material line.
  std::u16string NoteOf(AcRxClass* cls, const std::u16string& note) {
    AcDbObjectId id = AddLine([&](AcDbEntity* line) {
      ASSERT_EQ(line->createExtensionDictionary(), Acad::eOk);
      AcDbDictionary* dictionary = nullptr;
      ASSERT_EQ(acdbOpenObject(dictionary, line->extensionDictionary(), AcDb::kForWrite), Acad::eOk);
      AcDbObjectId noteId;
      auto* object = new TestTextNote(cls, note);
      EXPECT_EQ(dictionary->setAt(u"AEC_TEXT_NOTE", object, noteId), Acad::eOk);
      object->close();
      dictionary->close();
    });
    std::u16string body = Describe(id).Body;
    size_t start = body.find(u'\n', body.find(u"线宽")) + 1;
    return body.substr(start, body.find(u"材质") - start);
  }
};

TEST_F(DescribeEntityTest, HeaderOfALineWithEverythingByLayer) {
  AcDbObjectId id = AddLine([](AcDbEntity*) {});
  EXPECT_EQ(Line(id, 0), u"<h4>LINE</h4>");
  EXPECT_EQ(Line(id, 1), u"图层: 0, 线型: 随层, 颜色: 随层 (白色)");
  ScopeText text = Describe(id);
  EXPECT_EQ(text.Body.back(), u'\n');
  EXPECT_EQ(text.Prefix + text.Suffix, u"");
}

TEST_F(DescribeEntityTest, NamesOfMoreThanThirtyCharactersAreShortened) {
  std::u16string thirty = u"ABCDEFGHIJKLMNO" + N('x', 10) + u"VWXYZ";
  std::u16string thirtyOne = u"ABCDEFGHIJKLMNO" + N('x', 11) + u"VWXYZ";
  AddLayer(thirty.c_str(), 1);
  AddLayer(thirtyOne.c_str(), 1);
  AddLinetype(thirty.c_str());
  AddLinetype(thirtyOne.c_str());
  EXPECT_EQ(HeaderOf([&](AcDbEntity* line) {
              line->setLayer(thirty.c_str());
              line->setLinetype(thirty.c_str());
            }),
            u"图层: " + thirty + u", 线型: " + thirty + u", 颜色: 随层 (红色)");
  EXPECT_EQ(HeaderOf([&](AcDbEntity* line) {
              line->setLayer(thirtyOne.c_str());
              line->setLinetype(thirtyOne.c_str());
            }),
            u"图层: ABCDEFGHIJKLMNO...VWXYZ, 线型: ABCDEFGHIJKLMNO...VWXYZ, 颜色: 随层 (红色)");
}

TEST_F(DescribeEntityTest, LinetypeNamesOfTheHostAreReplacedWithoutRegardToCase) {
  AcDbLinetypeTableRecord* continuous = nullptr;
  ASSERT_EQ(acdbOpenObject(continuous, db.continuousLinetype(), AcDb::kForWrite), Acad::eOk);
  ASSERT_EQ(continuous->setName(u"CONTINUOUS"), Acad::eOk);
  continuous->close();
  EXPECT_EQ(HeaderOf([&](AcDbEntity* line) { line->setLinetype(db.continuousLinetype()); }),
            u"图层: 0, 线型: 连续, 颜色: 随层 (白色)");
  EXPECT_EQ(HeaderOf([](AcDbEntity* line) { line->setLinetype(u"ByBlock"); }), u"图层: 0, 线型: 随块, 颜色: 随层 (白色)");
}

TEST_F(DescribeEntityTest, Colours) {
  AddLayer(u"Grey", 8);
  AcDbObjectId gone = AddLayer(u"Gone", 1);
  AcCmColor trueColor;
  trueColor.setRGB(12, 34, 56);
  AcCmColor copy(trueColor);
  std::u16string displayName = copy.colorNameForDisplay();
  EXPECT_EQ(HeaderOf([](AcDbEntity* line) { line->setLayer(u"Grey"); }), u"图层: Grey, 线型: 随层, 颜色: 随层 (8)");
  EXPECT_EQ(HeaderOf([](AcDbEntity* line) { line->setColorIndex(0); }), u"图层: 0, 线型: 随层, 颜色: 随块");
  EXPECT_EQ(HeaderOf([](AcDbEntity* line) { line->setColorIndex(7); }), u"图层: 0, 线型: 随层, 颜色: 白色");
  EXPECT_EQ(HeaderOf([](AcDbEntity* line) { line->setColorIndex(8); }), u"图层: 0, 线型: 随层, 颜色: 8");
  EXPECT_EQ(HeaderOf([&](AcDbEntity* line) { line->setColor(trueColor); }), u"图层: 0, 线型: 随层, 颜色: " + displayName);
  // A layer record that cannot be opened leaves "by layer" alone.
  AcDbObjectId onGone = AddLine([](AcDbEntity* line) { line->setLayer(u"Gone"); });
  AcDbLayerTableRecord* layer = nullptr;
  ASSERT_EQ(acdbOpenObject(layer, gone, AcDb::kForWrite), Acad::eOk);
  ASSERT_EQ(layer->erase(), Acad::eOk);
  layer->close();
  std::u16string header = Line(onGone, 1);
  EXPECT_EQ(header.substr(header.rfind(u", ")), u", 颜色: 随层");
}

TEST_F(DescribeEntityTest, LineWeightsAndPlotStyleShareALine) {
  auto weightLine = [&](AcDb::LineWeight weight) {
    return Line(AddLine([&](AcDbEntity* line) { line->setLineWeight(weight); }), 2);
  };
  EXPECT_EQ(weightLine(AcDb::kLnWt000), u"线宽: 0.00mm,  打印样式: ByColor");
  EXPECT_EQ(weightLine(AcDb::kLnWt211), u"线宽: 2.11mm,  打印样式: ByColor");
  EXPECT_EQ(weightLine(AcDb::kLnWtByLayer), u"线宽: 随层,  打印样式: ByColor");
  EXPECT_EQ(weightLine(AcDb::kLnWtByBlock), u"线宽: 随块,  打印样式: ByColor");
  EXPECT_EQ(weightLine(AcDb::kLnWtByLwDefault), u"线宽: 默认,  打印样式: ByColor");
}

TEST_F(DescribeEntityTest, EmptyPlotStyleNameWritesNeitherSeparatorNorItem) {
  // A drawing of named plot styles, where an entity may name a style that has no name.
  std::string path = ::testing::TempDir() + "/quillview_named_plot_styles.dxf";
  std::ofstream(path) << "  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\nAC1018\n  9\n$PSTYLEMODE\n 70\n0\n"
                         "  0\nENDSEC\n  0\nEOF\n";
  ASSERT_EQ(db.dxfIn(Utf8ToWide(path).c_str()), Acad::eOk);
  AcDbObjectId byLayer = AddLine([](AcDbEntity*) {});
  AcDbObjectId unnamed = AddLine([&](AcDbEntity* line) {
    ASSERT_EQ(line->setPlotStyleName(AcDb::kPlotStyleNameById, db.layerZero()), Acad::eOk);
  });
  EXPECT_EQ(Line(byLayer, 2), u"线宽: 随层,  打印样式: ByLayer");
  EXPECT_EQ(Line(unnamed, 2), u"线宽: 随层");
}

TEST_F(DescribeEntityTest, MaterialLineIsAlwaysThereWithTheShadowWords) {
  auto materialLine = [&](bool casts, bool receives) {
    return Line(AddLine([&](AcDbEntity* line) {
                  line->setCastShadows(casts);
                  line->setReceiveShadows(receives);
                }),
                3);
  };
  EXPECT_EQ(materialLine(true, true), u"材质: ByLayer, 造型/接收 渐变");
  EXPECT_EQ(materialLine(true, false), u"材质: ByLayer, 造型 渐变");
  EXPECT_EQ(materialLine(false, true), u"材质: ByLayer, 接收 渐变");
  EXPECT_EQ(materialLine(false, false), u"材质: ByLayer");
}

TEST_F(DescribeEntityTest, TextNoteShowsAtMostSixLinesEndingWithTheMark) {
  EXPECT_EQ(NoteOf(noteClass.get(), u"one\ntwo\nthree\nfour\nfive\nsix\nseven\neight"),
            u"注释: one\ntwo\nthree\nfour\nfive\nsix...\n");
  EXPECT_EQ(NoteOf(noteClass.get(), u"one\ntwo\nthree\nfour\nfive\nsix"), u"注释: one\ntwo\nthree\nfour\nfive\nsix...\n");
  EXPECT_EQ(NoteOf(noteClass.get(), u"1\n2\n3\n4\n5\nsix...\nseven"), u"注释: 1\n2\n3\n4\n5\nsix...\n");
  EXPECT_EQ(NoteOf(noteClass.get(), u"one\ntwo"), u"注释: one\ntwo\n");
}

TEST_F(DescribeEntityTest, TextNoteSkipsBlankLinesAndEndsLinesAtTabs) {
  EXPECT_EQ(NoteOf(noteClass.get(), u"  first\r\n\r\n   \n\tsecond\tthird \n"), u"注释: first\nsecond\nthird \n");
  EXPECT_EQ(NoteOf(noteClass.get(), u" \r\n\t "), u"");
}

TEST_F(DescribeEntityTest, TextNoteMustBeOfTheNoteClassOrDerivedFromIt) {
  ScopedHostClass derived(u"QvTestDerivedNote", u"AecDbTextNote");
  ScopedHostClass other(u"QvTestNotANote", u"AcDbObject");
  EXPECT_EQ(NoteOf(derived.get(), u"x"), u"注释: x\n");
  EXPECT_EQ(NoteOf(other.get(), u"x"), u"");
}

TEST_F(DescribeEntityTest, HyperlinkGoesToTheSuffixWhenTheSecondElementIsAString) {
  auto suffix = [&](resbuf* data) { return Describe(LineWithExtendedData(data)).Suffix; };
  EXPECT_EQ(suffix(acutBuildList(1001, u"PE_URL", 1000, u"https://example.com/a<b>&c", 1002, u"{", 1002, u"}", 0)),
            u"附加超级链接: https://example.com/a<b>&c");
  EXPECT_EQ(suffix(acutBuildList(1001, u"PE_URL", 1070, 5, 1000, u"https://x", 0)), u"");
  EXPECT_EQ(suffix(acutBuildList(1001, u"PE_URL", 1000, u"", 0)), u"");
}

}  // namespace
