// Text, attributes and multiline text: one Text primitive per line, placed at its baseline's left end,
// GS marker 1.
// Alignments other than left/baseline are resolved from the estimated width (gs/TextBox.h); MTEXT wraps
// at its reference width by that estimate, between words, and keeps one height for all lines (inline \H
// is not applied).
#include <acutmem.h>
#include <dbents.h>

#include <cmath>

#include "GraphicsBuilder.h"
#include "TextBox.h"
#include "TextCodes.h"
#include "TextStyleLook.h"

namespace acadsim::gs {

namespace {

// AutoCAD's default when neither the text nor its style gives a height (TEXTSIZE of acad.dwt).
constexpr double kDefaultHeight = 2.5;
// MTEXT's line spacing at factor 1, in text heights.
constexpr double kLineSpacing = 5.0 / 3.0;

// A text's frame in world coordinates: its reading direction and its up direction, each one unit in the
// text's own plane (object coordinates of normal, turned by rotation).
struct TextFrame {
  AcGeVector3d along, up;
};

TextFrame frameOf(const AcGeVector3d& normal, double rotation) {
  AcGeMatrix3d toWorld = AcGeMatrix3d::planeToWorld(normal);
  AcGeVector3d along(std::cos(rotation), std::sin(rotation), 0), up(-std::sin(rotation), std::cos(rotation), 0);
  return {along.transformBy(toWorld), up.transformBy(toWorld)};
}

// Adds one line whose baseline starts at origin (world, before the context transform).
void addLine(GraphicsBuilder& b, const AcGePoint3d& origin, const TextFrame& frame, std::u16string text,
             double height, double widthFactor, double oblique, const std::u16string& face) {
  if (text.empty() || !(height > 0)) return;
  AcGePoint2d o = b.project(origin);
  AcGeVector2d along = b.project(origin + frame.along) - o, up = b.project(origin + frame.up) - o;
  double upLength = up.length(), alongLength = along.length();
  if (!(upLength > 0) || !(alongLength > 0)) return;
  GraphicPrimitive& p = b.addText(o, std::move(text), height * upLength);
  p.rotation = std::atan2(along.y, along.x);
  p.widthFactor = widthFactor * alongLength / upLength;
  p.obliquing = oblique;
  p.face = face;
  b.includeTextBox(p);
}

bool drawSingleLine(GraphicsBuilder& b, const AcDbText& text, std::u16string shown) {
  TextStyleLook style = textStyleLook(text.textStyle());
  double h = text.height() > 0 ? text.height() : (style.height > 0 ? style.height : kDefaultHeight);
  double wf = text.widthFactor() > 0 ? text.widthFactor() : 1.0;
  double rotation = text.rotation();
  AcGePoint3d origin = text.position();
  AcDb::TextHorzMode horizontal = text.horizontalMode();
  if (horizontal == AcDb::kTextAlign || horizontal == AcDb::kTextFit) {
    // Between the two points: aligned text scales its height to fit, fitted text its width.
    AcGeVector3d span = text.alignmentPoint() - text.position();
    double natural = textAdvance(shown, h, wf);
    if (span.length() > 0 && natural > 0) {
      rotation = std::atan2(span.y, span.x);
      if (horizontal == AcDb::kTextAlign) h *= span.length() / natural;
      else wf *= span.length() / natural;
    }
    addLine(b, origin, frameOf(AcGeVector3d::kZAxis, rotation), std::move(shown), h, wf, text.oblique(), style.face);
    return true;
  }
  TextFrame frame = frameOf(text.normal(), rotation);
  if (horizontal != AcDb::kTextLeft || text.verticalMode() != AcDb::kTextBase) {
    double width = textAdvance(shown, h, wf);
    double dx = horizontal == AcDb::kTextRight ? -width : (horizontal == AcDb::kTextLeft ? 0.0 : -width / 2);
    double dy = 0;
    switch (horizontal == AcDb::kTextMid ? AcDb::kTextVertMid : text.verticalMode()) {
      case AcDb::kTextBottom: dy = 0.3 * h; break;  // the descenders' depth below the baseline
      case AcDb::kTextVertMid: dy = -h / 2; break;
      case AcDb::kTextTop: dy = -h; break;
      default: break;
    }
    origin = text.alignmentPoint() + frame.along * dx + frame.up * dy;
  }
  addLine(b, origin, frame, std::move(shown), h, wf, text.oblique(), style.face);
  return true;
}

// A group of the MTEXT's own record: attachment (71) and line spacing factor (44).
double mtextGroup(const AcDbMText& mtext, int code, double fallback) {
  const DxfData& data = mtext.dxfSubclassData();
  for (size_t i = 0; i < data.size(); ++i) {
    if (data.code(i) != code) continue;
    if (data.type(i) == DxfData::Type::Integer) return static_cast<double>(data.integer(i));
    if (data.type(i) == DxfData::Type::Real) return data.real(i);
  }
  return fallback;
}

// The line broken between words so that each part fits width (a longer word keeps a part of its own).
std::vector<std::u16string> wrapped(const std::u16string& line, double height, double width) {
  std::vector<std::u16string> parts;
  std::u16string current;
  size_t i = 0;
  while (i < line.size()) {
    size_t end = line.find(u' ', i);
    if (end == std::u16string::npos) end = line.size();
    std::u16string word = line.substr(i, end - i);
    std::u16string joined = current.empty() ? word : current + u' ' + word;
    if (!current.empty() && textAdvance(joined, height, 1.0) > width) {
      parts.push_back(current);
      current = word;
    } else {
      current = joined;
    }
    i = end + 1;
  }
  parts.push_back(current);
  return parts;
}

bool drawMText(GraphicsBuilder& b, const AcDbMText& mtext) {
  TextStyleLook style = textStyleLook(mtext.textStyle());
  double h = mtext.textHeight() > 0 ? mtext.textHeight() : (style.height > 0 ? style.height : kDefaultHeight);
  ACHAR* contents = mtext.contents();
  std::vector<std::u16string> lines;
  for (const std::u16string& paragraph : mtextLines(contents ? contents : u"")) {
    if (!(mtext.width() > 0)) {
      lines.push_back(paragraph);
      continue;
    }
    for (std::u16string& part : wrapped(paragraph, h, mtext.width())) lines.push_back(std::move(part));
  }
  acutDelString(contents);
  int attachment = static_cast<int>(mtextGroup(mtext, 71, 1));
  if (attachment < 1 || attachment > 9) attachment = 1;
  double spacing = kLineSpacing * h * std::max(0.25, mtextGroup(mtext, 44, 1.0));
  double n = static_cast<double>(lines.size());
  int row = (attachment - 1) / 3, column = (attachment - 1) % 3;
  double firstBaseline = row == 0 ? -h : (row == 1 ? (h + (n - 1) * spacing) / 2 - h : (n - 1) * spacing);
  TextFrame frame = frameOf(mtext.normal(), mtext.rotation());
  for (size_t i = 0; i < lines.size(); ++i) {
    double width = textAdvance(lines[i], h, 1.0);
    double dx = column == 0 ? 0.0 : (column == 1 ? -width / 2 : -width);
    AcGePoint3d origin = mtext.location() + frame.along * dx + frame.up * (firstBaseline - i * spacing);
    addLine(b, origin, frame, lines[i], h, 1.0, 0.0, style.face);
  }
  return true;
}

}  // namespace

bool drawText(GraphicsBuilder& b, const AcDbEntity& entity) {
  if (auto* attribute = AcDbAttribute::cast(&entity)) {
    if (!attribute->isInvisible()) drawSingleLine(b, *attribute, expandTextCodes(attribute->textStringConst()));
    return true;
  }
  if (auto* definition = AcDbAttributeDefinition::cast(&entity)) {
    // In model space a definition shows its tag; inside a block only a constant one shows, with its value.
    if (b.context().depth == 0) {
      ACHAR* tag = definition->tag();
      drawSingleLine(b, *definition, tag ? tag : u"");
      acutDelString(tag);
    } else if (definition->isConstant() && !definition->isInvisible()) {
      drawSingleLine(b, *definition, expandTextCodes(definition->textStringConst()));
    }
    return true;
  }
  if (auto* text = AcDbText::cast(&entity)) return drawSingleLine(b, *text, expandTextCodes(text->textStringConst()));
  if (auto* mtext = AcDbMText::cast(&entity)) return drawMText(b, *mtext);
  return false;
}

}  // namespace acadsim::gs
