#include "version_tree.h"

#include "version_tree_writer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace geoplait::version {
namespace {

std::vector<std::byte> SampleData() {
  VersionNode block{"040904E4", kBinaryValue, {}, {}};
  block.children.push_back(VersionNode::Text("ProductName", "Geoplait"));
  block.children.push_back(VersionNode::Text("ProductVersion", "1.0"));
  VersionNode root{std::string(kRootKey), kBinaryValue, {std::byte{7}}, {}};
  root.children.push_back(VersionNode{"StringFileInfo", kBinaryValue, {}, {block}});
  root.children.push_back(VersionNode{
      "VarFileInfo", kBinaryValue, {}, {VersionNode::Words("Translation", {0x04E40409})}});
  std::vector<std::byte> data;
  std::string error;
  EXPECT_TRUE(Serialize(root, data, error)) << error;
  return data;
}

std::string TextAt(const std::vector<std::byte>& data, const ValueLocation& at) {
  return std::string(reinterpret_cast<const char*>(data.data()) + at.offset, at.size);
}

TEST(VersionTreeTest, FindsValuesByPathWithoutRegardToCase) {
  const std::vector<std::byte> data = SampleData();
  const struct {
    const char* path;
    std::optional<std::string> text;
  } cases[] = {
      {"\\StringFileInfo\\040904E4\\ProductName", std::string("Geoplait\0", 9)},
      {"\\stringfileinfo\\040904e4\\PRODUCTVERSION", std::string("1.0\0", 4)},
      {"\\", std::string("\x07", 1)},
      {"\\StringFileInfo\\040904E4\\LegalCopyright", std::nullopt},
      {"\\StringFileInfo\\040704E4\\ProductName", std::nullopt},
      {"\\StringFileInfo\\040904E4\\ProductNam", std::nullopt},
      {"\\VarFileInfo\\Translation\\More", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    const std::optional<ValueLocation> found = FindValue(data, c.path);
    ASSERT_EQ(found.has_value(), c.text.has_value());
    if (found) {
      EXPECT_EQ(TextAt(data, *found), *c.text);
    }
  }
  const std::optional<ValueLocation> translation = FindValue(data, "\\VarFileInfo\\Translation");
  ASSERT_TRUE(translation);
  ASSERT_EQ(translation->size, 4u);
  std::uint32_t entry;
  std::memcpy(&entry, data.data() + translation->offset, 4);
  EXPECT_EQ(entry, 0x04E40409u);
}

TEST(VersionTreeTest, DataWithAnotherRootFindsNothing) {
  VersionNode root{"SomethingElse", kBinaryValue, {}, {VersionNode::Text("ProductName", "x")}};
  std::vector<std::byte> data;
  std::string error;
  ASSERT_TRUE(Serialize(root, data, error));
  EXPECT_FALSE(FindValue(data, "\\"));
  EXPECT_FALSE(FindValue(data, "\\ProductName"));
  EXPECT_FALSE(FindValue({}, "\\"));
}

// Version data comes from a file that may be damaged: no damage may lead the lookup outside
// the data.
TEST(VersionTreeTest, DamagedDataNeverLeadsOutsideIt) {
  const std::vector<std::byte> good = SampleData();
  const char* paths[] = {"\\StringFileInfo\\040904E4\\ProductVersion",
                         "\\VarFileInfo\\Translation"};
  for (std::size_t at = 0; at < good.size(); ++at) {
    for (std::byte damage : {std::byte{0x00}, std::byte{0xFF}, std::byte{0x41}}) {
      std::vector<std::byte> data = good;
      data[at] = damage;
      for (const char* path : paths) {
        const std::optional<ValueLocation> found = FindValue(data, path);
        if (found) {
          EXPECT_LE(found->offset + found->size, data.size()) << "byte " << at;
        }
      }
    }
    const std::vector<std::byte> cut(good.begin(), good.begin() + at);
    EXPECT_FALSE(FindValue(cut, paths[0])) << "cut at " << at;
  }
}

}  // namespace
}  // namespace geoplait::version
