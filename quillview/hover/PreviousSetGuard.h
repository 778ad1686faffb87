// Keeps the user's Previous, grip and pick-first sets across a pick made through the host's selection.
#pragma once
#include <adsdef.h>

class CPreviousSetGuard {
 public:
  CPreviousSetGuard() = default;
  ~CPreviousSetGuard() { Release(); }
  CPreviousSetGuard(const CPreviousSetGuard&) = delete;
  CPreviousSetGuard& operator=(const CPreviousSetGuard&) = delete;

  // Takes the grip and pick-first sets and captures the Previous set; arms the guard.
  void Save();
  // Makes the captured set the Previous set again and puts back the grip and pick-first sets (not during a
  // peek), then releases.
  void Restore();
  // Frees what was saved without restoring anything.
  void Release();

  bool IsArmed() const { return m_armed; }

 private:
  void PutBackPreviousSet();
  void RefreshGrips();

  resbuf* m_gripSet = nullptr;
  resbuf* m_pickFirstSet = nullptr;
  ads_name m_saved = {0, 0};
  bool m_captured = false;
  bool m_armed = false;
};
