// ADS editor functions: system variables and the command prompt.
#pragma once
#include "AdAChar.h"
#include "adscodes.h"
#include "adsdef.h"

#include <cstddef>

// Reads a system variable into result (a string value is the caller's to free). RTNORM or RTERROR.
int acedGetVar(const ACHAR* sym, struct resbuf* result);
// Sets a system variable. RTNORM or RTERROR.
int acedSetVar(const ACHAR* sym, const struct resbuf* val);

// Shows the "Command: " prompt again on the command line.
void acedPostCommandPrompt();

// Prompts, answered by the host's input source with AutoCAD's rules. Each returns RTNORM with the value,
// RTNONE for Enter (unless RSG_NONULL refused it), RTKWORD when a keyword of acedInitGet answered a numeric
// or point prompt (acedGetInput gives it), RTCAN when cancelled, RTERROR when there is no input left.
// acedInitGet sets the control bits (RSG_*) and the keyword list for the next prompt only.
int acedInitGet(int val, const ACHAR* kwl);
// result receives the keyword as listed (at most 511 characters and the null; the form with size: size - 1).
int acedGetKword(const ACHAR* prompt, ACHAR* result);
int acedGetKword(const ACHAR* prompt, ACHAR* result, size_t bufsize);
int acedGetInt(const ACHAR* prompt, int* result);
int acedGetReal(const ACHAR* prompt, ads_real* result);
// cronly non-zero: spaces belong to the string and only end of line ends it.
int acedGetString(int cronly, const ACHAR* prompt, ACHAR* result);
int acedGetString(int cronly, const ACHAR* prompt, ACHAR* result, size_t bufsize);
// pt: the base point for a rubber band, or null; result in UCS coordinates.
int acedGetPoint(const ads_point pt, const ACHAR* prompt, ads_point result);
// The keyword that answered the last prompt with RTKWORD.
int acedGetInput(ACHAR* str);
int acedGetInput(ACHAR* str, size_t bufsize);

// AutoLISP functions of the calling module, defined in the current document. The host sends kInvkSubrMsg
// to the module when one is called, unless acedRegFunc gave a function that it then calls directly.
int acedDefun(const ACHAR* sname, int funcno);
int acedUndef(const ACHAR* sname, int funcno);
int acedRegFunc(int (*fhdl)(void), int fcode);
// During a call: the function's number, its arguments (the host's; do not free) and its result.
int acedGetFunCode();
struct resbuf* acedGetArgs();
int acedRetList(const struct resbuf* rbuf);
int acedRetVal(const struct resbuf* rbuf);
int acedRetNil();
int acedRetT();
int acedRetVoid();
int acedRetInt(int ival);
int acedRetReal(ads_real rval);
int acedRetStr(const ACHAR* s);

// The file names of the loaded ObjectARX modules as a chain of RTSTR, in load order; the caller frees
// it with acutRelRb. Null when none is loaded.
struct resbuf* acedArxLoaded();

// The DXF data of an object, as AutoCAD's entget gives it; the caller frees it with acutRelRb. Null for a
// name that names nothing or an erased object. The chain: -1 its name, 0 its type, 330 its owner's name, 5 its handle, the
// {ACAD_REACTORS and {ACAD_XDICTIONARY groups, 100 "AcDbEntity" and the common entity groups (67 in paper
// space, 410 the layout, 8, and when not by layer or default 6, 347, 62, 420, 430, 370, 48, 60, 390, 284),
// then the subclass groups in file
// order: strings RTSTR-like, points merged into 3D points, handles that name objects as entity names.
// Extended data is not included (as entget without an application list).
struct resbuf* acdbEntGet(const ads_name ent);
