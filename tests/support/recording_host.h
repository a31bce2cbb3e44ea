#pragma once

#include "merge_host.h"

#include <gtest/gtest.h>

#include <ctime>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace geoplait::testing {

struct RecordedMessage {
  std::string text;
  std::string caption;
  int style;

  bool operator==(const RecordedMessage&) const = default;
};

std::ostream& operator<<(std::ostream& os, const RecordedMessage& message);

// A host that answers from fields and records every message box, in order.
class RecordingHost : public MergeHost {
 public:
  std::vector<std::string> entries;
  std::optional<std::string> output_path;  // the save dialog's answer; nothing = cancelled
  std::time_t now = 1204880702;            // 2008-03-07T09:05:02Z
  std::function<void()> on_pump;           // runs at the one pump of a run

  std::vector<RecordedMessage> messages;
  int output_questions = 0;
  int pumps = 0;

  int EntryCount() const override { return static_cast<int>(entries.size()); }
  std::string EntryText(int index) const override {
    return entries.at(static_cast<std::size_t>(index));
  }
  void ShowMessage(std::string_view text, std::string_view caption, int style) override {
    messages.push_back({std::string(text), std::string(caption), style});
  }
  std::optional<std::string> AskOutputPath() override {
    ++output_questions;
    return output_path;
  }
  void PumpWaitingMessages() override {
    ++pumps;
    if (on_pump) {
      on_pump();
    }
  }
  std::time_t Now() const override { return now; }
};

// A message box of the run, with the caption every merge message has.
RecordedMessage Box(std::string text, int style);

}  // namespace geoplait::testing
