// ADS editor functions: system variables and the command prompt.
#pragma once
#include "AdAChar.h"
#include "adscodes.h"
#include "adsdef.h"

// Reads a system variable into result (a string value is the caller's to free). RTNORM or RTERROR.
int acedGetVar(const ACHAR* sym, struct resbuf* result);
// Sets a system variable. RTNORM or RTERROR.
int acedSetVar(const ACHAR* sym, const struct resbuf* val);

// Shows the "Command: " prompt again on the command line.
void acedPostCommandPrompt();

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
