#include "DescribeRun.h"

#include <sstream>

#include "DescribeCommand.h"

namespace acadsim::testing {

std::map<std::string, int> DescribeRun::typeCounts() const {
  std::map<std::string, int> counts;
  for (const DescribedEntity& e : entities) ++counts[e.type];
  return counts;
}

DescribeRun RunDescribeInProcess(DescribeOptions options) {
  if (options.modulePath.empty()) options.modulePath = QV_BIN_DIR "/quillview.arx";
  std::ostringstream out, err;
  DescribeRun run;
  run.exitCode = RunDescribe(options, out, err);
  run.out = out.str();
  run.err = err.str();
  // Each entry: "=== HANDLE TYPE\n", the text, "\n\n".
  std::istringstream lines(run.out);
  std::string line;
  DescribedEntity* current = nullptr;
  while (std::getline(lines, line)) {
    if (line.rfind("=== ", 0) == 0) {
      const size_t space = line.find(' ', 4);
      run.entities.push_back({line.substr(4, space - 4), space == std::string::npos ? "" : line.substr(space + 1), ""});
      current = &run.entities.back();
    } else if (current) {
      current->text += line + "\n";
    }
  }
  // Drop the separator lines so text is what the module returned.
  for (DescribedEntity& e : run.entities)
    while (!e.text.empty() && e.text.back() == '\n') e.text.pop_back();
  return run;
}

}  // namespace acadsim::testing
