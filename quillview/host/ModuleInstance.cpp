#include "host/ModuleInstance.h"

#include "host/QuillviewRxApp.h"

HINSTANCE ModuleInstance() { return QuillviewRxApp().GetModuleInstance(); }
