#pragma once

#include "merge_engine.h"
#include "recording_host.h"
#include "temp_dir.h"

#include <string>
#include <string_view>
#include <vector>

namespace geoplait::testing {

// Input files in a temporary directory, a recording host over them, and the run's output.
class MergeFixture {
 public:
  MergeFixture();

  // Writes an input file and appends it to the input file list.
  std::string AddInput(std::string_view name, std::string_view bytes);
  // Appends a path to the input file list without writing anything.
  void AddEntry(std::string path) { host.entries.push_back(std::move(path)); }

  // Runs "Merge Files" with the given output policy; true when the engine reported success.
  bool Merge(OutputSink::Policy policy = OutputSink::Policy::kEachLine);
  // The merged file's bytes.
  std::string Output() const;

  TempDir dir;
  RecordingHost host;
  std::string output_path;
  InputOpener* input_opener = nullptr;
  // Off by default: most fixtures here show the line rules on inputs that are not laid out
  // one element per line, which the re-layout would otherwise straighten first.
  bool relayout = false;
};

// Lines joined with LF, each ended by one: the layout of a fixture.
std::string Lines(const std::vector<std::string>& lines, std::string_view end = "\n");

}  // namespace geoplait::testing
