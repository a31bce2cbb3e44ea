#pragma once

#include "line_source.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace geoplait {

// Lets an opener look at the head of an input and then hand the input on from its start.
// Until Rewind() it keeps a copy of every piece that it delivers; afterwards it delivers the
// kept pieces again, then the rest of the input, so its reader sees exactly the input's pieces.
class RewindableLineSource final : public LineSource {
 public:
  // Before Rewind(), reads stop (fail) once keep_limit characters are kept, so that the head
  // of a large one-line file costs no more than that.
  RewindableLineSource(std::unique_ptr<LineSource> input, std::size_t keep_limit);
  RewindableLineSource(const RewindableLineSource&) = delete;
  RewindableLineSource& operator=(const RewindableLineSource&) = delete;

  int Error() const override;

  // From here on the pieces come again from the start; nothing more is kept.
  void Rewind();
  // In place of Rewind(): the input itself, gone back to its start, when it can do that
  // without reading again; null otherwise, and then nothing has changed.
  std::unique_ptr<LineSource> TakeInputFromStart();

 private:
  bool ReadPiece() override;

  struct KeptPiece {
    std::string text;
    bool ends_physical_line;
  };

  std::unique_ptr<LineSource> input_;
  std::size_t keep_limit_;
  std::size_t kept_chars_ = 0;
  std::vector<KeptPiece> kept_;
  bool rewound_ = false;
  std::size_t next_kept_ = 0;
};

}  // namespace geoplait
