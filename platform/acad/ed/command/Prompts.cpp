// The prompts of the ADS interface, answered through the running command line with AutoCAD's rules.
#include <acedads.h>

#include <algorithm>
#include <optional>
#include <string>

#include "CommandSession.h"
#include "KeywordList.h"
#include "ReplyValues.h"

namespace {

using acadsim::command::Answer;
using acadsim::command::CommandSession;
using acadsim::command::InputReader;
using acadsim::command::KeywordList;
using acadsim::command::Point;

// Buffer sizes of the forms without one, in characters with the null.
constexpr size_t kKwordResultSize = 512;
constexpr size_t kStringResultSize = 133;
constexpr size_t kInputResultSize = 132;

struct InitGet {
  int bits = 0;
  KeywordList keywords;
};

struct PromptState {
  std::optional<InitGet> pending;
  std::optional<std::u16string> lastInput;
  // LASTPOINT, in UCS: where "@" replies start from.
  Point lastPoint{0, 0, 0};
};

PromptState& State() {
  static PromptState state;
  return state;
}

// acedInitGet holds for the next prompt only.
InitGet TakeInitGet() {
  InitGet taken = State().pending.value_or(InitGet{});
  State().pending.reset();
  State().lastInput.reset();
  return taken;
}

int CopyOut(const std::u16string& text, ACHAR* result, size_t size) {
  const size_t copied = std::min(text.size(), size - 1);
  std::copy_n(text.begin(), copied, result);
  result[copied] = 0;
  return copied < text.size() ? RTINPUTTRUNCATED : RTNORM;
}

std::u16string_view PromptText(const ACHAR* prompt) {
  return prompt == nullptr ? std::u16string_view() : std::u16string_view(prompt);
}

int AnswerStatus(const Answer& answer) { return answer.kind == Answer::Kind::Cancel ? RTCAN : RTERROR; }

// A keyword, or any text under RSG_OTHER, answers a numeric or point prompt with RTKWORD.
bool TakeAsKeyword(const InitGet& init, const std::u16string& text) {
  if (std::optional<std::u16string> keyword = init.keywords.match(text)) {
    State().lastInput = *keyword;
    return true;
  }
  if (init.bits & RSG_OTHER) {
    State().lastInput = text;
    return true;
  }
  return false;
}

// Asks until an answer passes; accept returns a status to end with, or nothing to ask again.
template <typename Accept>
int AskUntil(const ACHAR* prompt, int bits, Accept accept) {
  CommandSession* session = CommandSession::current();
  if (session == nullptr) return RTERROR;
  for (;;) {
    const Answer answer = session->ask(PromptText(prompt), InputReader::Mode::Word);
    if (answer.kind != Answer::Kind::Text) return AnswerStatus(answer);
    if (answer.text.empty()) {
      if (bits & RSG_NONULL) continue;
      return RTNONE;
    }
    if (std::optional<int> status = accept(*session, answer.text)) return *status;
  }
}

// The RSG_NOZERO and RSG_NONEG refusals of a number, or nothing when it passes.
template <typename Number>
std::optional<std::u16string_view> NumberRefusal(int bits, Number value) {
  if ((bits & RSG_NOZERO) && value == 0) return u"Value must be nonzero.";
  if ((bits & RSG_NONEG) && value < 0) return u"Value must be positive.";
  return std::nullopt;
}

double Elevation() {
  resbuf value{};
  return acedGetVar(u"ELEVATION", &value) == RTNORM && value.restype == RTREAL ? value.resval.rreal : 0.0;
}

int IntegerVariable(const ACHAR* name) {
  resbuf value{};
  return acedGetVar(name, &value) == RTNORM && value.restype == RTSHORT ? value.resval.rint : 0;
}

acadsim::command::AngleUnits TypedAngleUnits() {
  resbuf base{};
  const bool haveBase = acedGetVar(u"ANGBASE", &base) == RTNORM && base.restype == RTREAL;
  return {IntegerVariable(u"AUNITS"), haveBase ? base.resval.rreal : 0.0, IntegerVariable(u"ANGDIR") == 1};
}

}  // namespace

int acedInitGet(int val, const ACHAR* kwl) {
  State().pending = InitGet{val, KeywordList(PromptText(kwl))};
  return RTNORM;
}

int acedGetKword(const ACHAR* prompt, ACHAR* result) { return acedGetKword(prompt, result, kKwordResultSize); }

int acedGetKword(const ACHAR* prompt, ACHAR* result, size_t bufsize) {
  const InitGet init = TakeInitGet();
  if (result == nullptr || bufsize == 0) return RTERROR;
  result[0] = 0;
  return AskUntil(prompt, init.bits, [&](CommandSession& session, const std::u16string& text) -> std::optional<int> {
    std::optional<std::u16string> chosen = init.keywords.match(text);
    if (!chosen && (init.bits & RSG_OTHER)) chosen = text;
    if (!chosen) {
      session.complain(u"Invalid option keyword.");
      return std::nullopt;
    }
    State().lastInput = *chosen;
    return CopyOut(*chosen, result, bufsize);
  });
}

int acedGetInt(const ACHAR* prompt, int* result) {
  const InitGet init = TakeInitGet();
  if (result == nullptr) return RTERROR;
  return AskUntil(prompt, init.bits, [&](CommandSession& session, const std::u16string& text) -> std::optional<int> {
    // getint's range is a 16-bit integer's.
    const std::optional<long long> value = acadsim::command::ParseInteger(text);
    if (!value) {
      if (TakeAsKeyword(init, text)) return RTKWORD;
      session.complain(u"Requires an integer value.");
      return std::nullopt;
    }
    std::optional<std::u16string_view> refusal = NumberRefusal(init.bits, *value);
    if (*value < -32768 || *value > 32767) refusal = u"Requires an integer value.";
    if (refusal) {
      session.complain(*refusal);
      return std::nullopt;
    }
    *result = static_cast<int>(*value);
    return RTNORM;
  });
}

int acedGetReal(const ACHAR* prompt, ads_real* result) {
  const InitGet init = TakeInitGet();
  if (result == nullptr) return RTERROR;
  return AskUntil(prompt, init.bits, [&](CommandSession& session, const std::u16string& text) -> std::optional<int> {
    if (const std::optional<double> value = acadsim::command::ParseReal(text)) {
      if (std::optional<std::u16string_view> refusal = NumberRefusal(init.bits, *value)) {
        session.complain(*refusal);
        return std::nullopt;
      }
      *result = *value;
      return RTNORM;
    }
    if (TakeAsKeyword(init, text)) return RTKWORD;
    session.complain(u"Requires numeric value.");
    return std::nullopt;
  });
}

int acedGetString(int cronly, const ACHAR* prompt, ACHAR* result) {
  return acedGetString(cronly, prompt, result, kStringResultSize);
}

int acedGetString(int cronly, const ACHAR* prompt, ACHAR* result, size_t bufsize) {
  TakeInitGet();
  if (result == nullptr || bufsize == 0) return RTERROR;
  result[0] = 0;
  CommandSession* session = CommandSession::current();
  if (session == nullptr) return RTERROR;
  const Answer answer =
      session->ask(PromptText(prompt), cronly ? InputReader::Mode::Line : InputReader::Mode::LiteralWord);
  if (answer.kind != Answer::Kind::Text) return AnswerStatus(answer);
  return CopyOut(answer.text, result, bufsize);
}

int acedGetPoint(const ads_point pt, const ACHAR* prompt, ads_point result) {
  const InitGet init = TakeInitGet();
  if (result == nullptr) return RTERROR;
  const double elevation = Elevation();
  const acadsim::command::AngleUnits angles = TypedAngleUnits();
  return AskUntil(prompt, init.bits, [&](CommandSession& session, const std::u16string& text) -> std::optional<int> {
    if (const std::optional<Point> point = acadsim::command::ParsePoint(text, State().lastPoint, elevation, angles)) {
      State().lastPoint = *point;
      std::copy(point->begin(), point->end(), result);
      return RTNORM;
    }
    if (TakeAsKeyword(init, text)) return RTKWORD;
    session.complain(u"Invalid point.");
    return std::nullopt;
  });
}

int acedGetInput(ACHAR* str) { return acedGetInput(str, kInputResultSize); }

int acedGetInput(ACHAR* str, size_t bufsize) {
  if (str == nullptr || bufsize == 0 || !State().lastInput) return RTERROR;
  return CopyOut(*State().lastInput, str, bufsize);
}
