#include "hover/PickVariables.h"

#include <acedads.h>
#include <acutads.h>

#include <map>

const CString& PickVariableName(PickVariable v) {
  static std::map<PickVariable, CString> names;
  CString& name = names[v];
  if (name.IsEmpty()) name.LoadString(static_cast<UINT>(v));
  return name;
}

bool ReadShortVariable(const ACHAR* name, short& value) {
  resbuf rb{};
  if (acedGetVar(name, &rb) != RTNORM) return false;
  if (rb.restype == RTSTR) acutDelString(rb.resval.rstring);
  if (rb.restype != RTSHORT) return false;
  value = rb.resval.rint;
  return true;
}

bool WriteShortVariable(const ACHAR* name, short value) {
  resbuf rb{};
  rb.restype = RTSHORT;
  rb.resval.rint = value;
  return acedSetVar(name, &rb) == RTNORM;
}

TemporaryShortVariable::TemporaryShortVariable(const ACHAR* name, short during) : m_name(name) {
  if (ReadShortVariable(m_name, m_before) && m_before != during) m_changed = WriteShortVariable(m_name, during);
}

void TemporaryShortVariable::PutBack() {
  if (m_changed) WriteShortVariable(m_name, m_before);
  m_changed = false;
}
