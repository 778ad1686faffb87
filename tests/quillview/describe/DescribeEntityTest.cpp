#include "describe/DescribeEntity.h"

#include <acutads.h>
#include <dbdict.h>

#include <gtest/gtest.h>

#include <fstream>
#include <utility>
#include <vector>

#include "QuillviewTestSupport.h"

namespace {

using Groups = std::vector<std::pair<int, std::u16string>>;

// The architectural text note as the product's object enabler keeps it: groups after a subclass marker.
class TestTextNote : public AcDbObject {
 public:
  TestTextNote(AcRxClass* cls, const Groups& groups) : m_class(cls) {
    for (const auto& [code, value] : groups) dxfSubclassData().addString(code, WideToUtf8(value));
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
  // Line of the body: 0 the type, 1 layer, linetype and colour, 2 the lineweight, then the rest.
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
  AcDbObjectId LineWithNote(AcRxClass* cls, const Groups& groups) {
    return AddLine([&](AcDbEntity* line) {
      ASSERT_EQ(line->createExtensionDictionary(), Acad::eOk);
      AcDbDictionary* dictionary = nullptr;
      ASSERT_EQ(acdbOpenObject(dictionary, line->extensionDictionary(), AcDb::kForWrite), Acad::eOk);
      AcDbObjectId noteId;
      auto* object = new TestTextNote(cls, groups);
      EXPECT_EQ(dictionary->setAt(u"AEC_TEXT_NOTE", object, noteId), Acad::eOk);
      object->close();
      dictionary->close();
    });
  }
  // The note's lines, between the lineweight line and the material line.
  std::u16string NoteOf(const Groups& groups, AcRxClass* cls = nullptr) {
    std::u16string body = Describe(LineWithNote(cls != nullptr ? cls : noteClass.get(), groups)).Body;
    size_t start = body.find(u'\n', body.find(u"线宽")) + 1;
    return body.substr(start, body.find(u"材质") - start);
  }
};

TEST_F(DescribeEntityTest, EveryStepInOrderWithTheHyperlinkInTheSuffix) {
  AcDbObjectId id = LineWithNote(noteClass.get(), {{100, u"AecDbTextNote"}, {1, u"note"}});
  AcDbEntity* line = nullptr;
  ASSERT_EQ(acdbOpenAcDbEntity(line, id, AcDb::kForWrite), Acad::eOk);
  line->setCastShadows(true);
  line->setReceiveShadows(true);
  line->close();
  ScopeText text = Describe(id);
  EXPECT_EQ(text.Body,
            u"<h4>LINE</h4>\n图层: 0, 线型: 随层, 颜色: 随层 (白色)\n线宽: 随层,  打印样式: ByColor\n注释: note\n"
            u"材质: ByLayer, 造型/接收 渐变\n");
  EXPECT_EQ(text.Prefix + text.Suffix, u"");
}

TEST_F(DescribeEntityTest, NamesOfMoreThanThirtyCharactersAreShortenedAfterTheLinetypeReplacement) {
  std::u16string thirtyOne = u"ABCDEFGHIJKLMNO" + std::u16string(11, u'x') + u"VWXYZ";
  AddLayer(thirtyOne.c_str(), 1);
  AddLinetype(thirtyOne.c_str());
  EXPECT_EQ(HeaderOf([&](AcDbEntity* line) {
              line->setLayer(thirtyOne.c_str());
              line->setLinetype(thirtyOne.c_str());
            }),
            u"图层: ABCDEFGHIJKLMNO...VWXYZ, 线型: ABCDEFGHIJKLMNO...VWXYZ, 颜色: 随层 (红色)");
  AcDbLinetypeTableRecord* continuous = nullptr;
  ASSERT_EQ(acdbOpenObject(continuous, db.continuousLinetype(), AcDb::kForWrite), Acad::eOk);
  ASSERT_EQ(continuous->setName(u"CONTINUOUS"), Acad::eOk);
  continuous->close();
  EXPECT_EQ(HeaderOf([&](AcDbEntity* line) { line->setLinetype(db.continuousLinetype()); }),
            u"图层: 0, 线型: 连续, 颜色: 随层 (白色)");
  EXPECT_EQ(HeaderOf([](AcDbEntity* line) { line->setLinetype(u"ByBlock"); }),
            u"图层: 0, 线型: 随块, 颜色: 随层 (白色)");
}

TEST_F(DescribeEntityTest, ColourByLayerShowsTheLayersColourWhenItsRecordOpens) {
  AddLayer(u"Grey", 8);
  AcDbObjectId gone = AddLayer(u"Gone", 1);
  EXPECT_EQ(HeaderOf([](AcDbEntity* line) { line->setLayer(u"Grey"); }), u"图层: Grey, 线型: 随层, 颜色: 随层 (8)");
  EXPECT_EQ(HeaderOf([](AcDbEntity* line) { line->setColorIndex(0); }), u"图层: 0, 线型: 随层, 颜色: 随块");
  // A layer record that cannot be opened leaves "by layer" alone.
  AcDbObjectId onGone = AddLine([](AcDbEntity* line) { line->setLayer(u"Gone"); });
  AcDbLayerTableRecord* layer = nullptr;
  ASSERT_EQ(acdbOpenObject(layer, gone, AcDb::kForWrite), Acad::eOk);
  ASSERT_EQ(layer->erase(), Acad::eOk);
  layer->close();
  EXPECT_TRUE(Line(onGone, 1).ends_with(u", 颜色: 随层"));
}

TEST_F(DescribeEntityTest, LineWeightsAndAPlotStyleOnlyWhenItHasAName) {
  auto weightLine = [&](AcDb::LineWeight weight) {
    return Line(AddLine([&](AcDbEntity* line) { line->setLineWeight(weight); }), 2);
  };
  EXPECT_EQ(weightLine(AcDb::kLnWt000), u"线宽: 0.00mm,  打印样式: ByColor");
  EXPECT_EQ(weightLine(AcDb::kLnWt211), u"线宽: 2.11mm,  打印样式: ByColor");
  EXPECT_EQ(weightLine(AcDb::kLnWtByLayer), u"线宽: 随层,  打印样式: ByColor");
  EXPECT_EQ(weightLine(AcDb::kLnWtByBlock), u"线宽: 随块,  打印样式: ByColor");
  EXPECT_EQ(weightLine(AcDb::kLnWtByLwDefault), u"线宽: 默认,  打印样式: ByColor");
  // A drawing of named plot styles, where an entity may name a style that has no name.
  std::string path = ::testing::TempDir() + "/quillview_named_plot_styles.dxf";
  std::ofstream(path) << "  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\nAC1018\n  9\n$PSTYLEMODE\n 70\n0\n"
                         "  0\nENDSEC\n  0\nEOF\n";
  ASSERT_EQ(db.dxfIn(Utf8ToWide(path).c_str()), Acad::eOk);
  AcDbObjectId unnamed = AddLine([&](AcDbEntity* line) {
    ASSERT_EQ(line->setPlotStyleName(AcDb::kPlotStyleNameById, db.layerZero()), Acad::eOk);
  });
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
  EXPECT_EQ(materialLine(true, false), u"材质: ByLayer, 造型 渐变");
  EXPECT_EQ(materialLine(false, true), u"材质: ByLayer, 接收 渐变");
  EXPECT_EQ(materialLine(false, false), u"材质: ByLayer");
}

TEST_F(DescribeEntityTest, TextNoteShowsAtMostSixLinesSkippingBlankOnesAndEndingLinesAtTabs) {
  auto note = [&](const std::u16string& text) { return NoteOf({{100, u"AecDbTextNote"}, {1, text}}); };
  EXPECT_EQ(note(u"one\ntwo\nthree\nfour\nfive\nsix\nseven\neight"), u"注释: one\ntwo\nthree\nfour\nfive\nsix...\n");
  EXPECT_EQ(note(u"one\ntwo\nthree\nfour\nfive\nsix"), u"注释: one\ntwo\nthree\nfour\nfive\nsix...\n");
  EXPECT_EQ(note(u"1\n2\n3\n4\n5\nsix...\nseven"), u"注释: 1\n2\n3\n4\n5\nsix...\n");
  EXPECT_EQ(note(u"  first\r\n\r\n   \n\tsecond\tthird \n"), u"注释: first\nsecond\nthird \n");
  EXPECT_EQ(note(u" \r\n\t "), u"");
}

TEST_F(DescribeEntityTest, TextNoteIsTheFirstTextGroupAfterTheMarkerOfAnObjectOfTheNoteClass) {
  ScopedHostClass derived(u"QvTestDerivedNote", u"AecDbTextNote");
  ScopedHostClass other(u"QvTestNotANote", u"AcDbObject");
  EXPECT_EQ(NoteOf({{1, u"before"}, {100, u"AecDbTextNote"}, {7, u"Standard"}, {3, u"after"}, {1, u"x"}}),
            u"注释: after\n");
  EXPECT_EQ(NoteOf({{100, u"AecDbTextNotes"}, {1, u"x"}}), u"");
  EXPECT_EQ(NoteOf({{100, u"AecDbTextNote"}, {1, u"x"}}, derived.get()), u"注释: x\n");
  EXPECT_EQ(NoteOf({{100, u"AecDbTextNote"}, {1, u"x"}}, other.get()), u"");
}

TEST_F(DescribeEntityTest, HyperlinkGoesToTheSuffixWhenTheSecondElementIsAString) {
  auto suffix = [&](resbuf* data) { return Describe(LineWithExtendedData(data)).Suffix; };
  EXPECT_EQ(suffix(acutBuildList(1001, u"PE_URL", 1000, u"https://example.com/a<b>&c", 1002, u"{", 1002, u"}", 0)),
            u"附加超级链接: https://example.com/a<b>&c");
  EXPECT_EQ(suffix(acutBuildList(1001, u"PE_URL", 1070, 5, 1000, u"https://x", 0)), u"");
  EXPECT_EQ(suffix(acutBuildList(1001, u"PE_URL", 1000, u"", 0)), u"");
}

}  // namespace
