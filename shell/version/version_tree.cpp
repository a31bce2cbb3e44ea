#include "version_tree.h"

#include <cstdint>
#include <cstring>

namespace geoplait::version {

namespace {

struct Node {
  std::string_view key;
  std::size_t value_offset;
  std::size_t value_size;
  unsigned kind;
  std::size_t children_begin;
  std::size_t end;
};

std::uint32_t ReadU32(std::span<const std::byte> data, std::size_t at) {
  std::uint32_t value;
  std::memcpy(&value, data.data() + at, sizeof value);
  return value;
}

std::uint16_t ReadU16(std::span<const std::byte> data, std::size_t at) {
  std::uint16_t value;
  std::memcpy(&value, data.data() + at, sizeof value);
  return value;
}

// Reads the node at offset, which must lie wholly within [offset, limit).
std::optional<Node> ReadNode(std::span<const std::byte> data, std::size_t offset,
                             std::size_t limit) {
  if (offset % 4 != 0 || offset > limit || limit - offset < kNodeHeaderSize) {
    return std::nullopt;
  }
  const std::size_t length = ReadU32(data, offset);
  if (length < kNodeHeaderSize || length > limit - offset) {
    return std::nullopt;
  }
  Node node;
  node.end = offset + length;
  node.value_size = ReadU16(data, offset + 4);
  node.kind = ReadU16(data, offset + 6);
  const std::size_t key_begin = offset + kNodeHeaderSize;
  const char* key = reinterpret_cast<const char*>(data.data()) + key_begin;
  const void* nul = std::memchr(key, '\0', node.end - key_begin);
  if (nul == nullptr) {
    return std::nullopt;
  }
  node.key = std::string_view(key, static_cast<const char*>(nul) - key);
  node.value_offset = AlignUp(key_begin + node.key.size() + 1);
  if (node.value_offset > node.end || node.value_size > node.end - node.value_offset) {
    return std::nullopt;
  }
  node.children_begin = AlignUp(node.value_offset + node.value_size);
  return node;
}

bool SameKey(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) {
    return false;
  }
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) {
      return false;
    }
  }
  return true;
}

std::optional<Node> FindChild(std::span<const std::byte> data, const Node& parent,
                              std::string_view key) {
  std::size_t at = parent.children_begin;
  while (at < parent.end) {
    const std::optional<Node> child = ReadNode(data, at, parent.end);
    if (!child) {
      return std::nullopt;
    }
    if (SameKey(child->key, key)) {
      return child;
    }
    at = AlignUp(child->end);
  }
  return std::nullopt;
}

}  // namespace

std::optional<ValueLocation> FindValue(std::span<const std::byte> data, std::string_view path) {
  std::optional<Node> node = ReadNode(data, 0, data.size());
  if (!node || node->key != kRootKey) {
    return std::nullopt;
  }
  while (!path.empty()) {
    const std::size_t separator = path.find('\\');
    const std::string_view key = path.substr(0, separator);
    path = separator == std::string_view::npos ? std::string_view() : path.substr(separator + 1);
    // Empty keys come from the leading backslash and from doubled ones; they name no level.
    if (key.empty()) {
      continue;
    }
    node = FindChild(data, *node, key);
    if (!node) {
      return std::nullopt;
    }
  }
  return ValueLocation{node->value_offset, node->value_size, node->kind};
}

}  // namespace geoplait::version
