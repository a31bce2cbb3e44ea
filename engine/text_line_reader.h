#pragma once

#include "line_source.h"

#include <cstddef>
#include <memory>
#include <string_view>

namespace geoplait {

// Reads a file descriptor as a text file: the first Ctrl-Z (0x1A) ends the input, every CR is
// dropped wherever it stands, and lines are split at line feeds into pieces of at most
// kMaxPieceLength characters. Reads in large blocks; most lines are handed out in place.
class TextLineReader final : public LineSource {
 public:
  // Takes ownership of fd and closes it when destroyed.
  explicit TextLineReader(int fd);
  ~TextLineReader() override;
  TextLineReader(const TextLineReader&) = delete;
  TextLineReader& operator=(const TextLineReader&) = delete;

  int Error() const override { return error_; }
  // Possible while the first block is still the only one read.
  bool RewindToStart() override;

  static constexpr std::size_t kBlockSize = 128 * 1024;

 private:
  bool ReadPiece() override;
  bool Fill();
  bool InputEndsHere();
  void Deliver(const char* begin, std::size_t length, bool ends_physical_line);
  void FindNextCr();
  std::size_t FirstCrFrom(std::size_t from) const;

  int fd_;
  std::unique_ptr<char[]> storage_;  // the block, read from pos_ to len_
  // The next CR at or after pos_ (len_ if none), so that the pieces assembled by ReadPiece()
  // need no look at each character. A Ctrl-Z never stands in the block: Fill() cuts the
  // block before it.
  std::size_t next_cr_ = 0;
  bool at_end_ = false;     // no byte will come: end of file, Ctrl-Z or an error
  bool end_noted_ = false;  // a delivered piece met the end: the next read fails
  int error_ = 0;
  int blocks_filled_ = 0;
  std::unique_ptr<char[]> piece_;  // assembles pieces that cannot be handed out in place
};

}  // namespace geoplait
