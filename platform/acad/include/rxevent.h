// Events of the host that modules follow through reactors.
#pragma once
#include "rxboiler.h"
#include "rxobject.h"

class AcRxEventReactor : public AcRxObject {
 public:
  ACRX_DECLARE_MEMBERS(AcRxEventReactor);
};

class AcRxEvent : public AcRxObject {
 public:
  ACRX_DECLARE_MEMBERS(AcRxEvent);
  // A reactor added twice is told once; removing one that is not there does nothing.
  virtual void addReactor(AcRxEventReactor* newObj) = 0;
  virtual void removeReactor(AcRxEventReactor* delObj) = 0;
};
