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
