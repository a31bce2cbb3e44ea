#include "version_source.h"

#include "version_tree.h"
#include "version_tree_writer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace geoplait::version {
namespace {

TEST(VersionSourceTest, BuildsTheTreeTheReaderSearches) {
  const char* source =
      "# a comment\n"
      "file-version 1.2.3.4\n"
      "product-version 1.0.0.0\n"
      "file-type application\n"
      "translation 0x0409 1252\n"
      "\n"
      "block 040904E4\n"
      "  ProductName =  Geoplait for Linux  \r\n"
      "Empty =\n";
  VersionNode root;
  std::string error;
  ASSERT_TRUE(ParseVersionSource(source, root, error)) << error;
  std::vector<std::byte> data;
  ASSERT_TRUE(Serialize(root, data, error)) << error;

  const auto name = FindValue(data, "\\StringFileInfo\\040904E4\\ProductName");
  ASSERT_TRUE(name);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(data.data()) + name->offset, name->size),
            std::string("Geoplait for Linux\0", 19));
  const auto empty = FindValue(data, "\\StringFileInfo\\040904E4\\Empty");
  ASSERT_TRUE(empty);
  EXPECT_EQ(empty->size, 1u);

  const auto translation = FindValue(data, "\\VarFileInfo\\Translation");
  ASSERT_TRUE(translation);
  std::uint32_t entry;
  std::memcpy(&entry, data.data() + translation->offset, sizeof entry);
  EXPECT_EQ(entry, 0x04E40409u);

  const auto fixed = FindValue(data, "\\");
  ASSERT_TRUE(fixed);
  ASSERT_EQ(fixed->size, sizeof(FixedPart));
  FixedPart part;
  std::memcpy(&part, data.data() + fixed->offset, sizeof part);
  EXPECT_EQ(part.file_version[0], 1);
  EXPECT_EQ(part.file_version[3], 4);
  EXPECT_EQ(part.product_version[0], 1);
  EXPECT_EQ(part.product_version[1], 0);
  EXPECT_EQ(part.file_type, kApplication);
}

TEST(VersionSourceTest, RefusesTextsOutOfForm) {
  const struct {
    const char* source;
    const char* error;
  } cases[] = {
      {"ProductName = Geoplait\n", "line 1: a text stands outside any block"},
      {"block A\nProductName = x\nProductName = y\n",
       "line 3: the text ProductName is given twice"},
      {"\nfile-version 1.0\n", "line 2: bad file version"},
      {"product-version 1.0.0.70000\n", "line 1: bad product version"},
      {"translation 0x0409\n", "line 1: a translation is a language and a code page"},
      {"translation 0x10000 1252\n", "line 1: a translation is a language and a code page"},
      {"file-type library\n", "line 1: the only file type is application"},
      {"block two words\n", "line 1: a block needs one name without blanks or backslashes"},
      {"block A\nPath\\Name = x\n", "line 2: a text needs a name without backslashes"},
      {"version 1.0\n", "line 1: unknown statement"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.source);
    VersionNode root;
    std::string error;
    EXPECT_FALSE(ParseVersionSource(c.source, root, error));
    EXPECT_EQ(error, c.error);
  }
}

}  // namespace
}  // namespace geoplait::version
