// What objects that are in no database refuse, and the status they give.
#include <dbdict.h>
#include <dbents.h>
#include <dbobjects.h>
#include <dbsymtb.h>
#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(NoDatabase, ContainersOutsideADatabaseRefuseNewMembers) {
  AcDbBlockTableRecord block;
  auto line = std::make_unique<AcDbLine>();
  EXPECT_EQ(block.appendAcDbEntity(line.get()), Acad::eNoDatabase);
  EXPECT_TRUE(line->objectId().isNull());

  AcDbDictionary dict;
  auto entry = std::make_unique<AcDbXrecord>();
  AcDbObjectId id;
  EXPECT_EQ(dict.setAt(u"KEY", entry.get(), id), Acad::eNoDatabase);
  EXPECT_TRUE(id.isNull());

  AcDbLayerTable layers;
  auto layer = std::make_unique<AcDbLayerTableRecord>();
  layer->setName(u"Walls");
  EXPECT_EQ(layers.add(layer.get()), Acad::eNoDatabase);
}

}  // namespace
