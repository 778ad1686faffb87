// Iterators over the host's run-time collections.
#pragma once
#include "rxobject.h"

class AcRxIterator : public AcRxObject {
 public:
  virtual Adesk::Boolean done() const = 0;
  virtual Adesk::Boolean next() = 0;
  virtual AcRxObject* object() const = 0;
};

class AcRxDictionaryIterator : public AcRxIterator {
 public:
  virtual const ACHAR* key() const = 0;
  virtual Adesk::UInt32 id() const = 0;
};
