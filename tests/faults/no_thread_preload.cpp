// Preloaded into a program under test, ahead of the C library, so that the program cannot
// start a thread: as when a limit on processes has been reached.
#include <cerrno>

// Declared without <pthread.h>, whose declaration is noexcept and has other types; the
// symbol is all that matters.
extern "C" int pthread_create(void*, const void*, void* (*)(void*), void*) {
  return EAGAIN;
}
