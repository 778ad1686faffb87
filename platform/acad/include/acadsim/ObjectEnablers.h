// The host's demand loading of object enablers: a drawing that names a class loads the module defining it.
#pragma once
#include <string>

namespace acadsim {

// Loads the object enabler that defines className (through the dynamic linker, from beside the host) when the
// class is not defined yet and the host knows an enabler for it. True when the class is defined afterwards.
bool demandLoadObjectEnabler(const std::u16string& className);

}  // namespace acadsim
