// Demand loading: the applications the registry names under the host's product key (host-internal).
#pragma once
#include <string_view>

namespace acadsim {

// The "LoadCtrls" bits the host acts on.
inline constexpr unsigned kLoadOnStartup = 0x2;
inline constexpr unsigned kLoadOnCommand = 0x4;

// At start-up: loads every application under HKCU, then HKLM, acrxProductKey() + "\Applications" whose
// "LoadCtrls" has kLoadOnStartup, from its "Loader" path. A name under both counts once, and each of its values
// is HKCU's when HKCU has it, else HKLM's. A Loader that cannot be loaded is reported on the command line and
// the others still load; one loaded already is left as it is.
void DemandLoadOnStartup();

// On an unknown command: loads the applications whose "LoadCtrls" has kLoadOnCommand and whose "Commands"
// subkey (under either root) has a value naming the command (its name or its data, ignoring case; a leading
// "_", "." or "'" of the typed name is not part of it). True when the command exists now.
bool DemandLoadCommand(std::u16string_view commandName);

}  // namespace acadsim
