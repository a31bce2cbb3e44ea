#pragma once

#include <ctime>
#include <optional>
#include <string>
#include <string_view>

namespace geoplait {

// Message box styles, as the desktop program shows them.
inline constexpr int kStyleNoIcon = 0;
inline constexpr int kStyleStop = 16;
inline constexpr int kStyleInformation = 64;

inline constexpr std::string_view kMessageCaption = "Geoplait";

// Everything a merge run needs from the program around it. The file list dialog and the
// command line are the two implementations; tests record and answer through it.
class MergeHost {
 public:
  virtual ~MergeHost() = default;

  // The input file list, in merge order. The run only reads it.
  virtual int EntryCount() const = 0;
  virtual std::string EntryText(int index) const = 0;

  // A modal message with one OK button; returns when the user has closed it.
  virtual void ShowMessage(std::string_view text, std::string_view caption, int style) = 0;

  // The output path, or nothing when the user cancelled.
  virtual std::optional<std::string> AskOutputPath() = 0;

  // Lets the program handle, once, what is waiting for it (but not user input).
  virtual void PumpWaitingMessages() = 0;

  // Seconds since 1970-01-01T00:00:00Z, for the merged file's time stamp.
  virtual std::time_t Now() const = 0;
};

}  // namespace geoplait
