#include "project_rc_version.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

namespace geoplait {
namespace {

// The four texts a reader gives; nothing where the getter returns false.
struct Texts {
  std::optional<std::string> product_name;
  std::optional<std::string> product_version;
  std::optional<std::string> legal_copyright;
  std::optional<std::string> special_build;

  bool operator==(const Texts&) const = default;
};

void PrintTo(const std::optional<std::string>& text, std::ostream* os) {
  *os << (text ? "\"" + *text + "\"" : std::string("(none)"));
}

void PrintTo(const Texts& texts, std::ostream* os) {
  *os << "{";
  PrintTo(texts.product_name, os);
  *os << ", ";
  PrintTo(texts.product_version, os);
  *os << ", ";
  PrintTo(texts.legal_copyright, os);
  *os << ", ";
  PrintTo(texts.special_build, os);
  *os << "}";
}

using Getter = bool (TProjectRCVersion::*)(const char**) const;

std::optional<std::string> Get(const TProjectRCVersion& reader, Getter getter) {
  const char* text = nullptr;
  if (!(reader.*getter)(&text)) {
    return std::nullopt;
  }
  return text == nullptr ? "(null pointer)" : text;
}

Texts Read(const TProjectRCVersion& reader) {
  return {Get(reader, &TProjectRCVersion::GetProductName),
          Get(reader, &TProjectRCVersion::GetProductVersion),
          Get(reader, &TProjectRCVersion::GetLegalCopyright),
          Get(reader, &TProjectRCVersion::GetSpecialBuild)};
}

const Texts kNoTexts{};

TEST(ProjectRCVersionTest, ReadsEachKindOfVersionData) {
  const testing::TempDir dir;
  const struct {
    const char* name;
    std::string file;
    Texts expected;
  } cases[] = {
      {"the programs' own data",
       GEOPLAIT_MERGE,
       {"Geoplait", "1.0", "Copyright (C) 2026 Geoplait", std::nullopt}},
      {"no ProductVersion",
       FIXTURE_NO_PRODUCT_VERSION,
       {"Geoplait", std::nullopt, "Copyright (C) 2026 Geoplait", std::nullopt}},
      {"a special build, its block named in lower case",
       FIXTURE_WITH_BUILD_NOTE,
       {"Geoplait", "1.1", "Copyright (C) 2026 Geoplait", "Test build"}},
      {"no translation entry", FIXTURE_NO_TRANSLATION, kNoTexts},
      {"a translation entry whose block does not exist", FIXTURE_MISSING_BLOCK, kNoTexts},
      {"a program without version data", RunningExecutableFile(), kNoTexts},
      {"a file that is no program",
       dir.Write("notes.txt",
                 "\x7f"
                 "ELF but not really\n"),
       kNoTexts},
      {"a file that does not exist", dir.File("missing"), kNoTexts},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const TProjectRCVersion reader(c.file);
    EXPECT_EQ(Read(reader), c.expected);
  }
}

// The data is read when the reader is made: a later reader sees the file as it is then, and an
// earlier one keeps what it read.
TEST(ProjectRCVersionTest, ReadsTheFileAsItIsWhenMade) {
  const testing::TempDir dir;
  const std::string program = dir.File("program");
  std::filesystem::copy_file(GEOPLAIT_MERGE, program);
  const TProjectRCVersion first(program);

  std::filesystem::copy_file(FIXTURE_WITH_BUILD_NOTE, program,
                             std::filesystem::copy_options::overwrite_existing);
  const TProjectRCVersion second(program);

  EXPECT_EQ(Read(first).product_version, "1.0");
  EXPECT_EQ(Read(second).product_version, "1.1");
  EXPECT_EQ(Read(second).special_build, "Test build");
}

}  // namespace
}  // namespace geoplait
