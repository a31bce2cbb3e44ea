// Runs the merge engine on files with a chosen output policy, so that the desktop program's
// one write(2) per line can be timed without a window.
//
//   geoplait-bench-merge --each-line|--buffered OUTPUT INPUT...

#include "merge_engine.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

class BenchHost final : public geoplait::MergeHost {
 public:
  BenchHost(std::vector<std::string> inputs, std::string output)
      : inputs_(std::move(inputs)), output_(std::move(output)) {}

  int EntryCount() const override { return static_cast<int>(inputs_.size()); }
  std::string EntryText(int index) const override {
    return inputs_[static_cast<std::size_t>(index)];
  }
  void ShowMessage(std::string_view text, std::string_view, int style) override {
    if (style != geoplait::kStyleInformation) {
      std::fprintf(stderr, "%.*s\n", static_cast<int>(text.size()), text.data());
    }
  }
  std::optional<std::string> AskOutputPath() override { return output_; }
  void PumpWaitingMessages() override {}
  std::time_t Now() const override { return 1204880702; }

 private:
  std::vector<std::string> inputs_;
  std::string output_;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fputs("usage: geoplait-bench-merge --each-line|--buffered OUTPUT INPUT...\n", stderr);
    return 2;
  }
  const std::string policy = argv[1];
  geoplait::MergeOptions options;
  if (policy == "--each-line") {
    options.output_policy = geoplait::OutputSink::Policy::kEachLine;
  } else if (policy == "--buffered") {
    options.output_policy = geoplait::OutputSink::Policy::kBuffered;
  } else {
    std::fprintf(stderr, "unknown policy %s\n", argv[1]);
    return 2;
  }
  BenchHost host(std::vector<std::string>(argv + 3, argv + argc), argv[2]);
  geoplait::MergeEngine engine(host, options);
  return engine.CmMergeFiles() ? 0 : 1;
}
