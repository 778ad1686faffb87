// The module's own instance handle, through which it reaches its resources.
#pragma once
#include <windef.h>

HINSTANCE ModuleInstance();
