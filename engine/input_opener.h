#pragma once

#include "line_source.h"

#include <memory>
#include <string>

namespace geoplait {

// Opens the inputs of a merge. Each pass opens every input anew through it.
class InputOpener {
 public:
  virtual ~InputOpener() = default;

  // The input's lines from its start, or null with error set to an errno value.
  virtual std::unique_ptr<LineSource> Open(const std::string& path, int& error) = 0;
};

// Opens files as text files (TextLineReader). Refuses what cannot be read three times over,
// as every merge must: a directory ("Is a directory"), and anything else that is not a regular
// file (a pipe, a socket, a device).
class FileInputOpener final : public InputOpener {
 public:
  std::unique_ptr<LineSource> Open(const std::string& path, int& error) override;
};

// Opens a file for reading as a merge input does; -1 with error set on failure.
int OpenInputFile(const std::string& path, int& error);

}  // namespace geoplait
