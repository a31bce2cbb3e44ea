// A whole merge run over up to three fuzzed inputs, once with each output policy. Both runs
// must tell the same messages and write the same bytes, the inputs must stay as they were,
// and the merged file must keep the rules every merged file keeps.

#include "fuzz_input_file.h"
#include "merge_engine.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

using geoplait::fuzzing::Fail;
using geoplait::fuzzing::ReadWholeFile;
using geoplait::fuzzing::WriteScratchFile;

// The inputs are the fuzz bytes cut at this byte, the record separator of ASCII.
constexpr char kInputSeparator = '\x1e';
constexpr std::size_t kMaxInputs = 3;

struct Message {
  std::string text;
  int style;
  bool operator==(const Message&) const = default;
};

class RecordingHost final : public geoplait::MergeHost {
 public:
  RecordingHost(std::vector<std::string> inputs, std::string output)
      : inputs_(std::move(inputs)), output_(std::move(output)) {}

  int EntryCount() const override { return static_cast<int>(inputs_.size()); }
  std::string EntryText(int index) const override {
    return inputs_.at(static_cast<std::size_t>(index));
  }
  void ShowMessage(std::string_view text, std::string_view caption, int style) override {
    if (caption != geoplait::kMessageCaption) {
      Fail("a message without the program's caption");
    }
    messages.push_back({std::string(text), style});
  }
  std::optional<std::string> AskOutputPath() override { return output_; }
  void PumpWaitingMessages() override {}
  std::time_t Now() const override { return 1204880702; }

  std::vector<Message> messages;

 private:
  std::vector<std::string> inputs_;
  std::string output_;
};

struct Run {
  bool complete;
  std::vector<Message> messages;
  std::string output;
};

Run Merge(const std::vector<std::string>& paths, geoplait::OutputSink::Policy policy) {
  const std::string output = WriteScratchFile("merged.gpx", "stale");
  RecordingHost host(paths, output);
  geoplait::MergeOptions options;
  options.output_policy = policy;
  geoplait::MergeEngine engine(host, options);
  const bool complete = engine.CmMergeFiles();
  return {complete, host.messages, ReadWholeFile(output)};
}

void CheckMergedFile(const Run& run, std::size_t input_bytes) {
  const std::string& out = run.output;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const char c = out[i];
    if (c == '\0' || c == '\x1a') {
      Fail("a NUL or Ctrl-Z reached the merged file");
    }
    if (c == '\r' && (i + 1 == out.size() || out[i + 1] != '\n')) {
      Fail("a CR that does not end a line");
    }
    if (c == '\n' && (i == 0 || out[i - 1] != '\r')) {
      Fail("a line that does not end in CR LF");
    }
  }
  // Each input is copied at most twice (a line that starts both sections), and a renamed
  // track name grows by a bounded amount.
  if (out.size() > 8 * input_bytes + 4096) {
    Fail("the merged file is larger than its inputs can make it");
  }
  if (run.complete) {
    const std::string_view end = "</gpx>\r\n";
    if (out.size() < end.size() || out.compare(out.size() - end.size(), end.size(), end) != 0) {
      Fail("a complete merge that does not end in </gpx>");
    }
    if (run.messages.empty() || run.messages.back().style != geoplait::kStyleInformation) {
      Fail("a complete merge without the success message");
    }
  }
  for (std::size_t i = 0; i + (run.complete ? 1 : 0) < run.messages.size(); ++i) {
    if (run.messages[i].style == geoplait::kStyleInformation) {
      Fail("a success message for a merge that did not complete");
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> contents;
  std::size_t start = 0;
  while (contents.size() + 1 < kMaxInputs) {
    const std::size_t cut = bytes.find(kInputSeparator, start);
    if (cut == std::string_view::npos) {
      break;
    }
    contents.emplace_back(bytes.substr(start, cut - start));
    start = cut + 1;
  }
  contents.emplace_back(bytes.substr(start));

  std::vector<std::string> paths;
  for (std::size_t i = 0; i < contents.size(); ++i) {
    paths.push_back(WriteScratchFile("input-" + std::to_string(i) + ".gpx", contents[i]));
  }

  const Run buffered = Merge(paths, geoplait::OutputSink::Policy::kBuffered);
  const Run each_line = Merge(paths, geoplait::OutputSink::Policy::kEachLine);
  if (buffered.complete != each_line.complete || buffered.messages != each_line.messages ||
      buffered.output != each_line.output) {
    Fail("the two output policies disagree");
  }
  for (std::size_t i = 0; i < paths.size(); ++i) {
    if (ReadWholeFile(paths[i]) != contents[i]) {
      Fail("a merge changed one of its inputs");
    }
  }
  CheckMergedFile(buffered, size);
  return 0;
}
