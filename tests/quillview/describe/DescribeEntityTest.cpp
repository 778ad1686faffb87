#include "describe/DescribeEntity.h"

#include <acutads.h>
#include <dbdict.h>
#include <qvwide.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "QuillviewTestSupport.h"

namespace {

std::u16string Repeat(char16_t c, size_t count) { return std::u16string(count, c); }

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

// The note class outlives the drawing that holds notes.
struct TextNoteClass {
  ScopedHostClass noteClass{u"AecDbTextNote", u"AcDbObject"};
};

class DescribeEntityTest : protected TextNoteClass, public DrawingTest {
 protected:
  ScopeText Describe(AcDbObjectId id) {
    AcDbEntity* entity = nullptr;
    EXPECT_EQ(acdbOpenAcDbEntity(entity, id, AcDb::kForRead), Acad::eOk);
    ScopeText text;
    if (entity != nullptr) {
      DescribeEntity(text, entity, -1);
      entity->close();
    }
    return text;
  }
  std::u16string Body(AcDbObjectId id) { return Describe(id).Body; }
  // The header's second line: layer, linetype and colour.
  std::u16string HeaderLine(AcDbObjectId id) {
    std::u16string body = Body(id);
    size_t first = body.find(u'\n');
    return body.substr(first + 1, body.find(u'\n', first + 1) - first - 1);
  }
  std::u16string Line(AcDbObjectId id, size_t index) {
    std::u16string body = Body(id);
    size_t start = 0;
    for (size_t i = 0; i < index; ++i) start = body.find(u'\n', start) + 1;
    return body.substr(start, body.find(u'\n', start) - start);
  }

  void AttachNote(AcDbEntity* entity, AcDbObject* note) {
    ASSERT_EQ(entity->createExtensionDictionary(), Acad::eOk);
    AcDbDictionary* dictionary = nullptr;
    ASSERT_EQ(acdbOpenObject(dictionary, entity->extensionDictionary(), AcDb::kForWrite), Acad::eOk);
    AcDbObjectId noteId;
    ASSERT_EQ(dictionary->setAt(u"AEC_TEXT_NOTE", note, noteId), Acad::eOk);
    note->close();
    dictionary->close();
  }
  AcDbObjectId LineWithNote(const std::u16string& note) {
    return AddLine([&](AcDbEntity* line) { AttachNote(line, new TestTextNote(noteClass.get(), note)); });
  }
  // The note's lines as the body shows them, between the header's lineweight line and the material line.
  std::u16string NoteLines(AcDbObjectId id) {
    std::u16string body = Body(id);
    size_t start = body.find(u'\n', body.find(u"线宽")) + 1;
    size_t end = body.find(u"材质");
    return body.substr(start, end - start);
  }

  // Makes the drawing one of named plot styles, where an entity may name a style that has no name.
  void UseNamedPlotStyles() {
    std::string path = ::testing::TempDir() + "/quillview_named_plot_styles.dxf";
    std::ofstream(path) << "  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\nAC1018\n  9\n$PSTYLEMODE\n 70\n0\n"
                           "  0\nENDSEC\n  0\nEOF\n";
    ASSERT_EQ(db.dxfIn(Utf8ToWide(path).c_str()), Acad::eOk);
    ASSERT_FALSE(db.plotStyleMode());
  }

};

TEST_F(DescribeEntityTest, HeaderOfALineWithEverythingByLayer) {
  AcDbObjectId id = AddLine([](AcDbEntity*) {});
  EXPECT_EQ(Line(id, 0), u"<h4>LINE</h4>");
  EXPECT_EQ(HeaderLine(id), u"图层: 0, 线型: 随层, 颜色: 随层 (白色)");
}

TEST_F(DescribeEntityTest, LayerNamesOfMoreThanThirtyCharactersAreShortened) {
  std::u16string thirty = u"ABCDEFGHIJKLMNO" + Repeat(u'x', 10) + u"VWXYZ";
  std::u16string thirtyOne = u"ABCDEFGHIJKLMNO" + Repeat(u'x', 11) + u"VWXYZ";
  AddLayer(thirty.c_str(), IndexColor(1));
  AddLayer(thirtyOne.c_str(), IndexColor(1));
  AcDbObjectId whole = AddLine([&](AcDbEntity* line) { line->setLayer(thirty.c_str()); });
  AcDbObjectId shortened = AddLine([&](AcDbEntity* line) { line->setLayer(thirtyOne.c_str()); });
  EXPECT_EQ(HeaderLine(whole), u"图层: " + thirty + u", 线型: 随层, 颜色: 随层 (红色)");
  EXPECT_EQ(HeaderLine(shortened), u"图层: ABCDEFGHIJKLMNO...VWXYZ, 线型: 随层, 颜色: 随层 (红色)");
}

TEST_F(DescribeEntityTest, LinetypeNamesAreReplacedThenShortened) {
  std::u16string thirty = u"DASHEDDASHEDDAS" + Repeat(u'-', 10) + u"TWICE";
  std::u16string thirtyOne = u"DASHEDDASHEDDAS" + Repeat(u'-', 11) + u"TWICE";
  AddLinetype(thirty.c_str());
  AddLinetype(thirtyOne.c_str());
  AcDbObjectId byBlock = AddLine([](AcDbEntity* line) { line->setLinetype(u"ByBlock"); });
  AcDbObjectId whole = AddLine([&](AcDbEntity* line) { line->setLinetype(thirty.c_str()); });
  AcDbObjectId shortened = AddLine([&](AcDbEntity* line) { line->setLinetype(thirtyOne.c_str()); });
  EXPECT_EQ(HeaderLine(byBlock), u"图层: 0, 线型: 随块, 颜色: 随层 (白色)");
  EXPECT_EQ(HeaderLine(whole), u"图层: 0, 线型: " + thirty + u", 颜色: 随层 (白色)");
  EXPECT_EQ(HeaderLine(shortened), u"图层: 0, 线型: DASHEDDASHEDDAS...TWICE, 颜色: 随层 (白色)");
}

TEST_F(DescribeEntityTest, ContinuousIsRecognisedWithoutRegardToCase) {
  AcDbLinetypeTableRecord* continuous = nullptr;
  ASSERT_EQ(acdbOpenObject(continuous, db.continuousLinetype(), AcDb::kForWrite), Acad::eOk);
  ASSERT_EQ(continuous->setName(u"CONTINUOUS"), Acad::eOk);
  continuous->close();
  AcDbObjectId id = AddLine([&](AcDbEntity* line) { line->setLinetype(db.continuousLinetype()); });
  EXPECT_EQ(HeaderLine(id), u"图层: 0, 线型: 连续, 颜色: 随层 (白色)");
}

TEST_F(DescribeEntityTest, ColourByLayerNamesTheLayersColour) {
  AddLayer(u"Red", IndexColor(1));
  AddLayer(u"Grey", IndexColor(8));
  AcDbObjectId red = AddLine([](AcDbEntity* line) { line->setLayer(u"Red"); });
  AcDbObjectId grey = AddLine([](AcDbEntity* line) { line->setLayer(u"Grey"); });
  EXPECT_EQ(HeaderLine(red), u"图层: Red, 线型: 随层, 颜色: 随层 (红色)");
  EXPECT_EQ(HeaderLine(grey), u"图层: Grey, 线型: 随层, 颜色: 随层 (8)");
}

TEST_F(DescribeEntityTest, ColourByIndex) {
  AcDbObjectId byBlock = AddLine([](AcDbEntity* line) { line->setColorIndex(0); });
  AcDbObjectId white = AddLine([](AcDbEntity* line) { line->setColorIndex(7); });
  AcDbObjectId eight = AddLine([](AcDbEntity* line) { line->setColorIndex(8); });
  EXPECT_EQ(HeaderLine(byBlock), u"图层: 0, 线型: 随层, 颜色: 随块");
  EXPECT_EQ(HeaderLine(white), u"图层: 0, 线型: 随层, 颜色: 白色");
  EXPECT_EQ(HeaderLine(eight), u"图层: 0, 线型: 随层, 颜色: 8");
}

TEST_F(DescribeEntityTest, TrueColourShowsTheHostsDisplayName) {
  AcCmColor trueColor;
  trueColor.setRGB(12, 34, 56);
  AcCmColor copy(trueColor);
  std::u16string displayName = copy.colorNameForDisplay();
  AcDbObjectId id = AddLine([&](AcDbEntity* line) { line->setColor(trueColor); });
  EXPECT_EQ(HeaderLine(id), u"图层: 0, 线型: 随层, 颜色: " + displayName);
}

TEST_F(DescribeEntityTest, LineWeights) {
  auto weightLine = [&](AcDb::LineWeight weight) {
    return Line(AddLine([&](AcDbEntity* line) { line->setLineWeight(weight); }), 2);
  };
  EXPECT_EQ(weightLine(AcDb::kLnWt000).substr(0, 10), u"线宽: 0.00mm");
  EXPECT_EQ(weightLine(AcDb::kLnWt025).substr(0, 10), u"线宽: 0.25mm");
  EXPECT_EQ(weightLine(AcDb::kLnWt211).substr(0, 10), u"线宽: 2.11mm");
  EXPECT_EQ(weightLine(AcDb::kLnWtByLayer).substr(0, 6), u"线宽: 随层");
  EXPECT_EQ(weightLine(AcDb::kLnWtByBlock).substr(0, 6), u"线宽: 随块");
  EXPECT_EQ(weightLine(AcDb::kLnWtByLwDefault).substr(0, 6), u"线宽: 默认");
}

TEST_F(DescribeEntityTest, PlotStyleFollowsTheLineweightOnItsLine) {
  AcDbObjectId id = AddLine([](AcDbEntity*) {});
  AcDbEntity* entity = nullptr;
  ASSERT_EQ(acdbOpenAcDbEntity(entity, id, AcDb::kForRead), Acad::eOk);
  ACHAR* name = entity->plotStyleName();
  std::u16string plotStyle = name;
  acutDelBuffer(name);
  entity->close();
  ASSERT_FALSE(plotStyle.empty());
  EXPECT_EQ(Line(id, 2), u"线宽: 随层,  打印样式: " + plotStyle);
}

TEST_F(DescribeEntityTest, EmptyPlotStyleNameWritesNeitherSeparatorNorItem) {
  UseNamedPlotStyles();
  AcDbObjectId byLayer = AddLine([](AcDbEntity*) {});
  AcDbObjectId unnamed = AddLine([&](AcDbEntity* line) {
    ASSERT_EQ(line->setPlotStyleName(AcDb::kPlotStyleNameById, db.layerZero()), Acad::eOk);
  });
  EXPECT_EQ(Line(byLayer, 2), u"线宽: 随层,  打印样式: ByLayer");
  EXPECT_EQ(Line(unnamed, 2), u"线宽: 随层");
}

TEST_F(DescribeEntityTest, LayerThatCannotBeOpenedLeavesByLayerAlone) {
  AcDbObjectId layerId = AddLayer(u"Gone", IndexColor(1));
  AcDbObjectId id = AddLine([](AcDbEntity* line) { line->setLayer(u"Gone"); });
  AcDbLayerTableRecord* layer = nullptr;
  ASSERT_EQ(acdbOpenObject(layer, layerId, AcDb::kForWrite), Acad::eOk);
  ASSERT_EQ(layer->erase(), Acad::eOk);
  layer->close();
  std::u16string header = HeaderLine(id);
  EXPECT_EQ(header.substr(header.rfind(u", ")), u", 颜色: 随层");
}

TEST_F(DescribeEntityTest, MaterialLineIsAlwaysThereWithShadowWords) {
  AcDbObjectId both = AddLine([](AcDbEntity*) {});
  AcDbObjectId casts = AddLine([](AcDbEntity* line) { line->setReceiveShadows(false); });
  AcDbObjectId receives = AddLine([](AcDbEntity* line) { line->setCastShadows(false); });
  AcDbObjectId neither = AddLine([](AcDbEntity* line) {
    line->setCastShadows(false);
    line->setReceiveShadows(false);
  });
  EXPECT_EQ(Line(both, 3), u"材质: ByLayer, 造型/接收 渐变");
  EXPECT_EQ(Line(casts, 3), u"材质: ByLayer, 造型 渐变");
  EXPECT_EQ(Line(receives, 3), u"材质: ByLayer, 接收 渐变");
  EXPECT_EQ(Line(neither, 3), u"材质: ByLayer");
}

TEST_F(DescribeEntityTest, BodyEndsWithALineFeedAndSuffixStaysEmptyWithoutHyperlink) {
  ScopeText text = Describe(AddLine([](AcDbEntity*) {}));
  ASSERT_FALSE(text.Body.empty());
  EXPECT_EQ(text.Body.back(), u'\n');
  EXPECT_EQ(text.Prefix, u"");
  EXPECT_EQ(text.Suffix, u"");
}

TEST_F(DescribeEntityTest, TextNoteOfEightLinesShowsSixWithAMark) {
  AcDbObjectId id = LineWithNote(u"one\ntwo\nthree\nfour\nfive\nsix\nseven\neight");
  EXPECT_EQ(NoteLines(id), u"注释: one\ntwo\nthree\nfour\nfive\nsix...\n");
}

TEST_F(DescribeEntityTest, TextNoteOfExactlySixLinesAlsoEndsWithTheMark) {
  AcDbObjectId id = LineWithNote(u"one\ntwo\nthree\nfour\nfive\nsix");
  EXPECT_EQ(NoteLines(id), u"注释: one\ntwo\nthree\nfour\nfive\nsix...\n");
}

TEST_F(DescribeEntityTest, TextNoteWhoseSixthLineHasTheMarkGetsNoSecond) {
  AcDbObjectId id = LineWithNote(u"1\n2\n3\n4\n5\nsix...\nseven");
  EXPECT_EQ(NoteLines(id), u"注释: 1\n2\n3\n4\n5\nsix...\n");
}

TEST_F(DescribeEntityTest, TextNoteSkipsBlankLinesAndEndsLinesAtTabs) {
  AcDbObjectId id = LineWithNote(u"  first\r\n\r\n   \n\tsecond\tthird \n");
  EXPECT_EQ(NoteLines(id), u"注释: first\nsecond\nthird \n");
}

TEST_F(DescribeEntityTest, BlankTextNoteWritesNothing) {
  AcDbObjectId id = LineWithNote(u" \r\n\t ");
  EXPECT_EQ(NoteLines(id), u"");
}

TEST_F(DescribeEntityTest, EntryThatIsNotATextNoteIsLeftOut) {
  ScopedHostClass otherClass(u"QvTestNotANote", u"AcDbObject");
  AcDbObjectId id = AddLine([&](AcDbEntity* line) { AttachNote(line, new TestTextNote(otherClass.get(), u"x")); });
  EXPECT_EQ(NoteLines(id), u"");
}

TEST_F(DescribeEntityTest, TextNoteOfADerivedClassCounts) {
  ScopedHostClass derived(u"QvTestDerivedNote", u"AecDbTextNote");
  AcDbObjectId id = AddLine([&](AcDbEntity* line) { AttachNote(line, new TestTextNote(derived.get(), u"x")); });
  EXPECT_EQ(NoteLines(id), u"注释: x\n");
}

TEST_F(DescribeEntityTest, HyperlinkGoesToTheSuffix) {
  AcDbObjectId id = LineWithExtendedData(
      acutBuildList(1001, u"PE_URL", 1000, u"https://example.com/a<b>&c", 1002, u"{", 1002, u"}", 0));
  ScopeText text = Describe(id);
  EXPECT_EQ(text.Suffix, u"附加超级链接: https://example.com/a<b>&c");
  EXPECT_EQ(text.Body.find(u"附加超级链接"), std::u16string::npos);
}

TEST_F(DescribeEntityTest, HyperlinkNeedsAStringAsSecondElement) {
  AcDbObjectId notString = LineWithExtendedData(acutBuildList(1001, u"PE_URL", 1070, 5, 1000, u"https://x", 0));
  EXPECT_EQ(Describe(notString).Suffix, u"");
}

TEST_F(DescribeEntityTest, EmptyHyperlinkIsLeftOut) {
  AcDbObjectId empty = LineWithExtendedData(acutBuildList(1001, u"PE_URL", 1000, u"", 0));
  EXPECT_EQ(Describe(empty).Suffix, u"");
}

}  // namespace
