#pragma once

#include "version_tree.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace geoplait::version {

// One node of version data before it is laid out in bytes.
struct VersionNode {
  std::string key;
  unsigned kind = kBinaryValue;
  std::vector<std::byte> value;
  std::vector<VersionNode> children;

  // A node whose value is text, stored with its NUL.
  static VersionNode Text(std::string key, std::string_view text);
  // A node whose value is a run of 32-bit words.
  static VersionNode Words(std::string key, const std::vector<std::uint32_t>& words);
};

// The bytes of the tree under root, in the layout that FindValue reads. False, with the
// reason in error, when a key or value is too long for its length field.
bool Serialize(const VersionNode& root, std::vector<std::byte>& out, std::string& error);

}  // namespace geoplait::version
