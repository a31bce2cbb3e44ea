#include "rewindable_line_source.h"

namespace geoplait {

RewindableLineSource::RewindableLineSource(std::unique_ptr<LineSource> input,
                                           std::size_t keep_limit)
    : input_(std::move(input)), keep_limit_(keep_limit) {}

bool RewindableLineSource::ReadPiece() {
  if (rewound_ && next_kept_ < kept_.size()) {
    const KeptPiece& piece = kept_[next_kept_++];
    SetLine(piece.text, piece.ends_physical_line);
    return true;
  }
  if (rewound_) {
    // The kept pieces are spent; they need no memory any more.
    if (!kept_.empty()) {
      kept_.clear();
      kept_.shrink_to_fit();
      next_kept_ = 0;
    }
  } else if (kept_chars_ >= keep_limit_) {
    return false;
  }
  if (!input_->ReadLine()) {
    return false;
  }
  SetLine(input_->Line(), input_->EndsPhysicalLine());
  if (!rewound_) {
    kept_.push_back({std::string(Line()), EndsPhysicalLine()});
    kept_chars_ += Line().size() + 1;
  }
  return true;
}

int RewindableLineSource::Error() const {
  // A failure that the head met comes to the reader only after the pieces before it.
  return rewound_ && next_kept_ < kept_.size() ? 0 : input_->Error();
}

std::unique_ptr<LineSource> RewindableLineSource::TakeInputFromStart() {
  if (rewound_ || !input_->RewindToStart()) {
    return nullptr;
  }
  kept_.clear();
  return std::move(input_);
}

void RewindableLineSource::Rewind() {
  rewound_ = true;
  next_kept_ = 0;
  SetLine({}, false);
}

}  // namespace geoplait
