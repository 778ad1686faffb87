// The setters of the application object (store, apply, write at once) and the reading of the stored settings.
#include <windows.h>

#include <algorithm>
#include <iterator>

#include "host/DemandLoad.h"
#include "host/HostKind.h"
#include "host/QuillviewApp.h"
#include "host/registry/RegAppCU.h"
#include "host/registry/RegKeyReadOnlyW.h"
#include "hover/RolloverTips.h"
#include "hover/Scope.h"

namespace {

constexpr const WCHAR* kSettingsKey = u"Settings";
// What GetDWord answers for a missing value, and for a stored 0xFFFFFFFF alike.
constexpr LONG kMissing = -1;

constexpr const WCHAR* kDefaultFace = u"Arial";
constexpr LONG kDefaultHeight = -12;
constexpr LONG kDefaultWeight = FW_NORMAL;
constexpr BYTE kDefaultPitchAndFamily = VARIABLE_PITCH | FF_SWISS;

// Opens a fresh pair of keys for one write; a key that cannot be opened makes the write a silent no-op.
template <typename Write>
void WriteSettings(Write write) {
  RegAppCU program(true, KEY_ALL_ACCESS);
  RegKeyW settings(kSettingsKey, program.Handle(), true, KEY_ALL_ACCESS);
  program.Close();
  if (settings.IsOpen()) write(settings);
}

// The "Settings" key opened for reading only.
class SettingsForReading {
 public:
  SettingsForReading()
      : m_program(RegAppCU::kPath, HKEY_CURRENT_USER, false, KEY_READ),
        m_settings(kSettingsKey, m_program.Handle(), false, KEY_READ) {}
  RegKeyW& Key() { return m_settings; }

 private:
  RegKeyReadOnlyW m_program;
  RegKeyReadOnlyW m_settings;
};

LONG OrDefault(LONG stored, LONG fallback) { return stored == kMissing ? fallback : stored; }

// Copies face into the 32-character field without splitting a surrogate pair; longer names are cut.
void SetFaceName(LOGFONTW& font, const WCHAR* face) {
  lstrcpynW(font.lfFaceName, face, LF_FACESIZE);
  const int length = lstrlenW(font.lfFaceName);
  if (length == LF_FACESIZE - 1 && font.lfFaceName[length - 1] >= 0xD800 && font.lfFaceName[length - 1] <= 0xDBFF) {
    font.lfFaceName[length - 1] = 0;
  }
}

}  // namespace

void CQuillviewApp::WriteSetting(const WCHAR* name, DWORD value) {
  WriteSettings([&](RegKeyW& settings) { settings.SetDWord(name, value); });
}

UINT CQuillviewApp::SetTimerInterval(UINT intervalMs) {
  const UINT previous = m_timerInterval;
  m_timerInterval = intervalMs;
  WriteSetting(u"TimerInterval", intervalMs);
  return previous;
}

// The status-bar button's image and check state follow once the host has a status bar.
bool CQuillviewApp::SetEnabled(bool enabled) {
  const bool previous = m_enabled;
  m_enabled = enabled;
  WriteSetting(u"Enabled", enabled ? 1 : 0);
  if (enabled) {
    TurnOffRolloverTips(m_rolloverTipsTurnedOff);
  } else {
    RestoreRolloverTips(m_rolloverTipsTurnedOff);
  }
  return previous;
}

bool CQuillviewApp::SetDefaultShowNested(bool showNested) {
  const bool previous = m_defaultShowNested;
  m_defaultShowNested = showNested;
  WriteSetting(u"DefaultShowNested", showNested ? 1 : 0);
  return previous;
}

bool CQuillviewApp::SetInvasive(bool invasive) {
  const bool previous = m_invasive;
  m_invasive = invasive;
  WriteSetting(u"Invasive", invasive ? 1 : 0);
  return previous;
}

bool CQuillviewApp::SetAutoLoad(bool autoLoad) {
  const bool previous = m_autoLoad;
  m_autoLoad = autoLoad;
  WriteSetting(u"AutoLoad", autoLoad ? 1 : 0);
  if (IsFullAutoCAD()) UpdateStartupFlag(m_acadAppKeyPath, autoLoad);
  return previous;
}

// Showing and placing the status-bar button follow once the host has a status bar.
bool CQuillviewApp::SetShowButton(bool showButton) {
  const bool previous = m_showButton;
  m_showButton = showButton;
  WriteSetting(u"ShowButton", showButton ? 1 : 0);
  return previous;
}

int CQuillviewApp::SetButtonPosition(int position) {
  const int previous = m_buttonPosition;
  m_buttonPosition = position;
  WriteSetting(u"ButtonPosition", position < 0 ? 0xFFFFFFFFu : static_cast<DWORD>(position));
  return previous;
}

LOGFONTW CQuillviewApp::DefaultFont() {
  LOGFONTW font{};
  SetFaceName(font, kDefaultFace);
  font.lfHeight = kDefaultHeight;
  font.lfWeight = kDefaultWeight;
  font.lfPitchAndFamily = kDefaultPitchAndFamily;
  font.lfCharSet = ANSI_CHARSET;
  return font;
}

void CQuillviewApp::LoadFont(LOGFONTW& font) {
  if (m_scope != nullptr) m_scope->GetMainFont(font);
  SettingsForReading stored;
  RegKeyW& settings = stored.Key();
  const WCHAR* face = settings.GetString(u"FontTypeface");
  SetFaceName(font, face != nullptr && face[0] != 0 ? face : kDefaultFace);
  font.lfHeight = OrDefault(settings.GetDWord(u"FontHeight"), kDefaultHeight);
  font.lfWeight = OrDefault(settings.GetDWord(u"FontWeight"), kDefaultWeight);
  font.lfItalic = static_cast<BYTE>(OrDefault(settings.GetDWord(u"FontItalic"), 0));
  font.lfPitchAndFamily = static_cast<BYTE>(OrDefault(settings.GetDWord(u"FontFamily"), kDefaultPitchAndFamily));
  font.lfCharSet = static_cast<BYTE>(OrDefault(settings.GetDWord(u"CharacterSet"), ANSI_CHARSET));
}

void CQuillviewApp::SaveFont(const LOGFONTW& given) {
  // Callers fill the record from outside sources; a face name that fills its field gets its terminator here.
  LOGFONTW font = given;
  if (std::find(std::begin(font.lfFaceName), std::end(font.lfFaceName), 0) == std::end(font.lfFaceName)) {
    WCHAR face[LF_FACESIZE + 1] = {};
    std::copy(std::begin(given.lfFaceName), std::end(given.lfFaceName), face);
    SetFaceName(font, face);
  }
  Scope().SetMainFont(font);
  WriteSettings([&](RegKeyW& settings) {
    settings.SetString(u"FontTypeface", font.lfFaceName);
    settings.SetDWord(u"FontHeight", static_cast<DWORD>(font.lfHeight));
    settings.SetDWord(u"FontWeight", static_cast<DWORD>(font.lfWeight));
    settings.SetDWord(u"FontItalic", font.lfItalic);
    settings.SetDWord(u"FontFamily", font.lfPitchAndFamily);
  });
}

void CQuillviewApp::LoadSettings() {
  LOGFONTW font{};
  LoadFont(font);
  SaveFont(font);

  SettingsForReading stored;
  RegKeyW& settings = stored.Key();
  if (!settings.IsOpen()) return;
  if (const LONG interval = settings.GetDWord(u"TimerInterval"); interval != kMissing) {
    SetTimerInterval(static_cast<UINT>(interval));
  }
  SetEnabled(settings.GetDWord(u"Enabled") != 0);
  SetShowButton(settings.GetDWord(u"ShowButton") != 0);
  SetButtonPosition(settings.GetDWord(u"ButtonPosition"));
  SetInvasive(settings.GetDWord(u"Invasive") != 0);
  SetDefaultShowNested(settings.GetDWord(u"DefaultShowNested") == 1);
  SetAutoLoad(settings.GetDWord(u"AutoLoad") != 0);
}
