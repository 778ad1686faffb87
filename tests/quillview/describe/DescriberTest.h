// A drawing read from DXF groups, described through the class table as the scope window describes it.
#pragma once
#include <acadsim/DxfReader.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "QuillviewTestSupport.h"
#include "describe/ScopeText.h"

struct DxfGroup {
  int code;
  std::string value;
};
using DxfGroups = std::vector<DxfGroup>;

class DescriberTest : public ::testing::Test {
 protected:
  DescriberTest();
  ~DescriberTest() override;

  // Reads a drawing of these sections (each a list of groups without SECTION/ENDSEC); it becomes the working
  // database, so the describers read its system variables.
  void Read(const DxfGroups& entities, const DxfGroups& header = {}, const DxfGroups& tables = {},
            const DxfGroups& blocks = {}, const DxfGroups& objects = {});
  // Reads these entities, one after the other, with the other sections given.
  void ReadEntities(std::initializer_list<DxfGroups> entities, const DxfGroups& tables = {},
                    const DxfGroups& blocks = {}, const DxfGroups& objects = {});
  // The lines the entity's own classes add after the common header, then "|" and the suffix when there is one.
  std::u16string Own(size_t index = 0);
  // The whole description text of the entity.
  ScopeText Describe(size_t index = 0);
  AcDbObjectId EntityAt(size_t index);
  // Puts an entity made in memory into model space (closed afterwards).
  AcDbObjectId Append(AcDbEntity* entity);

  AcDbDatabase db{false};

 private:
  ScopedQuillviewPXClass m_pxClass;
  AcDbDatabase* m_previous;
};
