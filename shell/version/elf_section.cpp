#include "elf_section.h"

#include <bit>
#include <cstring>
#include <elf.h>
#include <fstream>
#include <vector>

namespace geoplait::version {

namespace {

// No sane program comes near these; they keep a damaged header from asking for gigabytes.
constexpr std::uint64_t kMaxSections = 1 << 16;
constexpr std::uint64_t kMaxNameTableSize = 1 << 20;

bool ReadAt(std::ifstream& file, std::uint64_t offset, void* buffer, std::uint64_t size) {
  file.clear();
  file.seekg(static_cast<std::streamoff>(offset));
  file.read(static_cast<char*>(buffer), static_cast<std::streamsize>(size));
  return static_cast<std::uint64_t>(file.gcount()) == size;
}

template <typename Ehdr, typename Shdr>
std::optional<SectionExtent> FindSection(std::ifstream& file, std::string_view name) {
  Ehdr header;
  if (!ReadAt(file, 0, &header, sizeof header) || header.e_shentsize != sizeof(Shdr) ||
      header.e_shoff == 0) {
    return std::nullopt;
  }
  // With many sections the real count and name table index stand in section header 0.
  Shdr first;
  if (!ReadAt(file, header.e_shoff, &first, sizeof first)) {
    return std::nullopt;
  }
  const std::uint64_t count = header.e_shnum != 0 ? header.e_shnum : first.sh_size;
  const std::uint64_t names_index =
      header.e_shstrndx != SHN_XINDEX ? header.e_shstrndx : first.sh_link;
  if (count == 0 || names_index >= count || count > kMaxSections) {
    return std::nullopt;
  }
  std::vector<Shdr> sections(count);
  if (!ReadAt(file, header.e_shoff, sections.data(), count * sizeof(Shdr))) {
    return std::nullopt;
  }
  const Shdr& names_section = sections[names_index];
  if (names_section.sh_size > kMaxNameTableSize) {
    return std::nullopt;
  }
  std::vector<char> names(names_section.sh_size + 1, '\0');
  if (!ReadAt(file, names_section.sh_offset, names.data(), names_section.sh_size)) {
    return std::nullopt;
  }
  for (const Shdr& section : sections) {
    if (section.sh_name >= names_section.sh_size || section.sh_type == SHT_NOBITS) {
      continue;
    }
    if (std::string_view(names.data() + section.sh_name) == name) {
      return SectionExtent{section.sh_offset, section.sh_size};
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<SectionExtent> FindElfSection(const std::string& path, std::string_view name) {
  std::ifstream file(path, std::ios::binary);
  unsigned char ident[EI_NIDENT];
  if (!file || !ReadAt(file, 0, ident, sizeof ident) || std::memcmp(ident, ELFMAG, SELFMAG) != 0) {
    return std::nullopt;
  }
  const unsigned char native_order =
      std::endian::native == std::endian::little ? ELFDATA2LSB : ELFDATA2MSB;
  if (ident[EI_DATA] != native_order) {
    return std::nullopt;
  }
  if (ident[EI_CLASS] == ELFCLASS64) {
    return FindSection<Elf64_Ehdr, Elf64_Shdr>(file, name);
  }
  if (ident[EI_CLASS] == ELFCLASS32) {
    return FindSection<Elf32_Ehdr, Elf32_Shdr>(file, name);
  }
  return std::nullopt;
}

bool ReadFileExtent(const std::string& path, SectionExtent extent, void* buffer) {
  std::ifstream file(path, std::ios::binary);
  return file && ReadAt(file, extent.offset, buffer, extent.size);
}

}  // namespace geoplait::version
