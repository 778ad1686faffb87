// Text, attributes, multiline text and shapes.
#pragma once
#include <string>

#include "dbmain.h"

namespace acadsim {
struct DxfGroupView;
// Host: how a subclass of AcDbText takes one group of the record while AcDbText reads it.
enum class OwnGroup { kNotOwn, kTaken, kTakenEndsText };
}  // namespace acadsim

// DXF "TEXT". Points are in world coordinates, angles in radians; the string is kept as stored, with its
// control codes (%%d, %%u...) unexpanded.
class AcDbText : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbText);
  AcDbText();
  ~AcDbText() override;

  AcGePoint3d position() const { return mPosition; }
  // The second alignment point; the position when the file gives none.
  AcGePoint3d alignmentPoint() const { return mHasAlignmentPoint ? mAlignmentPoint : mPosition; }
  AcGeVector3d normal() const { return mNormal; }
  double thickness() const { return mThickness; }
  double oblique() const { return mOblique; }
  double rotation() const { return mRotation; }
  double height() const { return mHeight; }
  double widthFactor() const { return mWidthFactor; }
  // A copy the caller frees with acutDelString.
  ACHAR* textString() const;
  // The entity's own buffer, valid while it is open and unchanged.
  const ACHAR* textStringConst() const { return mText.c_str(); }
  // The style the text names; "Standard" when the drawing does not define that name.
  AcDbObjectId textStyle() const { return mStyleId; }
  AcDb::TextHorzMode horizontalMode() const { return mHorizontalMode; }
  AcDb::TextVertMode verticalMode() const { return mVerticalMode; }

  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

 protected:
  virtual acadsim::OwnGroup dxfInOwnGroup(const acadsim::DxfGroupView& group);

 private:
  bool dxfInTextGroup(const acadsim::DxfGroupView& group, acadsim::DatabaseImpl& db);

  std::u16string mText;
  AcGePoint3d mPosition;
  AcGePoint3d mAlignmentPoint;
  AcGeVector3d mNormal = AcGeVector3d::kZAxis;
  AcDbObjectId mStyleId;
  double mThickness = 0.0;
  double mOblique = 0.0;
  double mRotation = 0.0;
  double mHeight = 0.0;
  double mWidthFactor = 1.0;
  AcDb::TextHorzMode mHorizontalMode = AcDb::kTextLeft;
  AcDb::TextVertMode mVerticalMode = AcDb::kTextBase;
  bool mHasAlignmentPoint = false;
};

namespace acadsim {
// The groups an attribute and an attribute definition share: tag (2), flags (70), field length (73) and the
// version and lock-position flags (280). A 280 after the tag ends the text groups: what follows in files
// since R2018 is the data of a multiline attribute.
struct AttributeGroups {
  std::u16string tag;
  Adesk::UInt16 flags = 0;
  bool tagSeen = false;
  OwnGroup read(const DxfGroupView& group);
};
}  // namespace acadsim

// DXF "ATTRIB"
class AcDbAttribute : public AcDbText {
 public:
  ACRX_DECLARE_MEMBERS(AcDbAttribute);
  AcDbAttribute();
  ~AcDbAttribute() override;

  // A copy the caller frees with acutDelString.
  ACHAR* tag() const;
  bool isInvisible() const { return mGroups.flags & 1; }
  bool isConstant() const { return mGroups.flags & 2; }
  bool isVerifiable() const { return mGroups.flags & 4; }
  bool isPreset() const { return mGroups.flags & 8; }

 protected:
  acadsim::OwnGroup dxfInOwnGroup(const acadsim::DxfGroupView& group) override;

 private:
  acadsim::AttributeGroups mGroups;
};

// DXF "ATTDEF"
class AcDbAttributeDefinition : public AcDbText {
 public:
  ACRX_DECLARE_MEMBERS(AcDbAttributeDefinition);
  AcDbAttributeDefinition();
  ~AcDbAttributeDefinition() override;

  // Copies the caller frees with acutDelString.
  ACHAR* prompt() const;
  ACHAR* tag() const;
  bool isInvisible() const { return mGroups.flags & 1; }
  bool isConstant() const { return mGroups.flags & 2; }
  bool isVerifiable() const { return mGroups.flags & 4; }
  bool isPreset() const { return mGroups.flags & 8; }

 protected:
  acadsim::OwnGroup dxfInOwnGroup(const acadsim::DxfGroupView& group) override;

 private:
  acadsim::AttributeGroups mGroups;
  std::u16string mPrompt;
};

// DXF "MTEXT". The location is in world coordinates; the rotation is about the normal, from the X axis of
// the normal's object coordinate system.
class AcDbMText : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbMText);
  AcDbMText();
  ~AcDbMText() override;

  // The whole text with its format codes: its chunks (1 and 3) in file order, then the text of the columns
  // the file wrote as MTEXT entities of their own. A copy the caller frees with acutDelString.
  ACHAR* contents() const;
  double textHeight() const { return mTextHeight; }
  // The width of the reference rectangle; 0 when the text does not wrap.
  double width() const { return mWidth; }
  AcGePoint3d location() const { return mLocation; }
  AcGeVector3d normal() const { return mNormal; }
  double rotation() const { return mRotation; }
  // The style the text names; "Standard" when the drawing does not define that name.
  AcDbObjectId textStyle() const { return mStyleId; }

  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

 private:
  std::u16string mText;
  AcGePoint3d mLocation;
  AcGeVector3d mNormal = AcGeVector3d::kZAxis;
  AcDbObjectId mStyleId;
  double mTextHeight = 0.0;
  double mWidth = 0.0;
  double mRotation = 0.0;
};

// DXF "SHAPE". Points are in world coordinates, angles in radians.
class AcDbShape : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbShape);
  AcDbShape();
  ~AcDbShape() override;

  // A copy the caller frees with acutDelString.
  ACHAR* name() const;
  AcGePoint3d position() const { return mPosition; }
  AcGeVector3d normal() const { return mNormal; }
  double size() const { return mSize; }
  double widthFactor() const { return mWidthFactor; }
  double thickness() const { return mThickness; }
  double rotation() const { return mRotation; }
  double oblique() const { return mOblique; }
  // The text style of the shape file; the host cannot read shape files, so this is known only when the
  // drawing loads exactly one, and null otherwise.
  AcDbObjectId styleId() const { return mStyleId; }

  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

 private:
  std::u16string mName;
  AcGePoint3d mPosition;
  AcGeVector3d mNormal = AcGeVector3d::kZAxis;
  AcDbObjectId mStyleId;
  double mSize = 0.0;
  double mWidthFactor = 1.0;
  double mThickness = 0.0;
  double mRotation = 0.0;
  double mOblique = 0.0;
};
