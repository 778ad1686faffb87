// Geometry shared by the curve classes: object coordinate systems, parameter checks, planes of point sets.
#pragma once
#include <vector>

#include <acadstrc.h>
#include <acdb.h>
#include <gemat3d.h>
#include <geplane.h>

namespace acadsim::curves {

bool isFinite(double v);
bool isFinite(const AcGePoint3d& p);
bool isFinite(const AcGeVector3d& v);

// A usable plane normal: the unit vector of the given one, +Z for a zero or non-finite one (as AutoCAD reads it).
AcGeVector3d unitNormalOrZ(const AcGeVector3d& normal);
// From the object coordinate system of normal (the arbitrary axis algorithm) to world coordinates.
AcGePoint3d ocsToWorld(const AcGeVector3d& normal, const AcGePoint3d& p);
AcGeVector3d ocsToWorld(const AcGeVector3d& normal, const AcGeVector3d& v);

// A normal turned to point up (z > 0, else y > 0, else x > 0), so that one plane has one normal.
AcGeVector3d upward(const AcGeVector3d& unitNormal);

// Whether param lies in [start, end], allowing for rounding at the ends.
bool inRange(double param, double start, double end);

// The plane of a set of points: kPlanar with their plane, kLinear with a plane through their line (all points
// on one point count as linear too, the plane through it with normal +Z), or kNonPlanar. Tolerance relative
// to the size of the set.
AcDb::Planarity planeOfPoints(const std::vector<AcGePoint3d>& points, AcGePlane& plane);

// A plane that contains the line through point along direction (a zero direction gives the plane z = point.z).
AcGePlane planeThroughLine(const AcGePoint3d& point, const AcGeVector3d& direction);

}  // namespace acadsim::curves

namespace acadsim::curves {

// What a DXF group gives, with non-finite values (which a damaged file can hold) read as 0.
double finiteValue(double v);
AcGePoint3d finitePoint(const double xyz[3]);
AcGeVector3d finiteVector(const double xyz[3]);

}  // namespace acadsim::curves

namespace acadsim::curves {

// The X and Y axes of the object coordinate system of a normal, in world coordinates.
void ocsAxes(const AcGeVector3d& normal, AcGeVector3d& xAxis, AcGeVector3d& yAxis);
// An angle brought into [0, 2 pi).
double normalizedAngle(double angle);

}  // namespace acadsim::curves
