#include "host/registry/RegKeyReadOnlyW.h"

bool RegKeyReadOnlyW::IsWritable() const { return false; }

bool RegKeyReadOnlyW::SetBinary(const WCHAR*, const BYTE*, DWORD) { return false; }

bool RegKeyReadOnlyW::SetDWord(const WCHAR*, DWORD) { return false; }

bool RegKeyReadOnlyW::SetString(const WCHAR*, const WCHAR*) { return false; }

bool RegKeyReadOnlyW::DeleteValue(const WCHAR*) { return false; }
