// AcDbVoidPtrArray: arrays of untyped pointers, as curve and region lists are passed.
#pragma once
#include "acarray.h"

using AcDbVoidPtrArray = AcArray<void*>;
