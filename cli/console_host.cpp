#include "console_host.h"

#include "error_text.h"

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <sys/stat.h>

namespace geoplait {

ConsoleHost::ConsoleHost(Settings settings, std::FILE* out, std::FILE* err)
    : settings_(std::move(settings)), out_(out), err_(err) {}

int ConsoleHost::EntryCount() const {
  return static_cast<int>(settings_.inputs.size());
}

std::string ConsoleHost::EntryText(int index) const {
  return settings_.inputs.at(static_cast<std::size_t>(index));
}

void ConsoleHost::ShowMessage(std::string_view text, std::string_view /*caption*/, int style) {
  const bool success = style == kStyleInformation;
  if (success && settings_.quiet) {
    return;
  }
  std::FILE* stream = success ? out_ : err_;
  std::fwrite(text.data(), 1, text.size(), stream);
  if (text.empty() || text.back() != '\n') {
    std::fputc('\n', stream);
  }
  std::fflush(stream);
}

std::optional<std::string> ConsoleHost::AskOutputPath() {
  // Stands in for the save dialog's question before it replaces a file.
  struct stat info {};
  if (!settings_.force && lstat(settings_.output.c_str(), &info) == 0) {
    ShowMessage(FileFailureMessage(settings_.output, EEXIST), kMessageCaption, kStyleStop);
    return std::nullopt;
  }
  return settings_.output;
}

std::time_t ConsoleHost::Now() const {
  if (const std::optional<std::time_t> fixed =
          ParseSourceDateEpoch(std::getenv("SOURCE_DATE_EPOCH"))) {
    return *fixed;
  }
  return std::time(nullptr);
}

std::optional<std::time_t> ParseSourceDateEpoch(const char* text) {
  if (text == nullptr || *text == '\0') {
    return std::nullopt;
  }
  // 9999-12-31T23:59:59Z: later years would not fit the time stamp's layout.
  constexpr long long kLatest = 253402300799LL;
  long long seconds = 0;
  for (const char* p = text; *p != '\0'; ++p) {
    if (*p < '0' || *p > '9') {
      return std::nullopt;
    }
    seconds = 10 * seconds + (*p - '0');
    if (seconds > kLatest) {
      return std::nullopt;
    }
  }
  return static_cast<std::time_t>(seconds);
}

}  // namespace geoplait
