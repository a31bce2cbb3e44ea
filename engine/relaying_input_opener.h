#pragma once

#include "input_opener.h"

#include <cstddef>
#include <memory>
#include <string>

namespace geoplait {

// Opens inputs through another opener and decides from the head of each one whether the
// passes read it as it stands or re-laid out (RelaidLineSource). Either way the passes see
// the input from its first line: the head is read once and handed on again.
class RelayingInputOpener final : public InputOpener {
 public:
  // The most of a head that is looked at; a head that decides nothing within it is read as it
  // stands. A real gpx start tag and the line after it take a few kilobytes.
  static constexpr std::size_t kHeadLimit = 1024 * 1024;

  explicit RelayingInputOpener(InputOpener& files);

  std::unique_ptr<LineSource> Open(const std::string& path, int& error) override;

 private:
  InputOpener& files_;
};

}  // namespace geoplait
