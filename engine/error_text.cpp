#include "error_text.h"

#include <cerrno>
#include <cstring>

namespace geoplait {
namespace {

struct ErrorTextRow {
  int error;
  const char* text;
};

// These texts are the ones users of the desktop program have always seen; they differ from
// the C library's wording in places ("Filename too long"), so the table is kept whole.
constexpr ErrorTextRow kErrorTexts[] = {
    {ENOENT, "No such file or directory"},
    {ENOTDIR, "Not a directory"},
    {EISDIR, "Is a directory"},
    {EACCES, "Permission denied"},
    {EPERM, "Operation not permitted"},
    {EROFS, "Read-only file system"},
    {ENOSPC, "No space left on device"},
    {EMFILE, "Too many open files"},
    {ENFILE, "Too many open files"},
    {ENAMETOOLONG, "Filename too long"},
    {ENOMEM, "Not enough memory"},
    {EEXIST, "File already exists"},
    {EBUSY, "Resource busy"},
    {ETXTBSY, "Executable file in use"},
    {EINTR, "Interrupted function call"},
    {EIO, "Input/output error"},
    {ENXIO, "No such device or address"},
    {ENODEV, "No such device"},
    {EFBIG, "File too large"},
    {EINVAL, "Invalid argument"},
    {EAGAIN, "Resource temporarily unavailable"},
    {EFAULT, "Bad address"},
    {EBADF, "Bad file number"},
    // The input opener's refusal of pipes and devices, which no pass could read again.
    {ESPIPE, "Not a regular file"},
};

}  // namespace

std::string ErrorText(int error) {
  for (const ErrorTextRow& row : kErrorTexts) {
    if (row.error == error) {
      return row.text;
    }
  }
  // The untranslated C library text, so that messages do not change with the user's locale.
  if (const char* text = strerrordesc_np(error)) {
    return text;
  }
  return "Unknown error " + std::to_string(error);
}

std::string FileFailureMessage(std::string_view path, int error) {
  std::string message(path);
  message += ": ";
  message += ErrorText(error);
  message += '\n';
  return message;
}

}  // namespace geoplait
