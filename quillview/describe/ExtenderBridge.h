// The link through which a QuillviewPX hands a description to an automation extender.
#pragma once
#include "describe/ScopeText.h"

class AcDbEntity;

class CExtenderBridge {
 public:
  virtual void Describe(ScopeText& text, AcDbEntity* entity, int gsMarker) = 0;

 protected:
  ~CExtenderBridge() = default;  // never owned or deleted through the bridge
};
