// The text of DXF modeler-geometry groups back into SAT text.
#include <acadsim/AcisModel.h>

namespace acadsim {

void appendAcisDxfGroup(std::string& sat, int code, std::string_view encoded) {
  if (code == 1 && !sat.empty()) sat.push_back('\n');
  for (size_t i = 0; i < encoded.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(encoded[i]);
    if (c == '^' && i + 1 < encoded.size()) {
      // DXF writes a caret as "^ " and a control character as a caret and the character's letter.
      unsigned char next = static_cast<unsigned char>(encoded[++i]);
      c = next == ' ' ? '^' : static_cast<unsigned char>(next ^ 0x40);
    }
    sat.push_back(c == ' ' ? ' ' : static_cast<char>(static_cast<unsigned char>(159 - c)));
  }
}

}  // namespace acadsim
