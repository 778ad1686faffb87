// MFC: the application's current resource module and CString.
#pragma once
#include <windows.h>

#include "afxstr.h"

// Where resources are loaded from when no module is named: the executable's, until a module makes itself
// current. One per process, as an MFC extension library shares its application's.
HINSTANCE AFXAPI AfxGetResourceHandle();
void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource);
// The executable's instance handle.
HINSTANCE AFXAPI AfxGetInstanceHandle();
// The module whose string table holds nID: the current resource module first, then the extension libraries
// in the order they joined the chain; null when none has it.
HINSTANCE AFXAPI AfxFindStringResourceHandle(UINT nID);
