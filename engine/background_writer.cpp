#include "background_writer.h"

#include <cerrno>
#include <unistd.h>

namespace geoplait {

int WriteFully(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t n = write(fd, data, size);
    if (n < 0) {
      if (errno != EINTR) {
        return errno;
      }
      continue;
    }
    if (n == 0) {
      return ENOSPC;
    }
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return 0;
}

// Started last, once every member it reads is set.
BackgroundWriter::BackgroundWriter(int fd) : fd_(fd), thread_([this] { Run(); }) {}

BackgroundWriter::~BackgroundWriter() {
  Wait();
  stopping_ = true;
  work_.release();
  thread_.join();
}

void BackgroundWriter::Start(const char* data, std::size_t size) {
  if (Wait() != 0) {
    return;
  }
  data_ = data;
  size_ = size;
  busy_ = true;
  work_.release();
}

int BackgroundWriter::Wait() {
  if (busy_) {
    done_.acquire();
    busy_ = false;
  }
  return error_;
}

void BackgroundWriter::Run() {
  for (;;) {
    work_.acquire();
    if (stopping_) {
      return;
    }
    error_ = WriteFully(fd_, data_, size_);
    done_.release();
  }
}

}  // namespace geoplait
