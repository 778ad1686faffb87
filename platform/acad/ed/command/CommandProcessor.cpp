#include <acadsim/CommandProcessor.h>

#include "CommandSession.h"

namespace acadsim {

CommandProcessor::CommandProcessor(CommandLineHooks hooks) : m_hooks(std::move(hooks)) {}

void CommandProcessor::run(InputSource& input) {
  command::CommandSession session(input, m_hooks);
  session.run();
}

}  // namespace acadsim
