// ObjectARX header name for the geometry arrays.
#pragma once
#include "gearrays.h"
