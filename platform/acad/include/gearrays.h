// The geometry library's array types.
#pragma once
#include "acarray.h"
#include "gepnt2d.h"
#include "gepnt3d.h"
#include "gevec2d.h"
#include "gevec3d.h"

class AcGeCurve2d;
class AcGeCurve3d;

using AcGeDoubleArray = AcArray<double>;
using AcGeIntArray = AcArray<int>;
using AcGePoint2dArray = AcArray<AcGePoint2d>;
using AcGePoint3dArray = AcArray<AcGePoint3d>;
using AcGeVector2dArray = AcArray<AcGeVector2d>;
using AcGeVector3dArray = AcArray<AcGeVector3d>;
using AcGeVoidPointerArray = AcArray<void*>;
using AcGeCurve2dPtrArray = AcArray<AcGeCurve2d*>;
