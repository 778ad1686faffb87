// Values to result-buffer chains and back, for the functions outside the interpreter.
#pragma once
#include <adsdef.h>

#include "LispSymbols.h"
#include "LispValue.h"

namespace acadsim::lisp {

// The arguments one after another: integers RTSHORT when they fit 16 bits and RTLONG otherwise, RTREAL,
// RTSTR, lists as RTLB ... RTLE with RTDOTE before a dotted tail, RTNIL, RTT, RTENAME, RTPICKS. A symbol
// other than T has no result-buffer type and goes as RTSTR with its name. The caller frees the chain with
// acutRelRb; null for no arguments. A function value is "bad argument type".
resbuf* ToResbufChain(Args args);

// A result chain as one value: a chain of one item is that item and a chain of several is the list of
// them. RTPOINT gives (x y), RT3DPOINT (x y z), RTVOID the symbol (princ) returns, and a DXF group code
// the pair (code . value), or (code x y z) for a point, as entget gives them.
Value FromResbufChain(const resbuf* chain, SymbolTable& symbols);

}  // namespace acadsim::lisp
