#pragma once

#include <cstddef>
#include <semaphore>
#include <thread>

namespace geoplait {

// Writes one buffer at a time to a file descriptor on a thread of its own, so that the
// kernel's copy of the data into the page cache runs beside the work that fills the next
// buffer. Does not own the descriptor.
class BackgroundWriter {
 public:
  explicit BackgroundWriter(int fd);
  // Waits for the write in progress, then ends the thread.
  ~BackgroundWriter();
  BackgroundWriter(const BackgroundWriter&) = delete;
  BackgroundWriter& operator=(const BackgroundWriter&) = delete;

  // Waits for the write in progress, then starts writing size bytes from data, which must
  // stay as they are until the next Wait(). Writes nothing once a write has failed.
  void Start(const char* data, std::size_t size);

  // Waits until the write in progress, if any, is done. The errno value of the first write
  // that failed, or 0.
  int Wait();

 private:
  void Run();

  int fd_;
  bool busy_ = false;
  bool stopping_ = false;
  const char* data_ = nullptr;
  std::size_t size_ = 0;
  int error_ = 0;  // written by the thread while busy_, read only after Wait()
  std::binary_semaphore work_{0};
  std::binary_semaphore done_{0};
  std::thread thread_;
};

// Writes all of data, going on after short writes and interruptions. The errno value of the
// failure, or 0.
int WriteFully(int fd, const char* data, std::size_t size);

}  // namespace geoplait
