#pragma once

#include <string>
#include <string_view>

namespace geoplait::testing {

// A fresh directory for one test, removed with everything in it afterwards.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return path_; }
  // The path of name inside the directory.
  std::string File(std::string_view name) const;
  // Writes bytes to name inside the directory and returns its path.
  std::string Write(std::string_view name, std::string_view bytes) const;

 private:
  std::string path_;
};

// The whole content of a file; fails the test when it cannot be read.
std::string ReadFileBytes(const std::string& path);

}  // namespace geoplait::testing
