#include "version_tree_writer.h"

#include <cstring>
#include <limits>
#include <utility>

namespace geoplait::version {

namespace {

void Pad(std::vector<std::byte>& out) {
  out.resize(AlignUp(out.size()), std::byte{0});
}

template <typename T>
void Put(std::vector<std::byte>& out, std::size_t at, T value) {
  std::memcpy(out.data() + at, &value, sizeof value);
}

bool Write(const VersionNode& node, std::vector<std::byte>& out, std::string& error) {
  if (node.value.size() > std::numeric_limits<std::uint16_t>::max()) {
    error = "the value of " + node.key + " is too long";
    return false;
  }
  const std::size_t begin = out.size();
  out.resize(begin + kNodeHeaderSize);
  for (char c : node.key) {
    out.push_back(static_cast<std::byte>(c));
  }
  out.push_back(std::byte{0});
  Pad(out);
  out.insert(out.end(), node.value.begin(), node.value.end());
  Pad(out);
  for (const VersionNode& child : node.children) {
    if (!Write(child, out, error)) {
      return false;
    }
  }
  const std::size_t length = out.size() - begin;
  if (length > std::numeric_limits<std::uint32_t>::max()) {
    error = "the node " + node.key + " is too long";
    return false;
  }
  Put(out, begin, static_cast<std::uint32_t>(length));
  Put(out, begin + 4, static_cast<std::uint16_t>(node.value.size()));
  Put(out, begin + 6, static_cast<std::uint16_t>(node.kind));
  return true;
}

}  // namespace

VersionNode VersionNode::Text(std::string key, std::string_view text) {
  VersionNode node{std::move(key), kTextValue, {}, {}};
  for (char c : text) {
    node.value.push_back(static_cast<std::byte>(c));
  }
  node.value.push_back(std::byte{0});
  return node;
}

VersionNode VersionNode::Words(std::string key, const std::vector<std::uint32_t>& words) {
  VersionNode node{std::move(key), kBinaryValue, {}, {}};
  node.value.resize(words.size() * sizeof(std::uint32_t));
  if (!words.empty()) {
    std::memcpy(node.value.data(), words.data(), node.value.size());
  }
  return node;
}

bool Serialize(const VersionNode& root, std::vector<std::byte>& out, std::string& error) {
  out.clear();
  return Write(root, out, error);
}

}  // namespace geoplait::version
