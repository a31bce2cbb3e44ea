#include "cli_runner.h"
#include "fault_fixtures.h"
#include "merge_engine.h"
#include "recording_host.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <string>
#include <sys/stat.h>
#include <vector>

namespace geoplait {
namespace {

using testing::CliResult;
using testing::GarminInput;
using testing::GarminInputWithoutBounds;
using testing::ReadFileBytes;
using testing::RecordingHost;
using testing::RunMerge;
using testing::TempDir;

struct Snapshot {
  std::string bytes;
  struct timespec modified {};
};

Snapshot Take(const std::string& path) {
  Snapshot snapshot{ReadFileBytes(path)};
  struct stat info {};
  EXPECT_EQ(stat(path.c_str(), &info), 0);
  snapshot.modified = info.st_mtim;
  return snapshot;
}

void ExpectUnchanged(const std::string& path, const Snapshot& before) {
  const Snapshot after = Take(path);
  EXPECT_EQ(after.bytes, before.bytes) << path;
  EXPECT_EQ(after.modified.tv_sec, before.modified.tv_sec) << path;
  EXPECT_EQ(after.modified.tv_nsec, before.modified.tv_nsec) << path;
}

// Inputs of every kind the reader treats specially, so that no path through it writes back.
std::vector<std::string> AwkwardInputs(const TempDir& dir) {
  return {
      dir.Write("crlf.gpx", GarminInput("crlf", "\r\n")),
      dir.Write("lf.gpx", GarminInputWithoutBounds("lf", "\n")),
      dir.Write("long.gpx",
                GarminInput("long") + "<trkpt lat=\"1\" lon=\"2\">" + std::string(12000, 'x')),
      dir.Write("ctrlz.gpx", GarminInput("ctrlz") + "\x1a trailing bytes\n"),
      dir.Write("nul.gpx", "<?xml?>\n<gpx>\n<wpt lat=\"1\" lon=\"2\">" + std::string(1, '\0') +
                               "hidden\n</gpx>\n"),
  };
}

TEST(InputIntegrity, MergesNeverModifyTheirInputs) {
  TempDir dir;
  const std::vector<std::string> inputs = AwkwardInputs(dir);
  std::vector<Snapshot> before;
  for (const std::string& path : inputs) {
    before.push_back(Take(path));
  }

  for (const auto policy : {OutputSink::Policy::kEachLine, OutputSink::Policy::kBuffered}) {
    RecordingHost host;
    host.entries = inputs;
    host.output_path = dir.File("out.gpx");
    MergeOptions options;
    options.output_policy = policy;
    EXPECT_TRUE(MergeEngine(host, options).CmMergeFiles());
  }
  // A failed merge as well: the output on a full device.
  RecordingHost failing;
  failing.entries = inputs;
  failing.output_path = "/dev/full";
  EXPECT_FALSE(MergeEngine(failing).CmMergeFiles());

  for (std::size_t i = 0; i < inputs.size(); ++i) {
    ExpectUnchanged(inputs[i], before[i]);
  }
}

TEST(InputIntegrity, SecondMergeOfTheSameListGivesTheSameBytes) {
  TempDir dir;
  const std::vector<std::string> inputs = AwkwardInputs(dir);
  const std::vector<std::string> epoch = {"SOURCE_DATE_EPOCH=1204880702"};
  std::vector<std::string> first_run = {"-q", "-o", dir.File("first.gpx")};
  std::vector<std::string> second_run = {"-q", "-o", dir.File("second.gpx")};
  first_run.insert(first_run.end(), inputs.begin(), inputs.end());
  second_run.insert(second_run.end(), inputs.begin(), inputs.end());

  const CliResult first = RunMerge(first_run, dir.path(), epoch);
  const CliResult second = RunMerge(second_run, dir.path(), epoch);

  EXPECT_EQ(first.exit_status, 0) << first.err;
  EXPECT_EQ(second.exit_status, 0) << second.err;
  const std::string bytes = ReadFileBytes(dir.File("first.gpx"));
  EXPECT_NE(bytes.find("<time>2008-03-07T09:05:02Z</time>"), std::string::npos);
  EXPECT_EQ(ReadFileBytes(dir.File("second.gpx")), bytes);
}

}  // namespace
}  // namespace geoplait
