// Typed values of the DXF groups that text, shape and dimension entities read, and the records they name.
#pragma once
#include <dbfiler.h>
#include <dbmain.h>

#include <string>
#include <string_view>

namespace acadsim {
struct DatabaseImpl;
}  // namespace acadsim

// Shared by the annotation entities: text, attributes, shapes and dimensions.
namespace acadsim::annotation {

// Takes g when it is point xCode (10, 11...) or one of its coordinates alone (xCode + 10 is the Y, xCode + 20
// the Z), since files shorten and split points. A coordinate that is not finite is taken and left out.
bool takePoint(const DxfGroupView& g, int xCode, AcGePoint3d& point);
bool takeVector(const DxfGroupView& g, int xCode, AcGeVector3d& vector);
// A finite real; NaN and infinities, which no drawing value can be, leave value as it was.
bool takeReal(const DxfGroupView& g, double& value);
// An angle the file writes in degrees, as radians within [0, 2pi); not finite, it leaves radians as it was.
bool takeDegrees(const DxfGroupView& g, double& radians);
// A string group as UTF-16.
bool takeString(const DxfGroupView& g, std::u16string& text);

// An angle the file writes in degrees, in radians within [0, 2pi).
double radiansFromDegrees(double degrees);
// An angle in radians brought within [0, 2pi).
double normalizedAngle(double radians);

// The extrusion direction as a unit vector; a zero or unusable one is the Z axis, as AutoCAD reads it.
AcGeVector3d unitNormal(const AcGeVector3d& normal);
// A point of the entity's object coordinate system (the arbitrary axis algorithm of normal) in world coordinates.
AcGePoint3d ocsToWcs(const AcGePoint3d& point, const AcGeVector3d& normal);
// A world direction in the object coordinate system of normal.
AcGeVector3d ocsVectorOf(const AcGeVector3d& direction, const AcGeVector3d& normal);
// The angle of a world direction about normal, from the X axis of normal's object coordinate system.
double ocsAngleOf(const AcGeVector3d& direction, const AcGeVector3d& normal);

// The text style of that name. A name the drawing does not define, and a missing one, read as "Standard",
// the style AutoCAD gives text whose style it cannot find; null only in a drawing without "Standard".
AcDbObjectId textStyleNamed(DatabaseImpl& db, std::u16string_view name);
// The dimension style of that name, with the same rule.
AcDbObjectId dimStyleNamed(DatabaseImpl& db, std::u16string_view name);
// The block of that name, or null.
AcDbObjectId blockNamed(const DatabaseImpl& db, std::u16string_view name);

}  // namespace acadsim::annotation
