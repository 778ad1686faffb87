// The ObjectARX side of an MFC extension library: the module's resources made current for a while.
#pragma once
#include <afxdllx.h>

// Makes the module's resources current for its lifetime and restores the previous source on every way out.
class CAcModuleResourceOverride {
 public:
  explicit CAcModuleResourceOverride(HINSTANCE resources) : m_previous(AfxGetResourceHandle()) {
    AfxSetResourceHandle(resources);
  }
  ~CAcModuleResourceOverride() { AfxSetResourceHandle(m_previous); }
  CAcModuleResourceOverride(const CAcModuleResourceOverride&) = delete;
  CAcModuleResourceOverride& operator=(const CAcModuleResourceOverride&) = delete;

 private:
  HINSTANCE m_previous;
};
