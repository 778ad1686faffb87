// The host's character type: a UTF-16 code unit, the same as the platform's WCHAR.
#pragma once
#include <windef.h>

typedef WCHAR ACHAR;

#define ACRX_T(x) u##x
#define _ACRX_T(x) u##x
