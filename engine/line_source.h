#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace geoplait {

// A read takes at most this many characters; a longer physical line arrives in pieces.
// The passes test each piece on its own, so this bound is also what keeps memory flat.
inline constexpr std::size_t kMaxPieceLength = 5119;

// The lines of one open input, one piece at a time.
class LineSource {
 public:
  virtual ~LineSource() = default;

  // Reads the next piece. False when nothing could be delivered: the input has ended, or a
  // read failed (see Error()); every later call is false too.
  virtual bool ReadLine() = 0;

  // The piece last delivered, up to its first NUL, without its line feed. Empty after a
  // failed read. Valid until the next ReadLine().
  virtual std::string_view Line() const = 0;

  // Whether the piece last delivered ended its physical line (at a line feed or at the end
  // of the input), so that a copy of it is followed by a line end.
  virtual bool EndsPhysicalLine() const = 0;

  // 0, or the errno value of a read that failed for another reason than the end of input.
  virtual int Error() const = 0;

  // Why the content could not be read, when Error() alone does not say it (a re-laid input
  // that is not well-formed): a text that names the line. Empty otherwise.
  virtual std::string ErrorDetail() const { return {}; }

  // Goes back to the first piece, when that needs no second read of the input. False, and
  // nothing changed, otherwise.
  virtual bool RewindToStart() { return false; }

  // The input's gpx start tag as the opener found it, on one line; empty when the opener did
  // not look at the head.
  std::string_view GpxStartTag() const { return gpx_start_tag_; }
  void SetGpxStartTag(std::string tag) { gpx_start_tag_ = std::move(tag); }

 private:
  std::string gpx_start_tag_;
};

}  // namespace geoplait
