// The flags of "acadsim describe".
#pragma once
#include <string>
#include <vector>

namespace acadsim {

enum class SpaceSelection { Model, Paper, All };

struct DescribeOptions {
  std::string drawing;
  std::vector<std::string> handles;  // hexadecimal, as given
  SpaceSelection space = SpaceSelection::Model;
  std::string modulePath;            // empty: quillview.arx beside acadsim
};

// Parses the arguments after "describe"; false with a message in error when they are not valid.
bool ParseDescribeOptions(const std::vector<std::string>& args, DescribeOptions& options, std::string& error);

}  // namespace acadsim
