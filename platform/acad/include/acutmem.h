// Strings and buffers the host allocates for a caller, and how the caller frees them.
#pragma once
#include "AdAChar.h"
#include "acadstrc.h"

// A copy of pInput (null gives null) that the caller frees with acutDelString.
Acad::ErrorStatus acutNewString(const ACHAR* pInput, ACHAR*& rpOutput);
// Frees a string the host allocated for the caller and nulls the pointer.
void acutDelString(ACHAR*& pString);
inline void acutDelBuffer(ACHAR*& pBuffer) { acutDelString(pBuffer); }
