// What solids, regions, hatches, references, images, viewports, text, attributes, shapes and dimensions add
// after the common header.
#include <acadsim/CommandLine.h>
#include <acutads.h>

#include <gtest/gtest.h>

#include <cmath>

#include "describe/DescriberTest.h"
#include "describe/DescribeObject.h"
#include "describe/ValueFormatting.h"

namespace {

const DxfGroups kTables = {
    {0, "TABLE"}, {2, "APPID"}, {70, "1"}, {0, "APPID"}, {2, "ACAD"}, {70, "0"}, {0, "ENDTAB"},
    {0, "TABLE"}, {2, "STYLE"}, {70, "1"}, {0, "STYLE"}, {2, "Standard"}, {70, "0"}, {40, "0"}, {41, "1"},
    {50, "0"}, {71, "0"}, {42, "2.5"}, {3, "txt"}, {4, ""}, {0, "ENDTAB"},
    {0, "TABLE"}, {2, "DIMSTYLE"}, {70, "1"}, {0, "DIMSTYLE"}, {2, "Standard"}, {70, "0"}, {0, "ENDTAB"},
};

const DxfGroups kBlocks = {
    {0, "BLOCK"}, {8, "0"}, {2, "B1"}, {70, "0"}, {10, "0"}, {20, "0"}, {30, "0"}, {3, "B1"},
    {0, "ENDBLK"}, {8, "0"},
    {0, "BLOCK"}, {8, "0"}, {2, "X1"}, {70, "4"}, {10, "0"}, {20, "0"}, {30, "0"}, {3, "X1"}, {1, "parts/x1.dwg"},
    {0, "ENDBLK"}, {8, "0"},
    {0, "BLOCK"}, {8, "0"}, {2, "O1"}, {70, "8"}, {10, "0"}, {20, "0"}, {30, "0"}, {3, "O1"}, {1, "o1.dwg"},
    {0, "ENDBLK"}, {8, "0"},
    {0, "BLOCK"}, {8, "0"}, {2, "XO"}, {70, "12"}, {10, "0"}, {20, "0"}, {30, "0"}, {3, "XO"}, {1, "xo.dwg"},
    {0, "ENDBLK"}, {8, "0"},
};

DxfGroups Insert(const char* block, DxfGroups extra = {}) {
  DxfGroups g = {{0, "INSERT"}, {8, "0"}, {2, block}, {10, "0"}, {20, "0"}, {30, "0"}};
  g.insert(g.end(), extra.begin(), extra.end());
  return g;
}

class EntityDescribersTest : public DescriberTest {
 protected:
  void ReadWithTables(std::initializer_list<DxfGroups> entities, const DxfGroups& objects = {}) {
    ReadEntities(entities, kTables, kBlocks, objects);
  }
  std::u16string AngleText(double angle) {
    ACHAR buffer[64] = u"";
    acdbAngToS(angle, -1, -1, buffer, 64);
    return buffer;
  }
};

TEST_F(EntityDescribersTest, BlockReferencesShowTheirBlockAScaleAndTheirRotation) {
  ReadWithTables({Insert("B1", {{41, "2"}, {42, "2"}, {43, "2.000000001"}}), Insert("B1", {{43, "-1"}}),
                Insert("B1", {{50, "270"}}), Insert("B1", {{50, "90"}, {210, "1"}, {220, "0"}, {230, "0"}})});
  EXPECT_EQ(Own(0), u"图块: B1  比例: 2.0000  旋转: 0");
  EXPECT_EQ(Own(1), u"图块: B1  比例: (1.0000,1.0000,-1.0000)  旋转: 0");
  EXPECT_EQ(Own(2), u"图块: B1  比例: 1.0000  旋转: " + AngleText(std::atan2(-1.0, 0.0)));
  // The block's X axis tipped out of the UCS's XY plane has no rotation to show.
  EXPECT_EQ(Own(3), u"图块: B1  比例: 1.0000");
}

TEST_F(EntityDescribersTest, ExternalReferencesAndOverlaysShowTheirPaths) {
  ReadWithTables({Insert("X1"), Insert("O1"), Insert("XO")});
  EXPECT_TRUE(Own(0).starts_with(u"外部参照: X1=parts/x1.dwg  比例: ")) << WideToUtf8(Own(0));
  EXPECT_TRUE(Own(1).starts_with(u"外部参照叠加: O1=o1.dwg  比例: ")) << WideToUtf8(Own(1));
  // An overlay that is also marked external reads as the external reference it is.
  EXPECT_TRUE(Own(2).starts_with(u"外部参照: XO=xo.dwg  比例: ")) << WideToUtf8(Own(2));
}

TEST_F(EntityDescribersTest, AMultipleInsertIsDescribedAsABlockReference) {
  ReadWithTables({Insert("B1", {{70, "2"}, {71, "3"}, {44, "5"}, {45, "5"}})});
  EXPECT_EQ(Own(), u"图块: B1  比例: 1.0000  旋转: 0");
}

DxfGroups Viewport(const char* paperHeight, const char* modelHeight, const char* flags = "0") {
  return {{0, "VIEWPORT"}, {8, "0"}, {10, "5"}, {20, "5"}, {30, "0"}, {40, "10"}, {41, paperHeight},
          {68, "1"}, {69, "2"}, {12, "0"}, {22, "0"}, {45, modelHeight}, {90, flags}};
}

TEST_F(EntityDescribersTest, ViewportScalesReadAsWholeNumberRatiosWherePossible) {
  ReadWithTables({Viewport("1", "48"), Viewport("2", "3"), Viewport("3", "1"), Viewport("1", "3.141592653589793"),
                Viewport("1", "0"), Viewport("0", "5")});
  auto scaleOf = [&](size_t i) { return Own(i); };
  EXPECT_EQ(scaleOf(0), u"比例: 1/48");
  EXPECT_EQ(scaleOf(1), u"比例: 2/3");
  EXPECT_EQ(scaleOf(2), u"比例: 3.0000");
  EXPECT_EQ(scaleOf(3), u"比例: 1/3.1416");
  // No scale can be told without both heights.
  EXPECT_EQ(scaleOf(4), u"");
  EXPECT_EQ(scaleOf(5), u"");
}

TEST_F(EntityDescribersTest, ViewportFlagsShowPerspectiveLockAndHiddenLinePlotting) {
  ReadWithTables({Viewport("1", "1", "18433")});  // perspective 1, hide plot 2048, zoom locked 16384
  EXPECT_EQ(Own(), u"比例: 1.0000  (透视)  (锁定)\n出图  w/ 消除隐藏线");
}

DxfGroups Dimension(const char* text, DxfGroups xdata = {}) {
  DxfGroups g = {{0, "DIMENSION"}, {8, "0"}, {2, "*D1"}, {10, "0"}, {20, "5"}, {30, "0"}, {11, "5"}, {21, "6"},
                 {31, "0"}, {70, "32"}, {1, text}, {3, "Standard"}, {13, "0"}, {23, "0"}, {33, "0"}, {14, "10"},
                 {24, "0"}, {34, "0"}};
  g.insert(g.end(), xdata.begin(), xdata.end());
  return g;
}

TEST_F(EntityDescribersTest, DimensionsTellStyleAndTextOverrides) {
  ReadWithTables({Dimension(""), Dimension("<> mm"), Dimension("25"),
                Dimension("", {{1001, "ACAD"}, {1000, "DSTYLE"}, {1002, "{"}, {1070, "40"}, {1040, "2.5"},
                               {1002, "}"}}),
                Dimension("", {{1001, "ACAD"}, {1000, "DSTYLE"}, {1002, "{"}, {1002, "}"}})});
  EXPECT_EQ(Own(0), u"样式: Standard\n未替代, 默认文字");
  EXPECT_EQ(Own(1), u"样式: Standard\n未替代, 默认文字");
  EXPECT_EQ(Own(2), u"样式: Standard\n未替代, *文字替代");
  EXPECT_EQ(Own(3), u"样式: Standard\n*样式替代, 默认文字");
  EXPECT_EQ(Own(4), u"样式: Standard\n未替代, 默认文字");
}

TEST_F(EntityDescribersTest, TextGoesToTheSuffixWithStyleHeightAndWidthFactor) {
  ReadWithTables({{{0, "TEXT"}, {8, "0"}, {10, "0"}, {20, "0"}, {30, "0"}, {40, "2.5"}, {1, "Hello %%d"},
                 {41, "0.8"}, {7, "Standard"}, {39, "0.5"}}});
  EXPECT_EQ(Own(), u"|文字: Hello %%d\n样式: Standard  高度: 2.5000  宽度比例: 0.8000  厚度: 0.5000");
}

TEST_F(EntityDescribersTest, AttributeDefinitionsShowTheirTagAndFlagsInTheBody) {
  DxfGroups plain = {{0, "ATTDEF"}, {8, "0"}, {10, "0"}, {20, "0"}, {30, "0"}, {40, "1"}, {1, "v"}, {3, "Prompt"},
                     {2, "TAG"}, {70, "0"}, {7, "Standard"}};
  DxfGroups flagged = plain;
  flagged[9].value = "3";
  ReadWithTables({plain, flagged});
  EXPECT_EQ(Own(0), u"标记: TAG|文字: v\n样式: Standard  高度: 1.0000  宽度比例: 1.0000");
  EXPECT_TRUE(Own(1).starts_with(u"标记: TAG, 不可见, 常量|")) << WideToUtf8(Own(1));
}

TEST_F(EntityDescribersTest, AttributesAfterAnInsertShowTheirTags) {
  DxfGroups insert = Insert("B1", {{66, "1"}});
  DxfGroups attribute = {{0, "ATTRIB"}, {8, "0"}, {10, "0"}, {20, "0"}, {30, "0"}, {40, "1"}, {1, "42"},
                         {2, "NUM"}, {70, "8"}, {7, "Standard"}, {0, "SEQEND"}, {8, "0"}};
  ReadWithTables({insert, attribute});
  AcDbBlockReference* reference = nullptr;
  ASSERT_EQ(acdbOpenObject(reference, EntityAt(0), AcDb::kForRead), Acad::eOk);
  AcDbObjectId attributeId = reference->subentityIds().front();
  reference->close();
  AcDbEntity* opened = nullptr;
  ASSERT_EQ(acdbOpenAcDbEntity(opened, attributeId, AcDb::kForRead), Acad::eOk);
  ScopeText text;
  DescribeObject(text, opened->isA(), opened, -1);
  opened->close();
  EXPECT_NE(text.Body.find(u"标记: NUM, 预置"), std::u16string::npos);
  EXPECT_EQ(text.Suffix, u"文字: 42\n样式: Standard  高度: 1.0000  宽度比例: 1.0000");
}

TEST_F(EntityDescribersTest, ShapesShowNameSizeAndWidthFactor) {
  ReadWithTables({{{0, "SHAPE"}, {8, "0"}, {10, "0"}, {20, "0"}, {30, "0"}, {40, "2"}, {2, "BOX"}}});
  EXPECT_EQ(Own(), u"形状: BOX  大小: 2.0000  宽度比例: 1.0000");
}

DxfGroups Hatch(const char* pattern, DxfGroups loops, int count) {
  DxfGroups g = {{0, "HATCH"}, {8, "0"}, {10, "0"}, {20, "0"}, {30, "0"}, {210, "0"}, {220, "0"}, {230, "1"},
                 {2, pattern}, {70, "0"}, {71, "0"}, {91, std::to_string(count)}};
  g.insert(g.end(), loops.begin(), loops.end());
  g.insert(g.end(), {{75, "0"}, {76, "1"}, {52, "0"}, {41, "1"}, {77, "0"}, {78, "0"}, {98, "0"}});
  return g;
}

DxfGroups Rectangle(const char* flags, const char* w, const char* h) {
  return {{92, flags}, {72, "0"}, {73, "1"}, {93, "4"}, {10, "0"}, {20, "0"}, {10, w}, {20, "0"}, {10, w},
          {20, h}, {10, "0"}, {20, h}, {97, "0"}};
}

DxfGroups CircleLoop(const char* flags, const char* x, const char* y, const char* r) {
  return {{92, flags}, {93, "1"}, {72, "2"}, {10, x}, {20, y}, {40, r}, {50, "0"}, {51, "360"}, {73, "1"}, {97, "0"}};
}

DxfGroups Join(std::initializer_list<DxfGroups> parts) {
  DxfGroups all;
  for (const DxfGroups& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

TEST_F(EntityDescribersTest, HatchAreasTakeHolesAwayFromOuterLoops) {
  ReadWithTables({Hatch("ANSI31", Join({Rectangle("19", "10", "10"), CircleLoop("0", "5", "5", "1")}), 2),
                Hatch("", Join({Rectangle("3", "10", "10"), Rectangle("3", "20", "5")}), 2)});
  EXPECT_EQ(Own(0), u"图案名称: ANSI31  面积: 96.8584");
  // Loops none of which is outermost still report the area of their union.
  EXPECT_EQ(Own(1), u"面积: 150.0000");
}

TEST_F(EntityDescribersTest, LargeAreasInDecimalUnitsAddAcres) {
  ReadWithTables({Hatch("SOLID", Rectangle("19", "200", "100"), 1)});
  SetVariable(u"LUPREC", short{2});
  EXPECT_EQ(Own(), u"图案名称: SOLID  面积: 20000.00 (0.46 Ac.)");
}

TEST_F(EntityDescribersTest, RegionsShowAreaAndPerimeter) {
  Read({});
  AcDbLine sides[] = {AcDbLine({0, 0, 0}, {10, 0, 0}), AcDbLine({10, 0, 0}, {10, 10, 0}),
                      AcDbLine({10, 10, 0}, {0, 10, 0}), AcDbLine({0, 10, 0}, {0, 0, 0})};
  AcDbVoidPtrArray curves, regions;
  for (AcDbLine& side : sides) curves.append(&side);
  ASSERT_EQ(AcDbRegion::createFromCurves(curves, regions), Acad::eOk);
  ASSERT_EQ(regions.length(), 1);
  Append(static_cast<AcDbRegion*>(regions[0]));
  EXPECT_EQ(Own(), u"面积: 100.0000  周长: 40.0000");
}

TEST_F(EntityDescribersTest, SolidsShowVolumeAndSurfaceAndKeepTheCommandPrompt) {
  Read({});
  auto* box = new AcDb3dSolid();
  ASSERT_EQ(box->createBox(1, 2, 3), Acad::eOk);
  Append(box);
  std::u16string commandLine;
  acadsim::ScopedCommandLineSink sink([&](std::u16string_view text) { commandLine += text; });
  EXPECT_EQ(Own(), u"体积: 6.0000  表面积: 22.0000");
  ASSERT_FALSE(commandLine.empty());
  EXPECT_EQ(commandLine.front(), u'\n');
  EXPECT_EQ(commandLine.substr(commandLine.size() - 9), u"Command: ");
}

TEST_F(EntityDescribersTest, AnEmptySolidShowsNeitherVolumeNorSurface) {
  Read({});
  Append(new AcDb3dSolid());
  EXPECT_EQ(Own(), u"");
}

DxfGroups ImageDefinition(const char* file) {
  return {{0, "IMAGEDEF"}, {5, "A0"}, {330, "0"}, {100, "AcDbRasterImageDef"}, {90, "0"}, {1, file}, {10, "640"},
          {20, "480"}, {11, "1"}, {21, "1"}, {280, "1"}, {281, "0"}};
}

DxfGroups Image(const char* clipped, const char* boundary) {
  return {{0, "IMAGE"}, {8, "0"}, {10, "0"}, {20, "0"}, {30, "0"}, {11, "1"}, {21, "0"}, {31, "0"}, {12, "0"},
          {22, "1"}, {32, "0"}, {13, "640"}, {23, "480"}, {340, "A0"}, {70, "7"}, {280, clipped}, {281, "50"},
          {282, "60"}, {283, "10"}, {71, boundary}, {91, "2"}, {14, "-0.5"}, {24, "-0.5"}, {14, "639.5"},
          {24, "479.5"}};
}

TEST_F(EntityDescribersTest, RasterImagesShowTheirFileAdjustmentsAndClipping) {
  ReadWithTables({Image("1", "1"), Image("0", "1")}, ImageDefinition("missing/photo.png"));
  std::u16string clipped = Own(0);
  EXPECT_TRUE(clipped.starts_with(u"图像: missing/photo.png\n")) << WideToUtf8(clipped);
  EXPECT_NE(clipped.find(u"\n亮度: 50, 对比度: 60, 明暗度: 10"), std::u16string::npos);
  EXPECT_NE(clipped.find(u"旋转: 0"), std::u16string::npos);
  EXPECT_TRUE(clipped.ends_with(u"\n剪裁 (矩形)")) << WideToUtf8(clipped);
  std::u16string whole = Own(1);
  EXPECT_EQ(whole.find(u"剪裁"), std::u16string::npos);
}

}  // namespace
