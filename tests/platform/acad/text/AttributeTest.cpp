// ATTRIB and ATTDEF: the text groups first, then the attribute's tag, prompt and flags, in every layout
// writers use (subclass markers, flat R12 records, multiline attributes of R2018).
#include <dbblkref.h>
#include <dbtext.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AnnotationDrawing.h"

namespace {

using namespace annotationtest;
using dbtest::Group;

std::string attribute(const char* type, const char* subclass, const std::string& flags) {
  return dxfText({{0, type}, {8, "0"}, {100, "AcDbEntity"}, {100, "AcDbText"}, {10, "1"}, {20, "2"}, {40, "2.5"},
                  {1, "value"}, {100, subclass}, {280, "0"}, {3, "Prompt?"}, {2, "TAG"}, {70, flags}, {280, "1"}});
}

// ATTRIB records belong to an INSERT; the ids of the attributes that follow one in the drawing's model space.
struct Attributes {
  Drawing drawing;
  std::vector<AcDbObjectId> ids;
};

Attributes readAttributes(const std::string& attribs) {
  std::string block = dxfText({{0, "BLOCK"}, {8, "0"}, {2, "B"}, {70, "2"}, {10, "0"}, {20, "0"}}) +
                      attribute("ATTDEF", "AcDbAttributeDefinition", "0") + dxfText({{0, "ENDBLK"}, {8, "0"}});
  std::string insert = dxfText({{0, "INSERT"}, {8, "0"}, {66, "1"}, {2, "B"}, {10, "5"}, {20, "5"}}) + attribs +
                       dxfText({{0, "SEQEND"}, {8, "0"}});
  Attributes a{readDrawing(DrawingParts{"", "", "", block, insert}), {}};
  EXPECT_EQ(a.drawing.modelSpace.size(), 1u);
  if (a.drawing.modelSpace.empty()) return a;
  OpenEntity<AcDbBlockReference> reference(a.drawing.modelSpace[0]);
  for (AcDbObjectId id : reference->subentityIds()) {
    OpenEntity<AcDbEntity> part(id);
    if (part->isKindOf(AcDbAttribute::desc())) a.ids.push_back(id);
  }
  return a;
}

TEST(AcDbAttribute, EachFlagBitIsItsOwnQuery) {
  const char* flags[] = {"0", "1", "2", "4", "8", "15"};
  std::string attribs;
  for (const char* f : flags) attribs += attribute("ATTRIB", "AcDbAttribute", f);
  Attributes d = readAttributes(attribs);
  ASSERT_EQ(d.ids.size(), 6u);
  for (size_t i = 0; i < 6; ++i) {
    int bits = std::stoi(flags[i]);
    OpenEntity<AcDbAttribute> a(d.ids[i]);
    EXPECT_EQ(a->isInvisible(), (bits & 1) != 0) << flags[i];
    EXPECT_EQ(a->isConstant(), (bits & 2) != 0) << flags[i];
    EXPECT_EQ(a->isVerifiable(), (bits & 4) != 0) << flags[i];
    EXPECT_EQ(a->isPreset(), (bits & 8) != 0) << flags[i];
  }
}

TEST(AcDbAttribute, TagAndTextComeFromTheirOwnSubclasses) {
  Attributes d = readAttributes(attribute("ATTRIB", "AcDbAttribute", "0"));
  ASSERT_EQ(d.ids.size(), 1u);
  OpenEntity<AcDbAttribute> a(d.ids[0]);
  EXPECT_TRUE(a->isKindOf(AcDbText::desc()));
  EXPECT_EQ(adopt(a->tag()), u"TAG");
  EXPECT_EQ(adopt(a->textString()), u"value");
  EXPECT_EQ(a->position(), AcGePoint3d(1, 2, 0));
  EXPECT_DOUBLE_EQ(a->height(), 2.5);
}

TEST(AcDbAttributeDefinition, PromptTagAndFlags) {
  Drawing d = readEntities(attribute("ATTDEF", "AcDbAttributeDefinition", "9"));
  OpenEntity<AcDbAttributeDefinition> def(d.modelSpace[0]);
  EXPECT_EQ(adopt(def->prompt()), u"Prompt?");
  EXPECT_EQ(adopt(def->tag()), u"TAG");
  EXPECT_EQ(adopt(def->textString()), u"value");
  EXPECT_TRUE(def->isInvisible());
  EXPECT_FALSE(def->isConstant());
  EXPECT_FALSE(def->isVerifiable());
  EXPECT_TRUE(def->isPreset());
}

TEST(AcDbAttributeDefinition, EmptyAndMissingStrings) {
  Drawing d = readEntities(
      dxfText({{0, "ATTDEF"}, {8, "0"}, {100, "AcDbText"}, {1, ""}, {100, "AcDbAttributeDefinition"}, {3, ""}, {2, "T"}}) +
      dxfText({{0, "ATTDEF"}, {8, "0"}, {100, "AcDbText"}, {100, "AcDbAttributeDefinition"}}));
  OpenEntity<AcDbAttributeDefinition> empty(d.modelSpace[0]);
  EXPECT_EQ(adopt(empty->prompt()), u"");
  EXPECT_EQ(adopt(empty->tag()), u"T");
  OpenEntity<AcDbAttributeDefinition> missing(d.modelSpace[1]);
  EXPECT_EQ(adopt(missing->prompt()), u"");
  EXPECT_EQ(adopt(missing->tag()), u"");
  EXPECT_FALSE(missing->isInvisible());
}

TEST(AcDbAttributeDefinition, VerticalModeIs74AndFieldLength73WithoutMarkers) {
  // R12 records hold TEXT's and the attribute's groups in one list; there 73 is the field length.
  Drawing d = readEntities(dxfText({{0, "ATTDEF"}, {8, "0"}, {10, "0"}, {20, "0"}, {40, "1"}, {1, "v"}, {3, "p"},
                                    {2, "FLAT"}, {70, "2"}, {74, "1"}, {73, "2"}, {72, "4"}, {11, "3"}, {21, "4"}}));
  OpenEntity<AcDbAttributeDefinition> def(d.modelSpace[0]);
  EXPECT_EQ(def->verticalMode(), AcDb::kTextBottom);
  EXPECT_EQ(def->horizontalMode(), AcDb::kTextMid);
  EXPECT_EQ(def->alignmentPoint(), AcGePoint3d(3, 4, 0));
  EXPECT_EQ(adopt(def->tag()), u"FLAT");
  EXPECT_EQ(adopt(def->prompt()), u"p");
  EXPECT_TRUE(def->isConstant());
}

TEST(AcDbAttributeDefinition, A73AfterTheTextMarkerIsTheVerticalMode) {
  Drawing d = readEntities(dxfText({{0, "ATTDEF"}, {8, "0"}, {100, "AcDbText"}, {1, "v"}, {100, "AcDbAttributeDefinition"},
                                    {2, "T"}, {70, "0"}, {100, "AcDbText"}, {73, "3"}}));
  OpenEntity<AcDbAttributeDefinition> def(d.modelSpace[0]);
  EXPECT_EQ(def->verticalMode(), AcDb::kTextTop);
}

TEST(AcDbAttribute, TextGroupsAfterTheMarkerAreReadUntilTheLockFlag) {
  // Some writers put the text's placement after the attribute marker, as the DXF reference lists it.
  Attributes d = readAttributes(dxfText({{0, "ATTRIB"}, {8, "0"}, {100, "AcDbText"}, {10, "1"}, {20, "1"}, {40, "1"},
                                    {1, "v"}, {100, "AcDbAttribute"}, {280, "0"}, {2, "T"}, {70, "0"}, {50, "90"},
                                    {41, "0.5"}, {72, "1"}, {74, "2"}, {11, "6"}, {21, "7"}}));
  ASSERT_EQ(d.ids.size(), 1u);
  OpenEntity<AcDbAttribute> a(d.ids[0]);
  EXPECT_NEAR(a->rotation(), 3.14159265358979 / 2, 1e-12);
  EXPECT_DOUBLE_EQ(a->widthFactor(), 0.5);
  EXPECT_EQ(a->horizontalMode(), AcDb::kTextCenter);
  EXPECT_EQ(a->verticalMode(), AcDb::kTextVertMid);
  EXPECT_EQ(a->alignmentPoint(), AcGePoint3d(6, 7, 0));
}

TEST(AcDbAttribute, MultilineAttributeDataDoesNotReplaceTheText) {
  // R2018: after the lock-position flag come the multiline flags, the MTEXT's alignment point and its data.
  Attributes d = readAttributes(dxfText({{0, "ATTRIB"}, {8, "0"}, {100, "AcDbText"}, {10, "1"}, {20, "2"}, {40, "2"},
                                    {1, "line1 line2"}, {7, "Standard"}, {100, "AcDbAttribute"}, {280, "0"}, {2, "ML"},
                                    {70, "4"}, {280, "0"}, {71, "2"}, {72, "0"}, {11, "99"}, {21, "99"}, {31, "0"},
                                    {101, "Embedded Object"}, {10, "50"}, {20, "50"}, {40, "9"}, {41, "30"},
                                    {1, "line1\\Pline2"}, {7, "NOSUCH"}, {70, "1"}, {2, "OTHER"}}) +
                                attribute("ATTRIB", "AcDbAttribute", "0"));
  ASSERT_EQ(d.ids.size(), 2u);
  OpenEntity<AcDbAttribute> a(d.ids[0]);
  EXPECT_EQ(adopt(a->textString()), u"line1 line2");
  EXPECT_EQ(adopt(a->tag()), u"ML");
  EXPECT_TRUE(a->isVerifiable());
  EXPECT_FALSE(a->isInvisible());
  EXPECT_EQ(a->position(), AcGePoint3d(1, 2, 0));
  EXPECT_EQ(a->alignmentPoint(), AcGePoint3d(1, 2, 0));
  EXPECT_DOUBLE_EQ(a->height(), 2.0);
  EXPECT_EQ(a->horizontalMode(), AcDb::kTextLeft);
}

TEST(AcDbAttribute, AttributesOfABlockReferenceAndTheirDefinition) {
  Attributes d = readAttributes(attribute("ATTRIB", "AcDbAttribute", "1"));
  ASSERT_EQ(d.ids.size(), 1u);
  OpenEntity<AcDbAttribute> a(d.ids[0]);
  EXPECT_EQ(adopt(a->tag()), u"TAG");
  EXPECT_TRUE(a->isInvisible());
  AcDbBlockTableRecord* block = nullptr;
  AcDbBlockTable* blocks = nullptr;
  ASSERT_EQ(d.drawing.db->getBlockTable(blocks, AcDb::kForRead), Acad::eOk);
  ASSERT_EQ(blocks->getAt(u"B", block, AcDb::kForRead), Acad::eOk);
  blocks->close();
  ASSERT_EQ(block->entityIds().size(), 1u);
  AcDbObjectId defId = block->entityIds()[0];
  block->close();
  OpenEntity<AcDbAttributeDefinition> def(defId);
  EXPECT_EQ(adopt(def->prompt()), u"Prompt?");
}

}  // namespace
