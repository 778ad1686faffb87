#include "string_table.h"

#include "rc_lexer.h"

void StringTableBuilder::add(uint16_t language, uint32_t id, std::u16string text, const std::string& where) {
  if (id > 0xffff) throw RcError(where, "string id " + std::to_string(id) + " is out of range 0-65535");
  if (text.size() > 0xffff) throw RcError(where, "string longer than 65535 characters");
  auto [it, inserted] = strings_.emplace(std::make_pair(language, id), std::make_pair(std::move(text), where));
  if (!inserted) throw RcError(where, "duplicate string id " + std::to_string(id) + " (first at " + it->second.second + ")");
}

std::vector<Resource> StringTableBuilder::blocks() const {
  std::vector<Resource> out;
  for (auto it = strings_.begin(); it != strings_.end();) {
    uint16_t language = it->first.first;
    uint32_t block = it->first.second / 16;
    Resource resource;
    resource.type.id = kRtString;
    resource.name.id = block + 1;
    resource.language = language;
    resource.where = it->second.second;
    for (uint32_t slot = 0; slot < 16; ++slot) {
      std::u16string text;
      if (it != strings_.end() && it->first == std::make_pair(language, block * 16 + slot)) {
        text = it->second.first;
        ++it;
      }
      resource.data.push_back(static_cast<uint8_t>(text.size() & 0xff));
      resource.data.push_back(static_cast<uint8_t>(text.size() >> 8));
      for (char16_t c : text) {
        resource.data.push_back(static_cast<uint8_t>(c & 0xff));
        resource.data.push_back(static_cast<uint8_t>(c >> 8));
      }
    }
    out.push_back(std::move(resource));
  }
  return out;
}
