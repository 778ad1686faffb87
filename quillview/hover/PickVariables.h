// The system variables the cursor pick and its guard change, their names from the string table.
#pragma once
#include <AdAChar.h>
#include <afxstr.h>

enum class PickVariable : UINT { kGrips = 32, kHighlight = 33, kExtmin = 35, kPickStyle = 40, kPickFirst = 41 };

// The name of v from the current resource module, loaded once on first use (retried while it is missing).
const CString& PickVariableName(PickVariable v);

// A 16-bit variable; false, leaving value, when the host cannot read it as one.
bool ReadShortVariable(const ACHAR* name, short& value);
bool WriteShortVariable(const ACHAR* name, short value);

// A variable set to a value for a while and put back afterwards; one whose read fails is left alone.
class TemporaryShortVariable {
 public:
  TemporaryShortVariable(const ACHAR* name, short during);
  TemporaryShortVariable(PickVariable v, short during) : TemporaryShortVariable(PickVariableName(v), during) {}
  ~TemporaryShortVariable() { PutBack(); }
  TemporaryShortVariable(const TemporaryShortVariable&) = delete;
  TemporaryShortVariable& operator=(const TemporaryShortVariable&) = delete;
  // Puts back the value read, once, when the variable was changed.
  void PutBack();

 private:
  CString m_name;
  short m_before = 0;
  bool m_changed = false;
};
