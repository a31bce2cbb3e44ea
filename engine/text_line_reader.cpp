#include "text_line_reader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace geoplait {
namespace {

constexpr char kCtrlZ = 0x1A;

}  // namespace

// The buffers are not cleared: a pass opens every input anew, and no byte of them is read
// before read(2) or the reader itself has written it.
TextLineReader::TextLineReader(int fd)
    : fd_(fd),
      storage_(std::make_unique_for_overwrite<char[]>(kBlockSize)),
      piece_(std::make_unique_for_overwrite<char[]>(kMaxPieceLength)) {
  block_ = storage_.get();
  posix_fadvise(fd_, 0, 0, POSIX_FADV_SEQUENTIAL);
}

TextLineReader::~TextLineReader() {
  close(fd_);
}

bool TextLineReader::RewindToStart() {
  // The first block is still in memory only until a second one is read over it.
  if (error_ != 0 || blocks_filled_ > 1) {
    return false;
  }
  pos_ = 0;
  next_cr_ = FirstCrFrom(0);
  end_noted_ = false;
  SetLine({}, false);
  return true;
}

bool TextLineReader::Fill() {
  if (at_end_) {
    return false;
  }
  ssize_t n;
  do {
    n = read(fd_, storage_.get(), kBlockSize);
  } while (n < 0 && errno == EINTR);
  if (n <= 0) {
    if (n < 0) {
      error_ = errno;
    }
    at_end_ = true;
    return false;
  }
  ++blocks_filled_;
  pos_ = 0;
  len_ = static_cast<std::size_t>(n);
  // Nothing after a Ctrl-Z is ever read: cut the block there and read no more blocks.
  if (const void* sub = std::memchr(block_, kCtrlZ, len_)) {
    len_ = static_cast<std::size_t>(static_cast<const char*>(sub) - block_);
    at_end_ = true;
  }
  next_cr_ = FirstCrFrom(0);
  return len_ > 0 || Fill();
}

void TextLineReader::FindNextCr() {
  // Still valid: no CR stands between pos_ and it.
  if (next_cr_ >= pos_) {
    return;
  }
  next_cr_ = FirstCrFrom(pos_);
}

std::size_t TextLineReader::FirstCrFrom(std::size_t from) const {
  const void* cr = std::memchr(block_ + from, '\r', len_ - from);
  return cr ? static_cast<std::size_t>(static_cast<const char*>(cr) - block_) : len_;
}

void TextLineReader::Deliver(const char* begin, std::size_t length, bool ends_physical_line) {
  // Every test and every copy sees a line only up to its first NUL.
  if (const void* nul = std::memchr(begin, '\0', length)) {
    length = static_cast<std::size_t>(static_cast<const char*>(nul) - begin);
  }
  SetLine(std::string_view(begin, length), ends_physical_line);
}

bool TextLineReader::ReadPiece() {
  if (end_noted_ || error_ != 0) {
    return false;
  }
  char* out = piece_.get();
  std::size_t count = 0;
  while (count < kMaxPieceLength) {
    if (pos_ == len_ && !Fill()) {
      if (error_ != 0) {
        return false;
      }
      end_noted_ = true;
      if (count == 0) {
        return false;
      }
      Deliver(out, count, true);
      return true;
    }
    FindNextCr();
    const std::size_t limit = std::min(len_, pos_ + (kMaxPieceLength - count));
    const char* base = block_;
    const void* found = std::memchr(base + pos_, '\n', limit - pos_);
    const std::size_t lf =
        found ? static_cast<std::size_t>(static_cast<const char*>(found) - base) : limit;
    const std::size_t run_end = std::min(lf, next_cr_);
    std::memcpy(out + count, base + pos_, run_end - pos_);
    count += run_end - pos_;
    pos_ = run_end;
    if (run_end == next_cr_ && next_cr_ < limit) {
      ++pos_;  // a CR is dropped wherever it stands
      continue;
    }
    if (found != nullptr && run_end == lf) {
      ++pos_;
      Deliver(out, count, true);
      return true;
    }
  }
  // A full piece. Whether it also ends its physical line decides only how a copy of it is
  // terminated; the next read still follows the rules of pieces.
  const bool ends = InputEndsHere();
  if (ends && error_ == 0) {
    end_noted_ = true;
  }
  Deliver(out, count, ends);
  return true;
}

bool TextLineReader::InputEndsHere() {
  for (;;) {
    if (pos_ == len_ && !Fill()) {
      return true;
    }
    if (block_[pos_] != '\r') {
      return false;
    }
    ++pos_;
  }
}

}  // namespace geoplait
