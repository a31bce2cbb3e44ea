#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace geoplait {

// A read takes at most this many characters; a longer physical line arrives in pieces.
// The passes test each piece on its own, so this bound is also what keeps memory flat.
inline constexpr std::size_t kMaxPieceLength = 5119;

// The lines of one open input, one piece at a time.
//
// A source that reads its input in blocks shows the part of the block not yet delivered in
// block_, pos_ and len_. ReadLine() hands out the common line from there itself, without a
// call: every pass reads every line, and most lines are short. Anything else is ReadPiece()'s.
class LineSource {
 public:
  virtual ~LineSource() = default;

  // Reads the next piece. False when nothing could be delivered: the input has ended, or a
  // read failed (see Error()); every later call is false too.
  bool ReadLine() {
    // A whole line in the block, ended by LF or CR LF, with no other CR and no NUL in it, and
    // short enough to be one piece, is handed out where it stands.
    if (pos_ < len_) {
      const std::size_t stop = FirstLineEndFrom(pos_);
      std::size_t next = 0;
      if (stop < len_ && block_[stop] == '\n') {
        next = stop + 1;
      } else if (stop + 1 < len_ && block_[stop] == '\r' && block_[stop + 1] == '\n') {
        next = stop + 2;
      }
      if (next != 0 && stop - pos_ < kMaxPieceLength) {
        line_ = std::string_view(block_ + pos_, stop - pos_);
        ends_physical_line_ = true;
        pos_ = next;
        return true;
      }
    }
    line_ = {};
    ends_physical_line_ = false;
    return ReadPiece();
  }

  // The piece last delivered, up to its first NUL, without its line feed. Empty after a
  // failed read. Valid until the next ReadLine().
  std::string_view Line() const { return line_; }

  // Whether the piece last delivered ended its physical line (at a line feed or at the end
  // of the input), so that a copy of it is followed by a line end.
  bool EndsPhysicalLine() const { return ends_physical_line_; }

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

 protected:
  // Delivers the next piece with SetLine() when ReadLine() could not take it from the block,
  // or returns false as ReadLine() does. The piece is empty and ends no line on entry.
  virtual bool ReadPiece() = 0;

  void SetLine(std::string_view line, bool ends_physical_line) {
    line_ = line;
    ends_physical_line_ = ends_physical_line;
  }

  // The block as the source read it, and the part not yet delivered: pos_ to len_. A source
  // without one leaves it empty.
  const char* block_ = nullptr;
  std::size_t pos_ = 0;
  std::size_t len_ = 0;

 private:
  // The first LF, CR or NUL in the block at or after from, or len_.
  std::size_t FirstLineEndFrom(std::size_t from) const {
    const char* p = block_ + from;
    const char* const end = block_ + len_;
#if defined(__SSE2__)
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i nul = _mm_setzero_si128();
    for (; end - p >= 16; p += 16) {
      const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
      const __m128i hits =
          _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(chunk, lf), _mm_cmpeq_epi8(chunk, cr)),
                       _mm_cmpeq_epi8(chunk, nul));
      if (const int mask = _mm_movemask_epi8(hits)) {
        return static_cast<std::size_t>(p - block_) + static_cast<std::size_t>(__builtin_ctz(mask));
      }
    }
#endif
    for (; p < end; ++p) {
      if (*p == '\n' || *p == '\r' || *p == '\0') {
        return static_cast<std::size_t>(p - block_);
      }
    }
    return len_;
  }

  std::string_view line_;
  bool ends_physical_line_ = false;
  std::string gpx_start_tag_;
};

}  // namespace geoplait
