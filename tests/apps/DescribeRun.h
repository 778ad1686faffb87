// Runs "acadsim describe" in this process and splits its listing into entries.
#pragma once
#include <map>
#include <string>
#include <vector>

#include "DescribeOptions.h"

namespace acadsim::testing {

struct DescribedEntity {
  std::string handle;
  std::string type;
  std::string text;
};

struct DescribeRun {
  int exitCode = 0;
  std::string out;
  std::string err;
  std::vector<DescribedEntity> entities;
  std::map<std::string, int> typeCounts() const;
};

// Describes with the module of this build unless the options name another.
DescribeRun RunDescribeInProcess(DescribeOptions options);

}  // namespace acadsim::testing
