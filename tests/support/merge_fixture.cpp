#include "merge_fixture.h"

namespace geoplait::testing {

MergeFixture::MergeFixture() : output_path(dir.File("merged.gpx")) {
  host.output_path = output_path;
}

std::string MergeFixture::AddInput(std::string_view name, std::string_view bytes) {
  std::string path = dir.Write(name, bytes);
  host.entries.push_back(path);
  return path;
}

bool MergeFixture::Merge(OutputSink::Policy policy) {
  MergeOptions options;
  options.output_policy = policy;
  options.input_opener = input_opener;
  options.relayout = relayout;
  MergeEngine engine(host, options);
  return engine.CmMergeFiles();
}

std::string MergeFixture::Output() const {
  return ReadFileBytes(output_path);
}

std::string Lines(const std::vector<std::string>& lines, std::string_view end) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += end;
  }
  return text;
}

}  // namespace geoplait::testing
