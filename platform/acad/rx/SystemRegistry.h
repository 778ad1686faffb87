// The host's registry roots, reachable inside the host without starting the class system.
#pragma once
#include <rxdict.h>

namespace acadsim::rx {

class DynamicLinker;

struct Registry {
  AcRxDictionary* system;
  AcRxDictionary* classes;
  AcRxDictionary* services;
  DynamicLinker* linker;
};

// The command line's objects (ed/command) that the system registry holds.
AcRxObject* NewHostCommandStack();
AcRxObject* NewHostEditor();

// Created on first use and kept for the life of the process, as the host's registry is.
const Registry& Roots();

}  // namespace acadsim::rx
