#include "output_sink.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <string>

namespace geoplait {
namespace {

using testing::ReadFileBytes;
using testing::TempDir;

int CreateFile(const std::string& path) {
  return open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
}

// Numbered lines of varied lengths, so that buffers written out of turn or twice, or a line
// split at a hand-over and joined wrongly, change the bytes.
TEST(OutputSink, BuffersHandedOverInTurnKeepEveryByteInOrder) {
  TempDir dir;
  const std::string path = dir.File("out.txt");
  OutputSink out(CreateFile(path), OutputSink::Policy::kBuffered);
  std::string expected;
  for (int i = 0; expected.size() < 5 * OutputSink::kBufferSize; ++i) {
    const std::string line = std::to_string(i) + std::string(static_cast<std::size_t>(i % 97), '.');
    out.Write(line);
    expected += line + "\r\n";
  }
  // Longer than a buffer, and a piece without its line end.
  const std::string long_line(OutputSink::kBufferSize + 3, 'x');
  out.Write(long_line, false);
  out.Write("y");
  expected += long_line + "y\r\n";
  ASSERT_TRUE(out.Close());
  EXPECT_EQ(ReadFileBytes(path), expected);
}

TEST(OutputSink, FlushPutsEverythingInTheFileAtOnce) {
  TempDir dir;
  const std::string path = dir.File("out.txt");
  OutputSink out(CreateFile(path), OutputSink::Policy::kBuffered);
  const std::string line(OutputSink::kBufferSize / 3, 'a');
  for (int i = 0; i < 4; ++i) {
    out.Write(line);
  }
  ASSERT_TRUE(out.Flush());
  EXPECT_EQ(ReadFileBytes(path).size(), 4 * (line.size() + 2));
  out.Write("b");
  ASSERT_TRUE(out.Flush());
  EXPECT_EQ(ReadFileBytes(path).size(), 4 * (line.size() + 2) + 3);
}

// A buffer is written while the next one fills, so its failure is known from the next
// hand-over or flush on; the first error is the one kept.
TEST(OutputSink, AFailedWriteIsKeptAndStopsTheRest) {
  for (const auto policy : {OutputSink::Policy::kEachLine, OutputSink::Policy::kBuffered}) {
    SCOPED_TRACE(policy == OutputSink::Policy::kBuffered ? "buffered" : "each line");
    TempDir dir;
    const std::string path = dir.Write("read-only.txt", "");
    OutputSink out(open(path.c_str(), O_RDONLY | O_CLOEXEC), policy);
    out.Write(std::string(3 * OutputSink::kBufferSize, 'z'));
    EXPECT_FALSE(out.Flush());
    EXPECT_EQ(out.Error(), EBADF);
    out.Write("more");
    EXPECT_FALSE(out.Close());
    EXPECT_EQ(out.Error(), EBADF);
    EXPECT_EQ(ReadFileBytes(path), "");
  }
}

}  // namespace
}  // namespace geoplait
