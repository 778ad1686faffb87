// The user atom table shared by window classes and registered window messages (0xC000..0xFFFF): a name
// keeps its number for the life of the process; names compare without regard to case.
#pragma once
#include <string>

#include "windef.h"

namespace win32::user {

// The atom for a name, added when new; 0 when the table is full.
ATOM AddAtom(const std::u16string& name);
// The atom of a known name, else 0.
ATOM FindAtom(const std::u16string& name);
// The name an atom stands for; empty for an unknown one.
std::u16string AtomName(ATOM atom);

// A class or message name as given (a string, or MAKEINTATOM) turned into its text; empty if unknown.
std::u16string NameOf(LPCWSTR nameOrAtom);
bool SameName(const std::u16string& a, const std::u16string& b);

}  // namespace win32::user
