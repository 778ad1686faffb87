#include "user/atom_table.h"

#include <vector>

#include "winbase.h"

namespace win32::user {

namespace {

constexpr ATOM kFirstAtom = 0xC000;

std::vector<std::u16string>& names() {
  static auto* table = new std::vector<std::u16string>;
  return *table;
}

}  // namespace

bool SameName(const std::u16string& a, const std::u16string& b) {
  return a.size() == b.size() && lstrcmpiW(a.c_str(), b.c_str()) == 0;
}

ATOM FindAtom(const std::u16string& name) {
  auto& table = names();
  for (size_t i = 0; i < table.size(); ++i)
    if (SameName(table[i], name)) return static_cast<ATOM>(kFirstAtom + i);
  return 0;
}

ATOM AddAtom(const std::u16string& name) {
  if (ATOM known = FindAtom(name)) return known;
  auto& table = names();
  if (table.size() >= 0x4000) return 0;
  table.push_back(name);
  return static_cast<ATOM>(kFirstAtom + table.size() - 1);
}

std::u16string AtomName(ATOM atom) {
  auto& table = names();
  if (atom < kFirstAtom || atom - kFirstAtom >= static_cast<int>(table.size())) return {};
  return table[atom - kFirstAtom];
}

std::u16string NameOf(LPCWSTR nameOrAtom) {
  if (!nameOrAtom) return {};
  if (IS_INTRESOURCE(nameOrAtom)) return AtomName(static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(nameOrAtom)));
  return nameOrAtom;
}

}  // namespace win32::user
