#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace geoplait {

// The version data of an executable file: a translation entry that selects a block of texts
// by language and code page, and the texts. It is read once, when the reader is made, so a
// reader made later sees the file as it is then.
class TProjectRCVersion {
 public:
  // Reads the version data of the executable file at module_file.
  explicit TProjectRCVersion(const std::string& module_file);
  virtual ~TProjectRCVersion();
  // TranslationEntry points into VersionData.
  TProjectRCVersion(const TProjectRCVersion&) = delete;
  TProjectRCVersion& operator=(const TProjectRCVersion&) = delete;

  // Each getter sets *text to the value's text and returns true, or returns false when the
  // reader holds no data or the value is absent. The text lives as long as the reader.
  bool GetProductName(const char** text) const;
  bool GetProductVersion(const char** text) const;
  bool GetLegalCopyright(const char** text) const;
  bool GetSpecialBuild(const char** text) const;

 private:
  bool GetValue(const char* key, const char** text) const;

  // The first translation entry, rewritten to hold the language in its high half and the code
  // page in its low half, which is how the text blocks are named.
  std::uint32_t* TranslationEntry = nullptr;
  // The whole version data, kept as words so that TranslationEntry may point into it; empty
  // when there is none or it has no translation entry.
  std::vector<std::uint32_t> VersionData;
};

// The file that the running program was started from, even if it was replaced on disk since.
std::string RunningExecutableFile();

}  // namespace geoplait
