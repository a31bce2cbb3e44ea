#pragma once

#include "merge_host.h"

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace geoplait {

// The command line's side of a merge run: the inputs in the order given, OUTPUT in place of
// the save dialog, messages on the terminal.
class ConsoleHost final : public MergeHost {
 public:
  struct Settings {
    std::vector<std::string> inputs;
    std::string output;
    bool force = false;  // replace an existing OUTPUT
    bool quiet = false;  // no success message
  };

  ConsoleHost(Settings settings, std::FILE* out, std::FILE* err);

  int EntryCount() const override;
  std::string EntryText(int index) const override;
  void ShowMessage(std::string_view text, std::string_view caption, int style) override;
  std::optional<std::string> AskOutputPath() override;
  void PumpWaitingMessages() override {}
  std::time_t Now() const override;

 private:
  Settings settings_;
  std::FILE* out_;
  std::FILE* err_;
};

// The time of SOURCE_DATE_EPOCH when it holds decimal seconds of a year up to 9999.
std::optional<std::time_t> ParseSourceDateEpoch(const char* text);

}  // namespace geoplait
