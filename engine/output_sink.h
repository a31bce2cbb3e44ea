#pragma once

#include <cstddef>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

namespace geoplait {

class BackgroundWriter;

// The merged file as the passes write it: lines that end in CR LF, handed to the operating
// system by one of two policies. Every failure is kept; after the first, nothing more is
// written.
class OutputSink {
 public:
  enum class Policy {
    // One write(2) per line, as it is written, so that a merge that stops early leaves every
    // line so far in the file (the desktop program).
    kEachLine,
    // Through a large buffer, handed over when full and on Flush() (the command line). A
    // full buffer is written on a thread of its own while the next one fills.
    kBuffered,
  };

  // Takes ownership of fd.
  OutputSink(int fd, Policy policy);
  ~OutputSink();
  OutputSink(const OutputSink&) = delete;
  OutputSink& operator=(const OutputSink&) = delete;

  // Writes text, then CR LF when end_line is set. A piece of a longer line goes without.
  void Write(std::string_view text, bool end_line = true) {
    // Nearly every line fits in what is left of the buffer: it is copied with its end at once.
    if (policy_ == Policy::kBuffered && error_ == 0 && fd_ >= 0 &&
        text.size() + 2 <= kBufferSize - used_) {
      char* at = buffer_.get() + used_;
      std::memcpy(at, text.data(), text.size());
      used_ += text.size();
      if (end_line) {
        at[text.size()] = '\r';
        at[text.size() + 1] = '\n';
        used_ += 2;
      }
      return;
    }
    WriteSlowly(text, end_line);
  }

  // Hands everything written so far to the operating system and waits until it has taken it.
  // False once anything failed.
  bool Flush();

  // Flushes and closes the file. False once anything failed.
  bool Close();

  // A failed write of a buffer handed over is known here from the next hand-over or Flush().
  bool Failed() const { return error_ != 0; }
  // The errno value of the first failure, or 0.
  int Error() const { return error_; }

  // Each hand-over wakes the writer's thread, which costs more than the system call, so the
  // buffers are large; two of them are most of the command's memory, so not larger.
  static constexpr std::size_t kBufferSize = 192 * 1024;

 private:
  void WriteSlowly(std::string_view text, bool end_line);
  void WriteAll(const char* data, std::size_t size);
  void Append(std::string_view text);
  // Hands the buffer's content to the writer and goes on in the other buffer.
  void HandOver();

  int fd_;
  Policy policy_;
  std::unique_ptr<char[]> buffer_;  // being filled
  std::unique_ptr<char[]> spare_;   // being written, or free
  std::size_t used_ = 0;
  std::unique_ptr<BackgroundWriter> writer_;
  std::string line_;  // the line being handed over, in the kEachLine policy
  int error_ = 0;
};

}  // namespace geoplait
