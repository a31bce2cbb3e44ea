#include "cli_runner.h"
#include "fault_fixtures.h"
#include "fault_injection.h"
#include "merge_engine.h"
#include "recording_host.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <unistd.h>
#include <vector>

namespace geoplait {
namespace {

using testing::Box;
using testing::CliResult;
using testing::FaultyOpener;
using testing::GarminInput;
using testing::ReadFileBytes;
using testing::RecordedMessage;
using testing::RecordingHost;
using testing::RunMerge;
using testing::TempDir;

constexpr std::string_view kOops =
    "Oops: that is one of the input files!\nChoose a different file for the output.";

// An input whose waypoints alone are more than the buffered policy holds, so that its first
// hand-over comes in the middle of the waypoint pass.
std::string LargeInput() {
  std::string text = GarminInput("large");
  std::string waypoints;
  while (waypoints.size() < 2 * OutputSink::kBufferSize) {
    waypoints += "  <wpt lat=\"46.5\" lon=\"7.5\"><name>filler</name></wpt>\r\n";
  }
  return text.insert(text.find("  <wpt"), waypoints);
}

struct FullDiskCase {
  const char* name;
  OutputSink::Policy policy;
  bool large_input;
  std::size_t opens;  // the bounds scan's 1, then as far as the writing got
};

void PrintTo(const FullDiskCase& c, std::ostream* os) {
  *os << c.name;
}

class FullDiskTest : public ::testing::TestWithParam<FullDiskCase> {};

TEST_P(FullDiskTest, ReportsTheFirstFailureOnceAndStops) {
  TempDir dir;
  const std::string input =
      dir.Write("in.gpx", GetParam().large_input ? LargeInput() : GarminInput("small"));
  FaultyOpener opener;
  RecordingHost host;
  host.entries = {input};
  host.output_path = "/dev/full";
  MergeOptions options;
  options.output_policy = GetParam().policy;
  options.input_opener = &opener;

  EXPECT_FALSE(MergeEngine(host, options).CmMergeFiles());

  EXPECT_EQ(host.messages,
            std::vector<RecordedMessage>{Box("/dev/full: No space left on device\n", kStyleStop)});
  EXPECT_EQ(opener.opened.size(), GetParam().opens);
}

INSTANTIATE_TEST_SUITE_P(
    Policies, FullDiskTest,
    ::testing::Values(
        // The first line fails, so the waypoint pass stops in its first input.
        FullDiskCase{"EachLine", OutputSink::Policy::kEachLine, false, 2},
        // Everything fits the buffer: the failure shows when the file is closed.
        FullDiskCase{"BufferedSmall", OutputSink::Policy::kBuffered, false, 3},
        FullDiskCase{"BufferedLarge", OutputSink::Policy::kBuffered, true, 2}),
    [](const ::testing::TestParamInfo<FullDiskCase>& info) {
      return std::string(info.param.name);
    });

TEST(FullDiskCommand, FailsWithTheErrorTextAndNoSuccessMessage) {
  TempDir dir;
  const std::string input = dir.Write("in.gpx", GarminInput("small"));
  const CliResult result = RunMerge({"-f", "-o", "/dev/full", input}, dir.path());
  EXPECT_EQ(result.exit_status, 1);
  EXPECT_EQ(result.err, "/dev/full: No space left on device\n");
  EXPECT_EQ(result.out, "");
}

// With a limit on processes reached, the command has no second thread to write with: it
// writes the same bytes without one.
TEST(NoWriterThread, TheCommandWritesTheSameMerge) {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
  GTEST_SKIP() << "a sanitizer's own pthread_create comes before a preloaded one";
#endif
  TempDir dir;
  const std::string input = dir.Write("in.gpx", LargeInput());
  const std::string threaded = dir.File("threaded.gpx");
  const std::string alone = dir.File("alone.gpx");
  ASSERT_EQ(
      RunMerge({"-q", "-o", threaded, input}, dir.path(), {"SOURCE_DATE_EPOCH=1"}).exit_status, 0);
  const CliResult result =
      RunMerge({"-q", "-o", alone, input}, dir.path(),
               {"SOURCE_DATE_EPOCH=1", std::string("LD_PRELOAD=") + GEOPLAIT_NO_THREAD_PRELOAD});
  EXPECT_EQ(result.exit_status, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(ReadFileBytes(alone), ReadFileBytes(threaded));
}

TEST(OutputFolder, ThatDoesNotExistIsReportedAndNothingIsCreated) {
  TempDir dir;
  const std::string input = dir.Write("in.gpx", GarminInput("small"));
  const std::string output = dir.File("missing") + "/out.gpx";
  RecordingHost host;
  host.entries = {input};
  host.output_path = output;

  EXPECT_FALSE(MergeEngine(host).CmMergeFiles());

  EXPECT_EQ(host.messages, std::vector<RecordedMessage>{
                               Box(output + ": No such file or directory\n", kStyleStop)});
  EXPECT_NE(access(dir.File("missing").c_str(), F_OK), 0);
}

// The output named as one of the inputs in another spelling: creating it would empty that
// input before the writing passes read it.
struct OutputIsInputCase {
  const char* name;
  std::function<std::string(const TempDir&, const std::string& input)> spell;
};

void PrintTo(const OutputIsInputCase& c, std::ostream* os) {
  *os << c.name;
}

class OutputIsInputTest : public ::testing::TestWithParam<OutputIsInputCase> {};

TEST_P(OutputIsInputTest, ShowsOopsAndTouchesNothing) {
  TempDir dir;
  const std::string bytes = GarminInput("kept");
  const std::string first = dir.Write("first.gpx", GarminInput("first"));
  const std::string input = dir.Write("in.gpx", bytes);
  const std::string output = GetParam().spell(dir, input);
  ASSERT_NE(output, input);
  FaultyOpener opener;
  RecordingHost host;
  host.entries = {first, input};
  host.output_path = output;
  MergeOptions options;
  options.input_opener = &opener;

  EXPECT_FALSE(MergeEngine(host, options).CmMergeFiles());

  EXPECT_EQ(host.messages, std::vector<RecordedMessage>{Box(std::string(kOops), kStyleStop)});
  EXPECT_EQ(opener.opened.size(), 2u) << "only the bounds scan may read the inputs";
  EXPECT_EQ(ReadFileBytes(input), bytes);
}

TEST_P(OutputIsInputTest, CommandWithForceShowsOopsAndTouchesNothing) {
  TempDir dir;
  const std::string bytes = GarminInput("kept");
  const std::string input = dir.Write("in.gpx", bytes);
  const std::string output = GetParam().spell(dir, input);

  const CliResult result = RunMerge({"--force", "-o", output, input}, dir.path());

  EXPECT_EQ(result.exit_status, 1);
  EXPECT_EQ(result.err, std::string(kOops) + "\n");
  EXPECT_EQ(ReadFileBytes(input), bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Spellings, OutputIsInputTest,
    ::testing::Values(OutputIsInputCase{"Symlink",
                                        [](const TempDir& dir, const std::string& input) {
                                          const std::string link = dir.File("link.gpx");
                                          EXPECT_EQ(symlink(input.c_str(), link.c_str()), 0);
                                          return link;
                                        }},
                      OutputIsInputCase{"HardLink",
                                        [](const TempDir& dir, const std::string& input) {
                                          const std::string hard = dir.File("hard.gpx");
                                          EXPECT_EQ(link(input.c_str(), hard.c_str()), 0);
                                          return hard;
                                        }},
                      OutputIsInputCase{"DotInPath",
                                        [](const TempDir& dir, const std::string&) {
                                          return dir.path() + "/./in.gpx";
                                        }},
                      OutputIsInputCase{"DoubledSlash",
                                        [](const TempDir& dir, const std::string&) {
                                          return dir.path() + "//in.gpx";
                                        }}),
    [](const ::testing::TestParamInfo<OutputIsInputCase>& info) {
      return std::string(info.param.name);
    });

}  // namespace
}  // namespace geoplait
