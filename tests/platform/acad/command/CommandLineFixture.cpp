#include "CommandLineFixture.h"

#include <algorithm>
#include <memory>

namespace {

std::array<std::function<void()>, CommandLineTest::kSlots>& Bodies() {
  static std::array<std::function<void()>, CommandLineTest::kSlots> bodies;
  return bodies;
}

template <size_t N>
void RunSlot() {
  Bodies()[N]();
}

constexpr std::array<AcRxFunctionPtr, CommandLineTest::kSlots> kSlotFunctions = {
    &RunSlot<0>, &RunSlot<1>, &RunSlot<2>, &RunSlot<3>, &RunSlot<4>, &RunSlot<5>};

}  // namespace

bool BalancedLisp(std::u16string_view source) {
  int depth = 0;
  bool inString = false;
  for (size_t i = 0; i < source.size(); ++i) {
    const char16_t c = source[i];
    if (inString) {
      if (c == u'\\') ++i;
      else if (c == u'"') inString = false;
    } else if (c == u'"') {
      inString = true;
    } else if (c == u'(') {
      ++depth;
    } else if (c == u')') {
      --depth;
    }
  }
  return !inString && depth <= 0;
}

std::function<std::function<bool(std::u16string_view)>()> BalancedLispInput() {
  return [] {
    return [source = std::make_shared<std::u16string>()](std::u16string_view piece) {
      *source += piece;
      return BalancedLisp(*source);
    };
  };
}

void CommandLineTest::SetUp() {
  acadsim::SetCommandLineSink([this](std::u16string_view text) { transcript += text; });
  acedEditor->addReactor(&events);
}

void CommandLineTest::TearDown() {
  acedEditor->removeReactor(&events);
  acedRegCmds->removeGroup(kTestGroup);
  acadsim::SetCommandLineSink(nullptr);
  for (auto& body : Bodies()) body = nullptr;
}

Acad::ErrorStatus CommandLineTest::addCommand(const ACHAR* global, const ACHAR* local, Adesk::Int32 flags,
                                              std::function<void()> body, const ACHAR* group) {
  const size_t slot = m_nextSlot++;
  Bodies().at(slot) = std::move(body);
  return acedRegCmds->addCommand(group, global, local, flags, kSlotFunctions.at(slot));
}

std::u16string CommandLineTest::run(std::u16string script) {
  acadsim::CommandLineHooks hooks;
  hooks.evaluateLisp = [this](std::u16string_view source) {
    lispSources.emplace_back(source);
    for (const auto& [known, printed] : lispValues) {
      if (known != source) continue;
      auto answer = lispAnswers.find(known);
      return acadsim::LispOutcome{true, printed, {}, answer != lispAnswers.end() ? answer->second : printed};
    }
    return acadsim::LispOutcome{false, {}, u"no function definition: " + std::u16string(source), {}};
  };
  hooks.startLispInput = BalancedLispInput();
  hooks.lispCommandDefined = [this](std::u16string_view name) {
    return std::find(lispCommands.begin(), lispCommands.end(), name) != lispCommands.end();
  };
  hooks.demandLoadCommand = [this](std::u16string_view name) {
    demandLoadRequests.emplace_back(name);
    return onDemandLoad && onDemandLoad(name);
  };
  transcript.clear();
  acadsim::StringInputSource input(std::move(script));
  acadsim::CommandProcessor(hooks).run(input);
  return transcript;
}
