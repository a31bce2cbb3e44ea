#include "project_rc_version.h"

#include "elf_section.h"
#include "version_tree.h"

#include <cstdio>
#include <span>

namespace geoplait {

namespace {

// Far above any real version data; a larger section is taken as damage.
constexpr std::uint64_t kMaxVersionDataSize = 1 << 20;

std::span<const std::byte> Bytes(const std::vector<std::uint32_t>& words) {
  return std::as_bytes(std::span(words));
}

}  // namespace

TProjectRCVersion::TProjectRCVersion(const std::string& module_file) {
  const auto extent = version::FindElfSection(module_file, version::kSectionName);
  if (!extent || extent->size == 0 || extent->size > kMaxVersionDataSize ||
      extent->size % sizeof(std::uint32_t) != 0) {
    return;
  }
  VersionData.resize(extent->size / sizeof(std::uint32_t));
  if (!version::ReadFileExtent(module_file, *extent, VersionData.data())) {
    VersionData.clear();
    return;
  }
  const auto translation = version::FindValue(Bytes(VersionData), "\\VarFileInfo\\Translation");
  if (!translation || translation->size < sizeof(std::uint32_t) ||
      translation->offset % sizeof(std::uint32_t) != 0) {
    VersionData.clear();
    return;
  }
  // Stored with the language in the low half; block names put the language first.
  TranslationEntry = &VersionData[translation->offset / sizeof(std::uint32_t)];
  *TranslationEntry = *TranslationEntry << 16 | *TranslationEntry >> 16;
}

TProjectRCVersion::~TProjectRCVersion() = default;

bool TProjectRCVersion::GetProductName(const char** text) const {
  return GetValue("ProductName", text);
}

bool TProjectRCVersion::GetProductVersion(const char** text) const {
  return GetValue("ProductVersion", text);
}

bool TProjectRCVersion::GetLegalCopyright(const char** text) const {
  return GetValue("LegalCopyright", text);
}

bool TProjectRCVersion::GetSpecialBuild(const char** text) const {
  return GetValue("SpecialBuild", text);
}

bool TProjectRCVersion::GetValue(const char* key, const char** text) const {
  if (VersionData.empty()) {
    return false;
  }
  // Block names are written in upper case; the lookup ignores case, so the lower-case hex
  // digits of the path still find them.
  char path[128];
  std::snprintf(path, sizeof path, "\\StringFileInfo\\%08lx\\%s",
                static_cast<unsigned long>(*TranslationEntry), key);
  const auto value = version::FindValue(Bytes(VersionData), path);
  if (!value || value->kind != version::kTextValue || value->size == 0) {
    return false;
  }
  const char* begin = reinterpret_cast<const char*>(VersionData.data()) + value->offset;
  if (begin[value->size - 1] != '\0') {
    return false;
  }
  *text = begin;
  return true;
}

std::string RunningExecutableFile() {
  return "/proc/self/exe";
}

}  // namespace geoplait
