// The single application object: the settings and everything the module starts while it is loaded.
#pragma once
#include <windows.h>

#include <memory>

#include "host/ComClientManager.h"
#include "hover/InputHooks.h"

class CommandReactor;
class CScope;
class ExtenderRegistry;

class CQuillviewApp : public CComClientManager<CQuillviewApp> {
 public:
  static constexpr size_t kAcadAppKeyPathChars = 512;

  CQuillviewApp();
  ~CQuillviewApp() override;

  // Everything that runs while the module is loaded, in the order the host expects; false when a step the
  // module needs failed (the module stays loaded all the same).
  bool Start();
  void Stop();

  // Each setter stores, applies and writes the setting at once, and returns the previous value.
  UINT SetTimerInterval(UINT intervalMs);
  bool SetEnabled(bool enabled);
  bool SetDefaultShowNested(bool showNested);
  bool SetInvasive(bool invasive);
  bool SetAutoLoad(bool autoLoad);
  bool SetShowButton(bool showButton);
  int SetButtonPosition(int position);
  // The font of a fresh installation: what LoadFont gives with nothing stored.
  static LOGFONTW DefaultFont();
  // The stored font over the scope window's current one; missing values give the defaults.
  void LoadFont(LOGFONTW& font);
  // Gives the font to the scope window and writes its five stored fields.
  void SaveFont(const LOGFONTW& font);
  // Reads every stored setting and applies it through the setters.
  void LoadSettings();

  UINT TimerInterval() const { return m_timerInterval; }
  bool Enabled() const { return m_enabled; }
  bool DefaultShowNested() const { return m_defaultShowNested; }
  bool Invasive() const { return m_invasive; }
  bool AutoLoad() const { return m_autoLoad; }
  bool ShowButton() const { return m_showButton; }
  int ButtonPosition() const { return m_buttonPosition; }
  const WCHAR* AcadAppKeyPath() const { return m_acadAppKeyPath; }

  // Created on first use, owned by the host's main window.
  CScope& Scope();
  bool HasScope() const { return m_scope != nullptr; }
  ExtenderRegistry& Extenders();

  HHOOK Hook(HookKind kind) const { return m_hooks[static_cast<size_t>(kind)]; }
  // Set only while a peek shows a description: the pick then runs inside commands and keeps no Previous set.
  bool PeekInProgress() const { return m_peekInProgress != 0; }
  void SetPeekInProgress(bool peeking) { m_peekInProgress = peeking ? 1 : 0; }
  bool RolloverTipsTurnedOff() const { return m_rolloverTipsTurnedOff; }

 private:
  void WriteSetting(const WCHAR* name, DWORD value);
  // The hooks in their order, each only after the one before it; false when one could not be installed.
  bool InstallHooks();
  void RemoveHooks();

  WCHAR m_acadAppKeyPath[kAcadAppKeyPathChars];
  bool m_enabled = true;
  UINT m_timerInterval = 500;
  bool m_defaultShowNested = false;
  bool m_invasive = true;
  bool m_autoLoad = true;
  bool m_showButton = true;
  int m_buttonPosition = -1;
  std::unique_ptr<CScope> m_scope;
  std::unique_ptr<ExtenderRegistry> m_extenders;
  BYTE m_peekInProgress = 0;
  HHOOK m_hooks[static_cast<size_t>(HookKind::kCount)] = {};
  std::unique_ptr<CommandReactor> m_commandReactor;
  bool m_rolloverTipsTurnedOff = false;
};

// The module's application object.
CQuillviewApp& QuillviewApp();
