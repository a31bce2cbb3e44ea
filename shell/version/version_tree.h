#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace geoplait::version {

// Version data is one tree of nodes. Each node is a 4-byte-aligned record:
//   u32 length of the whole node, children included
//   u16 length of the value in bytes
//   u16 kind of the value (kBinaryValue or kTextValue)
//   the key, NUL-terminated, then padding to a multiple of 4
//   the value, then padding to a multiple of 4
//   the child nodes
// The root's key is kRootKey and its value the fixed part. The root has a child
// "StringFileInfo" with one child block per language and code page, named by eight hex digits,
// whose children hold the texts; and a child "VarFileInfo" whose child "Translation" holds
// 32-bit entries, the language in the low half and the code page in the high half.
inline constexpr std::string_view kRootKey = "GeoplaitVersionInfo";
inline constexpr std::string_view kSectionName = ".geoplait_version";
inline constexpr std::size_t kNodeHeaderSize = 8;
inline constexpr unsigned kBinaryValue = 0;
inline constexpr unsigned kTextValue = 1;

// The fixed part: the root's value.
struct FixedPart {
  std::uint16_t file_version[4];
  std::uint16_t product_version[4];
  std::uint32_t file_type;  // kApplication for a program
};
inline constexpr std::uint32_t kApplication = 1;

constexpr std::size_t AlignUp(std::size_t offset) {
  return (offset + 3) & ~std::size_t{3};
}

// Where a value lies inside the data.
struct ValueLocation {
  std::size_t offset;
  std::size_t size;
  unsigned kind;
};

// Finds the value at path, whose keys are separated by backslashes ("\" alone names the root's
// value). Keys match without regard to ASCII letter case. Malformed data finds nothing.
std::optional<ValueLocation> FindValue(std::span<const std::byte> data, std::string_view path);

}  // namespace geoplait::version
