// Finding a host class by name in the class dictionary.
#pragma once
#include <rxclass.h>

// The class of that name, or null when there is none or the entry is not a class.
AcRxClass* FindHostClass(const ACHAR* className);
