// Describers of annotation: text, shapes, attributes and dimensions.
#include <acutads.h>
#include <dbents.h>
#include <dbsymtb.h>
#include <windows.h>

#include <cmath>
#include <cwchar>

#include "describe/DescribeObject.h"
#include "describe/EntityDescribers.h"
#include "describe/HostResources.h"
#include "describe/TextBuilding.h"
#include "describe/ValueFormatting.h"
#include "host/ModuleStrings.h"

namespace {

constexpr short kExtendedDataString = 1000;
constexpr short kExtendedDataControl = 1002;

const ACHAR* S(StringId id) { return ModuleString(id).c_str(); }

void AppendWidthFactorAndThickness(std::u16string& part, double widthFactor, double thickness) {
  AppendFormat(part, S(IDS_FMT_WIDTH_FACTOR), GetIntSysVar(S(IDS_SYSVAR_LUPREC)), widthFactor);
  if (std::fabs(thickness) >= kTolerance) AppendDistance(part, S(IDS_FMT_THICKNESS), thickness);
}

void AppendFlag(std::u16string& body, bool set, StringId word) {
  if (!set) return;
  Append(body, ModuleString(IDS_ITEM_SEPARATOR) + ModuleString(word));
}

// The name of a symbol table record, or false when it does not open.
template <class Record>
bool RecordName(AcDbObjectId id, std::u16string& name) {
  ReadObject<Record> record(id);
  if (!record) return false;
  const ACHAR* text = nullptr;
  if (record->getName(text) != Acad::eOk || text == nullptr) return false;
  name = text;
  return true;
}

template <class Attribute>
void AppendAttributeLines(std::u16string& body, const Attribute* attribute) {
  HostString tag(attribute->tag());
  AppendFormat(body, S(IDS_FMT_TAG), tag.c_str());
  AppendFlag(body, attribute->isInvisible(), IDS_INVISIBLE);
  AppendFlag(body, attribute->isConstant(), IDS_CONSTANT);
  AppendFlag(body, attribute->isPreset(), IDS_PRESET);
  AppendFlag(body, attribute->isVerifiable(), IDS_VERIFY);
}

// "DSTYLE" followed by "{" and then anything but "}" is a dimension style override.
bool HasStyleOverride(const AcDbDimension* dimension) {
  ResultChain xdata(dimension->xData(u"ACAD"));
  const resbuf* rb = xdata.get();
  while (rb != nullptr && !(rb->restype == kExtendedDataString && rb->resval.rstring != nullptr &&
                            lstrcmpW(rb->resval.rstring, u"DSTYLE") == 0))
    rb = rb->rbnext;
  if (rb == nullptr) return false;
  const resbuf* open = rb->rbnext;
  if (open == nullptr || open->restype != kExtendedDataControl || open->resval.rstring == nullptr ||
      lstrcmpW(open->resval.rstring, u"{") != 0)
    return false;
  const resbuf* first = open->rbnext;
  if (first == nullptr) return false;
  return !(first->restype == kExtendedDataControl && first->resval.rstring != nullptr &&
           lstrcmpW(first->resval.rstring, u"}") == 0);
}

}  // namespace

void DescribeText(ScopeText& text, AcDbEntity* entity, int gsMarker) {
  DescribeAsParentOf(AcDbText::desc(), text, entity, gsMarker);
  const AcDbText* textEntity = AcDbText::cast(entity);
  if (textEntity == nullptr) return;
  HostString content(textEntity->textString());
  AppendFormat(text.Suffix, S(IDS_FMT_TEXT), content.c_str());
  NewLine(text.Suffix);
  std::u16string style;
  if (RecordName<AcDbTextStyleTableRecord>(textEntity->textStyle(), style))
    AppendFormat(text.Suffix, S(IDS_FMT_STYLE), style.c_str());
  AppendDistance(text.Suffix, S(IDS_FMT_HEIGHT), textEntity->height());
  AppendWidthFactorAndThickness(text.Suffix, textEntity->widthFactor(), textEntity->thickness());
}

void DescribeShape(ScopeText& text, AcDbEntity* entity, int gsMarker) {
  DescribeAsParentOf(AcDbShape::desc(), text, entity, gsMarker);
  const AcDbShape* shape = AcDbShape::cast(entity);
  if (shape == nullptr) return;
  HostString name(shape->name());
  AppendFormat(text.Body, S(IDS_FMT_SHAPE), name.c_str());
  AppendDistance(text.Body, S(IDS_FMT_SIZE), shape->size());
  AppendWidthFactorAndThickness(text.Body, shape->widthFactor(), shape->thickness());
}

void DescribeAttributeDefinition(ScopeText& text, AcDbEntity* entity, int gsMarker) {
  DescribeAsParentOf(AcDbAttributeDefinition::desc(), text, entity, gsMarker);
  if (const AcDbAttributeDefinition* definition = AcDbAttributeDefinition::cast(entity))
    AppendAttributeLines(text.Body, definition);
}

void DescribeAttribute(ScopeText& text, AcDbEntity* entity, int gsMarker) {
  DescribeAsParentOf(AcDbAttribute::desc(), text, entity, gsMarker);
  if (const AcDbAttribute* attribute = AcDbAttribute::cast(entity)) AppendAttributeLines(text.Body, attribute);
}

void DescribeDimension(ScopeText& text, AcDbEntity* entity, int gsMarker) {
  DescribeAsParentOf(AcDbDimension::desc(), text, entity, gsMarker);
  const AcDbDimension* dimension = AcDbDimension::cast(entity);
  if (dimension == nullptr) return;
  std::u16string style;
  if (RecordName<AcDbDimStyleTableRecord>(dimension->dimensionStyle(), style))
    AppendFormat(text.Body, S(IDS_FMT_STYLE), style.c_str());
  bool styleOverride = HasStyleOverride(dimension);
  HostString dimensionText(dimension->dimensionText());
  bool defaultText = dimensionText.view().empty() || dimensionText.view().find(u"<>") != std::u16string_view::npos;
  NewLine(text.Body);
  Append(text.Body, ModuleString(styleOverride ? IDS_STYLE_OVERRIDDEN : IDS_NOT_OVERRIDDEN));
  Append(text.Body, ModuleString(IDS_ITEM_SEPARATOR));
  Append(text.Body, ModuleString(defaultText ? IDS_DEFAULT_TEXT : IDS_TEXT_OVERRIDDEN));
}
