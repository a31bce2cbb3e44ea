#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace geoplait::version {

// Where the bytes of one section lie in an ELF file.
struct SectionExtent {
  std::uint64_t offset;
  std::uint64_t size;
};

// Finds the section called name in the ELF file at path. Nothing when the file cannot be read,
// is no ELF file of this machine's byte order, or has no such section with bytes in the file.
std::optional<SectionExtent> FindElfSection(const std::string& path, std::string_view name);

// Reads extent.size bytes at extent.offset of the file at path into buffer. False when the file
// cannot be read or ends early.
bool ReadFileExtent(const std::string& path, SectionExtent extent, void* buffer);

}  // namespace geoplait::version
