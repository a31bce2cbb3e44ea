#include "error_text.h"
#include "merge_engine.h"
#include "relaying_input_opener.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

namespace geoplait {
namespace {

constexpr std::string_view kEmptyListMessage =
    "You must add some files to the list\nbefore they can be merged.";
constexpr std::string_view kCannotMergeMessage = "Sorry, I cannot merge these files.";
constexpr std::string_view kOutputIsInputMessage =
    "Oops: that is one of the input files!\nChoose a different file for the output.";

std::string& CurrentInputNameBuffer() {
  static std::string name;
  return name;
}

bool SameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

}  // namespace

const std::string& CurrentInputName() {
  return CurrentInputNameBuffer();
}

MergeEngine::MergeEngine(MergeHost& host, MergeOptions options) : host_(host), options_(options) {}

bool MergeEngine::CmMergeFiles() {
  if (host_.EntryCount() <= 0) {
    Tell(kEmptyListMessage, kStyleStop);
    return false;
  }
  // The bounds are read before anyone is asked for an output file, so that inputs that
  // cannot be merged never get that far.
  double maxlat = 0, maxlon = 0, minlat = 0, minlon = 0;
  if (!ScanBounds(maxlat, maxlon, minlat, minlon)) {
    Tell(kCannotMergeMessage, kStyleNoIcon);
    return false;
  }
  const std::optional<std::string> output_path = host_.AskOutputPath();
  if (!output_path) {
    return false;
  }
  if (IsOneOfTheInputs(*output_path)) {
    Tell(kOutputIsInputMessage, kStyleStop);
    return false;
  }
  const int fd =
      open(output_path->c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOCTTY, 0666);
  if (fd < 0) {
    Tell(FileFailureMessage(*output_path, errno), kStyleStop);
    return false;
  }
  OutputSink out(fd, options_.output_policy);
  output_ = &out;
  output_path_ = *output_path;
  write_failure_reported_ = false;
  at_line_start_ = true;

  host_.PumpWaitingMessages();

  bool complete = WriteHeaderAndWaypoints(out, maxlat, maxlon, minlat, minlon) && WriteTracks(out);
  // The file is closed before success is told: a failed close means a file that may not be
  // whole, and that must not be reported as created.
  if (complete) {
    complete = out.Close();
  }
  if (out.Failed()) {
    ReportWriteFailure();
  }
  output_ = nullptr;
  if (complete) {
    Tell(*output_path + " created successfully.", kStyleInformation);
  }
  out.Close();
  return complete;
}

bool MergeEngine::IsOneOfTheInputs(const std::string& output_path) {
  const int count = host_.EntryCount();
  for (int i = 0; i < count; ++i) {
    if (host_.EntryText(i) == output_path) {
      return true;
    }
  }
  // Another spelling of an input (a link, "./a.gpx" beside "a.gpx") would be emptied when the
  // output is created, before the writing passes read it.
  struct stat output {};
  if (stat(output_path.c_str(), &output) != 0) {
    return false;
  }
  for (int i = 0; i < count; ++i) {
    struct stat input {};
    if (stat(host_.EntryText(i).c_str(), &input) == 0 && SameFile(input, output)) {
      return true;
    }
  }
  return false;
}

std::unique_ptr<LineSource> MergeEngine::OpenInput(const std::string& path) {
  InputOpener& files = options_.input_opener ? *options_.input_opener : file_opener_;
  RelayingInputOpener relaying(files);
  InputOpener& opener = options_.relayout ? static_cast<InputOpener&>(relaying) : files;
  int error = 0;
  std::unique_ptr<LineSource> input = opener.Open(path, error);
  if (!input) {
    Tell(FileFailureMessage(path, error), kStyleStop);
    return nullptr;
  }
  CurrentInputNameBuffer() = path;
  return input;
}

bool MergeEngine::InputFailed(const LineSource& input, const std::string& path) {
  if (input.Error() == 0) {
    return false;
  }
  const std::string detail = input.ErrorDetail();
  Tell(detail.empty() ? FileFailureMessage(path, input.Error()) : path + ":\n" + detail,
       kStyleStop);
  return true;
}

void MergeEngine::EndSection(OutputSink& out) {
  // A section that stops inside a long line still ends that line, so that what comes next
  // does not join it.
  if (!at_line_start_) {
    Emit(out, "");
  }
}

void MergeEngine::Tell(std::string_view text, int style) {
  // What was written before a message is in the file while the user reads it.
  if (output_ != nullptr && !output_->Flush()) {
    ReportWriteFailure();
  }
  host_.ShowMessage(text, kMessageCaption, style);
}

void MergeEngine::ReportWriteFailure() {
  if (write_failure_reported_ || output_ == nullptr || !output_->Failed()) {
    return;
  }
  write_failure_reported_ = true;
  host_.ShowMessage(FileFailureMessage(output_path_, output_->Error()), kMessageCaption,
                    kStyleStop);
}

}  // namespace geoplait
