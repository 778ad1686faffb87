// Umbrella header of the stand-in Windows platform.
#pragma once
#include "windef.h"
#include "winerror.h"
#include "winbase.h"
#include "winnls.h"
#include "winver.h"
#include "wcrt.h"
// The other areas of the platform add their headers here as they exist.
#if __has_include(<winreg.h>)
#include <winreg.h>
#endif
#if __has_include(<winuser.h>)
#include <winuser.h>
#endif
#if __has_include(<wingdi.h>)
#include <wingdi.h>
#endif
#if __has_include(<commdlg.h>)
#include <commdlg.h>
#endif
#if __has_include(<ole2.h>)
#include <ole2.h>
#endif
