// The line reader against a plain model of the reading rules: whatever the bytes, the pieces,
// their line ends and the end of input must come out as the model says.

#include "fuzz_input_file.h"
#include "line_source.h"
#include "text_line_reader.h"

#include <cstdint>
#include <string>
#include <sys/mman.h>
#include <unistd.h>
#include <vector>

namespace {

using geoplait::fuzzing::Fail;

struct Piece {
  std::string text;
  bool ends_line;
  bool operator==(const Piece&) const = default;
};

// The rules read literally: text conversion first, then reads of at most kMaxPieceLength
// characters that stop after a line feed.
std::vector<Piece> Model(const std::string& bytes) {
  std::string text;
  for (char c : bytes) {
    if (c == '\x1a') {
      break;
    }
    if (c != '\r') {
      text += c;
    }
  }
  std::vector<Piece> pieces;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::string piece;
    bool ends = false;
    while (piece.size() < geoplait::kMaxPieceLength) {
      if (pos == text.size()) {
        ends = true;
        break;
      }
      const char c = text[pos++];
      if (c == '\n') {
        ends = true;
        break;
      }
      piece += c;
    }
    if (!ends && pos == text.size()) {
      ends = true;
    }
    const std::size_t nul = piece.find('\0');
    if (nul != std::string::npos) {
      piece.resize(nul);
    }
    pieces.push_back({piece, ends});
  }
  return pieces;
}

// Small inputs are stretched by repeating them, so that lines also cross the reader's blocks.
std::string Stretch(const std::uint8_t* data, std::size_t size) {
  if (size == 0) {
    return {};
  }
  std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  if ((data[0] & 7) == 7 && !bytes.empty()) {
    const std::size_t target = geoplait::TextLineReader::kBlockSize + 7 * (data[0] >> 3);
    std::string stretched;
    while (stretched.size() < target) {
      stretched += bytes;
    }
    bytes = std::move(stretched);
  }
  return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes = Stretch(data, size);
  const int fd = memfd_create("fuzz-input", MFD_CLOEXEC);
  if (fd < 0) {
    Fail("memfd_create");
  }
  if (write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()) ||
      lseek(fd, 0, SEEK_SET) != 0) {
    Fail("cannot fill the input");
  }
  geoplait::TextLineReader reader(fd);
  std::vector<Piece> pieces;
  while (reader.ReadLine()) {
    if (reader.Line().size() > geoplait::kMaxPieceLength) {
      Fail("a piece is longer than a read may take");
    }
    pieces.push_back({std::string(reader.Line()), reader.EndsPhysicalLine()});
  }
  if (reader.Error() != 0 || !reader.Line().empty() || reader.ReadLine()) {
    Fail("the end of the input is not final");
  }
  if (pieces != Model(bytes)) {
    Fail("the pieces differ from the reading rules");
  }
  return 0;
}
