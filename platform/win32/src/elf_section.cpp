#include "elf_section.h"

#include <elf.h>

#include <cstdio>
#include <cstring>
#include <memory>

#include "winerror.h"

namespace win32 {

namespace {

struct FileCloser {
  void operator()(FILE* f) const { fclose(f); }
};
using File = std::unique_ptr<FILE, FileCloser>;

bool readAt(FILE* file, uint64_t offset, uint64_t fileSize, void* out, uint64_t size) {
  if (offset > fileSize || size > fileSize - offset) return false;
  if (fseeko(file, static_cast<off_t>(offset), SEEK_SET) != 0) return false;
  return size == 0 || fread(out, 1, size, file) == size;
}

}  // namespace

bool ReadElfSection(const std::string& path, const char* section, std::vector<uint8_t>& contents, DWORD& error) {
  File file(fopen(path.c_str(), "rb"));
  if (!file) {
    error = ERROR_FILE_NOT_FOUND;
    return false;
  }
  error = ERROR_BAD_FORMAT;
  if (fseeko(file.get(), 0, SEEK_END) != 0) return false;
  uint64_t fileSize = static_cast<uint64_t>(ftello(file.get()));
  Elf64_Ehdr header;
  if (!readAt(file.get(), 0, fileSize, &header, sizeof header)) return false;
  if (std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0 || header.e_ident[EI_CLASS] != ELFCLASS64 ||
      header.e_ident[EI_DATA] != ELFDATA2LSB || header.e_shentsize != sizeof(Elf64_Shdr) ||
      header.e_shstrndx >= header.e_shnum)
    return false;
  std::vector<Elf64_Shdr> sections(header.e_shnum);
  if (!readAt(file.get(), header.e_shoff, fileSize, sections.data(), sections.size() * sizeof(Elf64_Shdr)))
    return false;
  const Elf64_Shdr& names = sections[header.e_shstrndx];
  if (names.sh_size > fileSize) return false;
  std::vector<char> nameTable(names.sh_size + 1, 0);
  if (!readAt(file.get(), names.sh_offset, fileSize, nameTable.data(), names.sh_size)) return false;
  for (const Elf64_Shdr& s : sections) {
    if (s.sh_name >= names.sh_size || std::strcmp(&nameTable[s.sh_name], section) != 0) continue;
    if (s.sh_type != SHT_PROGBITS || s.sh_size > fileSize) return false;
    contents.resize(s.sh_size);
    if (!readAt(file.get(), s.sh_offset, fileSize, contents.data(), s.sh_size)) return false;
    return true;
  }
  error = ERROR_RESOURCE_DATA_NOT_FOUND;
  return false;
}

}  // namespace win32
