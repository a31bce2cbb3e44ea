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

  int Error() const override { return 0; }

 private:
  bool ReadPiece() override {
    if (text_pos_ >= text_.size()) {
      return false;
    }
    const std::string_view rest = std::string_view(text_).substr(text_pos_);
    const std::size_t lf = rest.find('\n');
    const std::size_t length = std::min({lf, rest.size(), kMaxPieceLength});
    SetLine(rest.substr(0, length), length == lf || length == rest.size());
    text_pos_ += length + (length == lf ? 1 : 0);
    return true;
  }
  std::string text_;
  std::size_t text_pos_ = 0;
};

}  // namespace geoplait::testing
