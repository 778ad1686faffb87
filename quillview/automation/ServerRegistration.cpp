// Registration of the automation server with COM.
#include <windows.h>

#include "quillview/QuillviewApi.h"

// The automation server comes with the host's COM runtime; until then there is nothing to register.
QUILLVIEW_EXPORT HRESULT DllRegisterServer() { return E_NOTIMPL; }
QUILLVIEW_EXPORT HRESULT DllUnregisterServer() { return E_NOTIMPL; }
