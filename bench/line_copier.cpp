// The floor of the desktop program's output policy: copies its inputs once, in large blocks,
// and hands every line to the operating system with one write(2) of its own, ended in CR LF.
// Nothing else is done with the lines, so the system calls are nearly all that is timed.
//
//   geoplait-line-copier OUTPUT INPUT...

#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace {

constexpr std::size_t kBlockSize = 128 * 1024;

bool WriteLine(int fd, std::string& line) {
  if (!line.empty() && line.back() == '\r') {
    line.pop_back();
  }
  line += "\r\n";
  const char* data = line.data();
  std::size_t size = line.size();
  while (size > 0) {
    const ssize_t n = write(fd, data, size);
    if (n <= 0) {
      return false;
    }
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  line.clear();
  return true;
}

bool CopyLines(const char* path, int out, char* block) {
  const int in = open(path, O_RDONLY | O_CLOEXEC);
  if (in < 0) {
    std::perror(path);
    return false;
  }
  std::string line;
  ssize_t n;
  while ((n = read(in, block, kBlockSize)) > 0) {
    const char* p = block;
    const char* end = block + n;
    while (p < end) {
      const char* lf = static_cast<const char*>(std::memchr(p, '\n', end - p));
      if (lf == nullptr) {
        line.append(p, end);
        break;
      }
      line.append(p, lf);
      if (!WriteLine(out, line)) {
        close(in);
        return false;
      }
      p = lf + 1;
    }
  }
  const bool ok = n == 0 && (line.empty() || WriteLine(out, line));
  close(in);
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fputs("usage: geoplait-line-copier OUTPUT INPUT...\n", stderr);
    return 2;
  }
  const int out = open(argv[1], O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (out < 0) {
    std::perror(argv[1]);
    return 1;
  }
  static char block[kBlockSize];
  for (int i = 2; i < argc; ++i) {
    if (!CopyLines(argv[i], out, block)) {
      return 1;
    }
  }
  return close(out) == 0 ? 0 : 1;
}
