#include "input_opener.h"

#include "text_line_reader.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace geoplait {

int OpenInputFile(const std::string& path, int& error) {
  // Non-blocking, so that opening a pipe with no writer cannot hang the merge.
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) {
    error = errno;
    return -1;
  }
  struct stat info {};
  if (fstat(fd, &info) != 0) {
    error = errno;
    close(fd);
    return -1;
  }
  if (S_ISDIR(info.st_mode)) {
    error = EISDIR;
    close(fd);
    return -1;
  }
  // Every pass must read the input again from its start, and to an end: a pipe's content is
  // gone once read, a device such as /dev/zero never ends, and a terminal waits for typing.
  if (!S_ISREG(info.st_mode)) {
    error = ESPIPE;
    close(fd);
    return -1;
  }
  const int flags = fcntl(fd, F_GETFL);
  if (flags >= 0) {
    fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
  }
  return fd;
}

std::unique_ptr<LineSource> FileInputOpener::Open(const std::string& path, int& error) {
  const int fd = OpenInputFile(path, error);
  if (fd < 0) {
    return nullptr;
  }
  return std::make_unique<TextLineReader>(fd);
}

}  // namespace geoplait
