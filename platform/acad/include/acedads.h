// ADS editor functions: system variables and the command prompt.
#pragma once
#include "AdAChar.h"
#include "adscodes.h"
#include "adsdef.h"
#include "adesk.h"
#include "windef.h"

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

// ---- The host's windows, the view and coordinates ----

// The host's main frame window and the active drawing's view window (null before the host shows them).
HWND adsw_acadMainWnd();
HWND adsw_acadDocWnd();

// The viewport of the current drawing's view under a client pixel of the view window; -1 when none.
int acedGetWinNum(int ptx, int pty);
// The world point (WCS) that a client pixel of the view window shows in viewport windnum, on the view's
// plane through the target; false for a viewport that is not there.
bool acedCoordFromPixelToWorld(int windnum, POINT ptIn, ads_point ptOut);
// Transforms pt between coordinate systems (RTSHORT 0 WCS, 1 UCS, 2 display; or RTENAME an entity's ECS,
// or RT3DPOINT an extrusion direction); disp non-zero treats pt as a displacement. RTNORM or RTERROR.
int acedTrans(const ads_point pt, const struct resbuf* from, const struct resbuf* to, int disp, ads_point result);
// Non-zero when no command is active in the current document and none is queued.
int acedAcadInQuiescentState();

// ---- Selection sets ----

// Makes a selection set. str: null with pt1 a point picks at that point (UCS) with the PICKBOX aperture
// (PICKBOX pixels of the current view, measured from the point; the nearest entity wins, and PICKSTYLE 1
// or 3 brings the members of its selectable groups); "_:N" the same, nested (the pick chain names the
// innermost entity); "_P" the Previous set; "_I" the implied (pick-first) set, only with PICKFIRST 1;
// "_X" every main entity of model and paper space, whatever its layer; "_W"/"_C" a window or crossing
// between pt1 and pt2. The leading "_" may be left out; ":L" leaves out entities on locked layers, which
// are otherwise selected as ssget selects them; ":S" and ":D" change nothing. Picks, windows and the
// implied set see only model space of the current document, where entities on layers that are off or
// frozen are not drawn and never found. filter: DXF groups the entities must match (strings as wcmatch
// patterns, -4 with "<AND" "<OR" "<XOR" "<NOT" and relational operators). Every success but "_P" and
// "_X" makes a copy of the set the Previous set; "_P" fails when there is none or all its entities are
// erased. "_I" gives back the very set last given to acedSSSetFirst while the pick-first set is still
// what it held. At most 128 sets exist at once. RTNORM with the new set in ss, RTERROR (ERRNO 3 too
// many sets, 4 no such set or a mode or filter refused, 7 nothing at the point).
int acedSSGet(const ACHAR* str, const void* pt1, const void* pt2, const struct resbuf* filter, ads_name ss);
int acedSSFree(const ads_name sname);
int acedSSLength(const ads_name sname, Adesk::Int32* len);
int acedSSName(const ads_name ss, Adesk::Int32 i, ads_name entres);
// No entity and no set: a new empty set in result; an entity alone: a new set of it; both: the entity
// joins the set (once), and result names that set.
int acedSSAdd(const ads_name ename, const ads_name sname, ads_name result);
int acedSSDel(const ads_name ename, const ads_name ss);
int acedSSMemb(const ads_name ename, const ads_name ss);
// How entity i of the set was selected (i -1: every member's list in turn), as a chain the caller frees
// with acutRelRb: ssnamex's (sel_id ename data...). As a flat chain, list brackets counted, from 0:
//   a pick:   0 RTLB, 1 RTSHORT 1, 2 RTENAME the top-level entity, 3 RTSHORT its GS marker, 4 RTLB,
//             5 RTSHORT 0 (point descriptor), 6 RT3DPOINT the pick point (WCS), 7 RTLE, then for a nested
//             pick ("_:N") of something inside a block reference: 8 RTLB, 9 RTSHORT the depth (references
//             from the top-level entity down to the innermost entity), 10 RTLB, 11 RTENAME the innermost
//             entity, 12 RTSHORT its GS marker, RTENAME of each reference holding it from the innermost
//             out to the top-level entity, RTLE, RTLE; and last RTLE.
//   a window: RTLB, RTSHORT 2 (crossing 3), RTENAME, RTSHORT 0, RTSHORT -1 (the polygon's id), RTLE.
//   others:   RTLB, RTSHORT 0, RTENAME, RTLE ("_X", acedSSAdd, the implied set).
int acedSSNameX(struct resbuf** rbpp, const ads_name ss, const Adesk::Int32 i);
// The gripped set and the pick-first set, each an RTPICKS buffer (the caller frees the sets and the
// buffers) or a buffer of type RTNONE when there is none. The gripped set is always RTNONE, as AutoCAD
// keeps grips only on selected objects.
int acedSSGetFirst(struct resbuf** gset, struct resbuf** pset);
// Makes pset (null: nothing) the pick-first set, selected and gripped when GRIPS is not 0; unused is
// ignored, as in AutoCAD.
int acedSSSetFirst(const ads_name pset, const ads_name unused);

// ---- Entities by name ----

// Appends the entity described by the list to the current space, as entmake: -1, 5 and 330 are ignored,
// the handle comes from the handseed, a missing layer is made, no layer means CLAYER, and common groups
// may come anywhere in a list without subclass markers. One call makes one entity: POLYLINE, VERTEX,
// SEQEND, ATTRIB, BLOCK, ENDBLK and an INSERT with attributes following are refused. RTNORM or RTERROR
// (ERRNO 36 no such entity type, 47 a group the type needs is missing: LINE 10 11, CIRCLE and ARC 10 40,
// TEXT 10 1, POINT 10).
int acdbEntMake(const struct resbuf* entm);
// The last main entity (of model or paper space) of the working database that is not erased.
int acdbEntLast(ads_name result);
// The next entity after ent in database order, sub-entities (vertices, attributes) after their owner
// (null ent: the first main entity); RTERROR at the end.
int acdbEntNext(const ads_name ent, ads_name result);
// Erases a main entity, or unerases one that was erased. RTNORM or RTERROR.
int acdbEntDel(const ads_name ent);
// The name of the object of the working database with that handle (hexadecimal), erased or not.
int acdbHandEnt(const ACHAR* handle, ads_name entres);
