#include "output_sink.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace geoplait {

OutputSink::OutputSink(int fd, Policy policy) : fd_(fd), policy_(policy) {
  if (policy_ == Policy::kBuffered) {
    buffer_ = std::make_unique_for_overwrite<char[]>(kBufferSize);
  }
}

OutputSink::~OutputSink() {
  if (fd_ >= 0) {
    close(fd_);
  }
}

void OutputSink::WriteAll(const char* data, std::size_t size) {
  while (size > 0 && error_ == 0) {
    const ssize_t n = write(fd_, data, size);
    if (n < 0) {
      if (errno != EINTR) {
        error_ = errno;
      }
      continue;
    }
    if (n == 0) {
      error_ = ENOSPC;
      continue;
    }
    data += n;
    size -= static_cast<std::size_t>(n);
  }
}

void OutputSink::Append(std::string_view text) {
  while (!text.empty() && error_ == 0) {
    if (used_ == kBufferSize) {
      WriteAll(buffer_.get(), used_);
      used_ = 0;
    }
    const std::size_t n = std::min(text.size(), kBufferSize - used_);
    std::memcpy(buffer_.get() + used_, text.data(), n);
    used_ += n;
    text.remove_prefix(n);
  }
}

void OutputSink::WriteSlowly(std::string_view text, bool end_line) {
  if (error_ != 0 || fd_ < 0) {
    return;
  }
  if (policy_ == Policy::kBuffered) {
    Append(text);
    if (end_line) {
      Append("\r\n");
    }
    return;
  }
  line_.assign(text);
  if (end_line) {
    line_ += "\r\n";
  }
  WriteAll(line_.data(), line_.size());
}

bool OutputSink::Flush() {
  if (used_ > 0 && error_ == 0 && fd_ >= 0) {
    WriteAll(buffer_.get(), used_);
  }
  used_ = 0;
  return error_ == 0;
}

bool OutputSink::Close() {
  if (fd_ < 0) {
    return error_ == 0;
  }
  Flush();
  // Linux releases the descriptor even when close reports EINTR; only other errors count.
  if (close(fd_) != 0 && errno != EINTR && error_ == 0) {
    error_ = errno;
  }
  fd_ = -1;
  return error_ == 0;
}

}  // namespace geoplait
