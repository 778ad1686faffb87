#include "winbase.h"

namespace {
thread_local DWORD lastError = ERROR_SUCCESS;  // per thread, as on Windows
}

extern "C" DWORD WINAPI GetLastError(void) { return lastError; }

extern "C" void WINAPI SetLastError(DWORD dwErrCode) { lastError = dwErrCode; }
