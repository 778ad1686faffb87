// Host side of the system variables: values only the host may set (the drawing's name, read-only to others).
#pragma once
#include <string_view>

#include <adsdef.h>

namespace acadsim {

// Sets a variable as the host (read-only ones included, e.g. DWGNAME when a drawing opens). RTNORM or RTERROR
// for an unknown name or a value of the wrong type.
int setHostSystemVariable(std::u16string_view name, const resbuf& value);
// Forgets the session values set so far, back to the defaults (a new host session).
void resetSessionSystemVariables();

}  // namespace acadsim
