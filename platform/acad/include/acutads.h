// ADS utilities: the command-line printf, result buffers, host-allocated buffers and unit formatting.
#pragma once
#include <cstddef>
#include "AdAChar.h"
#include "adscodes.h"
#include "acutmem.h"
#include "adsdef.h"

// Writes to the host's command line; %s takes a wide string. Returns the number of characters written.
int acutPrintf(const ACHAR* format, ...);

// A new result buffer of the given type; a string type gets a null rstring.
struct resbuf* acutNewRb(int type);
// Frees the whole chain with its strings and binary chunks. Returns RTNORM.
int acutRelRb(struct resbuf* rb);
// A chain from (type, value) pairs ended by 0 or RTNONE; RTLB, RTLE, RTDOTE, RTNIL and RTT take no value.
// Reals are doubles, points ads_point, names ads_name, shorts and longs ints, strings const ACHAR*
// (copied), binary chunks const ads_binary*. DXF group codes take the value of their type. Null on an
// unknown type.
struct resbuf* acutBuildList(int rtype, ...);

// Formats a distance as rtos does (unit 1-5, precision 0-8; -1 for LUNITS / LUPREC). The 4-argument
// forms assume the 256-character buffer documented for them. RTNORM, or RTERROR for a bad unit or
// precision, a null buffer or a system variable that cannot be read; RTINPUTTRUNCATED when the text does
// not fit nBufLen characters with its terminator. A failure leaves the buffer as it was.
int acdbRToS(ads_real val, int unit, int prec, ACHAR* str);
int acdbRToS(ads_real val, int unit, int prec, ACHAR* str, size_t nBufLen);
// Formats an angle in radians as angtos does (unit 0-4, precision 0-8; -1 for AUNITS / AUPREC).
int acdbAngToS(ads_real val, int unit, int prec, ACHAR* str);
int acdbAngToS(ads_real val, int unit, int prec, ACHAR* str, size_t nBufLen);
