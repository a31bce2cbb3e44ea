#include "output_sink.h"

#include "background_writer.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <system_error>
#include <unistd.h>

namespace geoplait {

OutputSink::OutputSink(int fd, Policy policy) : fd_(fd), policy_(policy) {
  if (policy_ == Policy::kBuffered) {
    buffer_ = std::make_unique_for_overwrite<char[]>(kBufferSize);
    spare_ = std::make_unique_for_overwrite<char[]>(kBufferSize);
    if (fd_ >= 0) {
      try {
        writer_ = std::make_unique<BackgroundWriter>(fd_);
      } catch (const std::system_error&) {
        // No thread to be had (a limit on processes): the buffers are written in turn here.
      }
    }
  }
}

OutputSink::~OutputSink() {
  // The writer may still be using the descriptor.
  writer_.reset();
  if (fd_ >= 0) {
    close(fd_);
  }
}

void OutputSink::WriteAll(const char* data, std::size_t size) {
  if (error_ == 0) {
    error_ = WriteFully(fd_, data, size);
  }
}

void OutputSink::HandOver() {
  if (writer_ == nullptr) {
    WriteAll(buffer_.get(), used_);
    used_ = 0;
    return;
  }
  // After a failed write, nothing more is written.
  error_ = writer_->Wait();
  if (error_ == 0) {
    writer_->Start(buffer_.get(), used_);
    buffer_.swap(spare_);
  }
  used_ = 0;
}

void OutputSink::Append(std::string_view text) {
  while (!text.empty() && error_ == 0) {
    if (used_ == kBufferSize) {
      HandOver();
      continue;
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
  if (policy_ == Policy::kBuffered && fd_ >= 0 && error_ == 0) {
    if (used_ > 0) {
      HandOver();
    }
    if (writer_ != nullptr && error_ == 0) {
      error_ = writer_->Wait();
    }
  }
  used_ = 0;
  return error_ == 0;
}

bool OutputSink::Close() {
  if (fd_ < 0) {
    return error_ == 0;
  }
  Flush();
  writer_.reset();
  // Linux releases the descriptor even when close reports EINTR; only other errors count.
  if (close(fd_) != 0 && errno != EINTR && error_ == 0) {
    error_ = errno;
  }
  fd_ = -1;
  return error_ == 0;
}

}  // namespace geoplait
