// Text, attributes, multiline text and shapes.
#pragma once
#include "dbmain.h"

// DXF "TEXT"
class AcDbText : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbText);
  AcDbText();
  ~AcDbText() override;
};

// DXF "ATTRIB"
class AcDbAttribute : public AcDbText {
 public:
  ACRX_DECLARE_MEMBERS(AcDbAttribute);
  AcDbAttribute();
  ~AcDbAttribute() override;
};

// DXF "ATTDEF"
class AcDbAttributeDefinition : public AcDbText {
 public:
  ACRX_DECLARE_MEMBERS(AcDbAttributeDefinition);
  AcDbAttributeDefinition();
  ~AcDbAttributeDefinition() override;
};

// DXF "MTEXT"
class AcDbMText : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbMText);
  AcDbMText();
  ~AcDbMText() override;
};

// DXF "SHAPE"
class AcDbShape : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbShape);
  AcDbShape();
  ~AcDbShape() override;
};
