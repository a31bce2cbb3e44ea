#include "fuzz_input_file.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace geoplait::fuzzing {

const std::string& ScratchDir() {
  static const std::string dir = [] {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "geoplait-fuzz-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
      Fail("cannot create a scratch directory");
    }
    static const std::string removed_at_exit = pattern;
    std::atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(removed_at_exit, ignored);
    });
    return pattern;
  }();
  return dir;
}

std::string WriteScratchFile(std::string_view name, std::string_view bytes) {
  const std::string path = ScratchDir() + "/" + std::string(name);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) {
    Fail("cannot write a scratch file");
  }
  return path;
}

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    return "<unreadable>";
  }
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void Fail(const char* what) {
  std::fprintf(stderr, "fuzz check failed: %s\n", what);
  std::abort();
}

}  // namespace geoplait::fuzzing
