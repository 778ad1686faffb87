// Text, attributes, multiline text and shapes.
#include <dbtext.h>

ACRX_DXF_DEFINE_MEMBERS(AcDbText, AcDbEntity, 0, 0, 0, TEXT, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbText);
AcDbText::AcDbText() = default;
AcDbText::~AcDbText() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbAttribute, AcDbText, 0, 0, 0, ATTRIB, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbAttribute);
AcDbAttribute::AcDbAttribute() = default;
AcDbAttribute::~AcDbAttribute() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbAttributeDefinition, AcDbText, 0, 0, 0, ATTDEF, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbAttributeDefinition);
AcDbAttributeDefinition::AcDbAttributeDefinition() = default;
AcDbAttributeDefinition::~AcDbAttributeDefinition() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbMText, AcDbEntity, 0, 0, 0, MTEXT, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbMText);
AcDbMText::AcDbMText() = default;
AcDbMText::~AcDbMText() = default;

ACRX_DXF_DEFINE_MEMBERS(AcDbShape, AcDbEntity, 0, 0, 0, SHAPE, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbShape);
AcDbShape::AcDbShape() = default;
AcDbShape::~AcDbShape() = default;
