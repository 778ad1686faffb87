// "-Quillview": one keyword question with the current state as its default, then at most one follow-up.
#include <acedads.h>
#include <qvwide.h>

#include "host/Commands.h"
#include "host/HostKind.h"
#include "host/ModuleStrings.h"
#include "host/QuillviewApp.h"
#include "hover/Scope.h"

namespace {

constexpr size_t kReplyChars = 512;

const std::u16string& K(StringId keyword) { return ModuleString(keyword); }
const std::u16string& D(StringId display) { return ModuleString(display); }
const std::u16string& S(StringId text) { return ModuleString(text); }

// "<" + option + ">": the option that Enter chooses.
std::u16string AsDefault(StringId display) { return S(IDS_ANGLE_OPEN) + D(display) + S(IDS_ANGLE_CLOSE); }

// The two choices of an on/off question, the one that toggles the current state in angle brackets.
std::u16string Choices(bool on, StringId onChoice, StringId offChoice) {
  if (on) return D(onChoice) + S(IDS_SLASH) + AsDefault(offChoice);
  return AsDefault(onChoice) + S(IDS_SLASH) + D(offChoice);
}

std::u16string JoinKeywords(std::initializer_list<StringId> keywords) {
  std::u16string list;
  for (StringId keyword : keywords) {
    if (!list.empty()) list += u' ';
    list += K(keyword);
  }
  return list;
}

struct AutostartParts {
  std::u16string keyword, display;
};

// Only full AutoCAD loads modules at start-up, so only there is autostart an option.
const AutostartParts& Autostart() {
  static const AutostartParts parts =
      IsFullAutoCAD() ? AutostartParts{K(IDS_KW_AUTOSTART) + u" ", D(IDS_SHOW_AUTOSTART) + S(IDS_SLASH)}
                      : AutostartParts{};
  return parts;
}

enum class Reply { kEnter, kKeyword, kNone };

// Asks with the keywords; the keyword typed is in reply.
Reply AskKeyword(const std::u16string& prompt, const std::u16string& keywords, std::u16string& reply) {
  if (acedInitGet(0, keywords.c_str()) != RTNORM) return Reply::kNone;
  WCHAR buffer[kReplyChars] = {};
  const int status = acedGetKword(prompt.c_str(), buffer, kReplyChars);
  if (status == RTNONE) return Reply::kEnter;
  if (status != RTNORM) return Reply::kNone;
  reply = buffer;
  return Reply::kKeyword;
}

// A follow-up question: Enter toggles the setting, a keyword sets it to whether it is one of onReplies.
template <typename Setter>
void AskOnOff(bool current, std::u16string prompt, std::initializer_list<StringId> keywords,
              std::initializer_list<StringId> onReplies, Setter set) {
  std::u16string reply;
  switch (AskKeyword(prompt, JoinKeywords(keywords), reply)) {
    case Reply::kEnter: set(!current); break;
    case Reply::kKeyword: {
      bool on = false;
      for (StringId onReply : onReplies) on = on || reply == K(onReply);
      set(on);
      break;
    }
    case Reply::kNone: break;
  }
}

std::u16string Bracketed(StringId question, const std::u16string& list, StringId open, StringId close) {
  return S(question) + S(IDS_SPACE) + S(open) + list + S(close) + S(IDS_COLON) + S(IDS_SPACE);
}

void AskAutostart(CQuillviewApp& app) {
  AskOnOff(app.AutoLoad(),
           Bracketed(IDS_PROMPT_AUTOSTART, Choices(app.AutoLoad(), IDS_SHOW_ENABLE, IDS_SHOW_DISABLE), IDS_OPEN_PAREN,
                     IDS_CLOSE_PAREN),
           {IDS_KW_ENABLE, IDS_KW_DISABLE, IDS_KW_ON, IDS_KW_OFF}, {IDS_KW_ENABLE, IDS_KW_ON},
           [&](bool on) { app.SetAutoLoad(on); });
}

void AskIcon(CQuillviewApp& app) {
  AskOnOff(app.ShowButton(),
           Bracketed(IDS_PROMPT_ICON, Choices(app.ShowButton(), IDS_SHOW_SHOW, IDS_SHOW_HIDE), IDS_BRACKET_OPEN,
                     IDS_BRACKET_CLOSE),
           {IDS_KW_SHOW, IDS_KW_HIDE, IDS_KW_ON, IDS_KW_OFF}, {IDS_KW_SHOW, IDS_KW_ON},
           [&](bool on) { app.SetShowButton(on); });
}

// The question is whether the Previous selection set is kept, the inverse of Invasive.
void AskKeepPrevious(CQuillviewApp& app) {
  AskOnOff(!app.Invasive(),
           Bracketed(IDS_PROMPT_KEEP_PREVIOUS, Choices(!app.Invasive(), IDS_SHOW_YES, IDS_SHOW_NO), IDS_BRACKET_OPEN,
                     IDS_BRACKET_CLOSE),
           {IDS_KW_YES, IDS_KW_NO}, {IDS_KW_YES}, [&](bool keep) { app.SetInvasive(!keep); });
}

void AskNested(CQuillviewApp& app) {
  AskOnOff(app.DefaultShowNested(),
           Bracketed(IDS_PROMPT_NESTED, Choices(app.DefaultShowNested(), IDS_SHOW_YES, IDS_SHOW_NO), IDS_BRACKET_OPEN,
                     IDS_BRACKET_CLOSE),
           {IDS_KW_YES, IDS_KW_NO}, {IDS_KW_YES}, [&](bool on) { app.SetDefaultShowNested(on); });
}

void ChooseFont(CQuillviewApp& app) {
  LOGFONTW font{};
  app.LoadFont(font);
  app.Scope();
  if (CScope::ChooseMainFont(font)) app.SaveFont(font);
}

void AskInterval(CQuillviewApp& app) {
  const std::u16string format = S(IDS_LINE_FEED) + S(IDS_PROMPT_INTERVAL) + S(IDS_SPACE) + S(IDS_ANGLE_OPEN) + u"%d" +
                                S(IDS_ANGLE_CLOSE) + S(IDS_COLON) + S(IDS_SPACE);
  const std::u16string prompt = FormatW(format.c_str(), static_cast<int>(app.TimerInterval()));
  if (acedInitGet(RSG_NONEG, nullptr) != RTNORM) return;
  int interval = 0;
  if (acedGetInt(prompt.c_str(), &interval) == RTNORM) app.SetTimerInterval(static_cast<UINT>(interval));
}

void SetEnabledAndHide(CQuillviewApp& app, bool enabled) {
  app.SetEnabled(enabled);
  app.Scope().HideAndArm(0);
}

std::u16string MainPrompt(const CQuillviewApp& app) {
  std::u16string list = Autostart().display + D(IDS_SHOW_ICON) + S(IDS_SLASH) + D(IDS_SHOW_SAVE) + S(IDS_SLASH) +
                        D(IDS_SHOW_FONT) + S(IDS_SLASH) + D(IDS_SHOW_TIMER) + S(IDS_SLASH) + D(IDS_SHOW_NESTED) +
                        S(IDS_SLASH) + Choices(app.Enabled(), IDS_SHOW_ENABLE, IDS_SHOW_DISABLE);
  return Bracketed(IDS_PROMPT_OPTIONS, list, IDS_BRACKET_OPEN, IDS_BRACKET_CLOSE);
}

std::u16string MainKeywords() {
  return JoinKeywords({IDS_KW_SAVE, IDS_KW_FONT, IDS_KW_ENABLE, IDS_KW_DISABLE}) + u" " + Autostart().keyword +
         JoinKeywords({IDS_KW_ON, IDS_KW_OFF, IDS_KW_ICON, IDS_KW_SHOW, IDS_KW_HIDE, IDS_KW_TIMER, IDS_KW_NESTED,
                       IDS_KW_YES, IDS_KW_NO});
}

}  // namespace

void SettingsCommandLine() {
  CQuillviewApp& app = QuillviewApp();
  std::u16string reply;
  switch (AskKeyword(MainPrompt(app), MainKeywords(), reply)) {
    case Reply::kEnter: SetEnabledAndHide(app, !app.Enabled()); return;
    case Reply::kNone: return;
    case Reply::kKeyword: break;
  }
  const auto is = [&](StringId keyword) { return reply == K(keyword); };
  if (is(IDS_KW_ENABLE) || is(IDS_KW_ON)) {
    SetEnabledAndHide(app, true);
  } else if (is(IDS_KW_DISABLE) || is(IDS_KW_OFF)) {
    SetEnabledAndHide(app, false);
  } else if (is(IDS_KW_YES)) {
    app.SetInvasive(false);
  } else if (is(IDS_KW_NO)) {
    app.SetInvasive(true);
  } else if (is(IDS_KW_SHOW)) {
    app.SetShowButton(true);
  } else if (is(IDS_KW_HIDE)) {
    app.SetShowButton(false);
  } else if (is(IDS_KW_AUTOSTART)) {
    AskAutostart(app);
  } else if (is(IDS_KW_ICON)) {
    AskIcon(app);
  } else if (is(IDS_KW_SAVE)) {
    AskKeepPrevious(app);
  } else if (is(IDS_KW_NESTED)) {
    AskNested(app);
  } else if (is(IDS_KW_FONT)) {
    ChooseFont(app);
  } else if (is(IDS_KW_TIMER)) {
    AskInterval(app);
  }
}
