#pragma once

#include "line_source.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace geoplait::testing {

// Text that is already as text mode reads it (no CRs), split at line feeds and into pieces
// of at most kMaxPieceLength characters.
class StringLineSource final : public LineSource {
 public:
  explicit StringLineSource(std::string text) : text_(std::move(text)) {}

  bool ReadLine() override {
    line_ = {};
    ends_ = false;
    if (pos_ >= text_.size()) {
      return false;
    }
    const std::string_view rest = std::string_view(text_).substr(pos_);
    const std::size_t lf = rest.find('\n');
    const std::size_t length = std::min({lf, rest.size(), kMaxPieceLength});
    line_ = rest.substr(0, length);
    ends_ = length == lf || length == rest.size();
    pos_ += length + (length == lf ? 1 : 0);
    return true;
  }
  std::string_view Line() const override { return line_; }
  bool EndsPhysicalLine() const override { return ends_; }
  int Error() const override { return 0; }

 private:
  std::string text_;
  std::size_t pos_ = 0;
  std::string_view line_;
  bool ends_ = false;
};

}  // namespace geoplait::testing
