#include "fault_fixtures.h"
#include "fault_injection.h"
#include "merge_engine.h"
#include "recording_host.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace geoplait {
namespace {

using testing::Box;
using testing::FaultyOpener;
using testing::GarminInput;
using testing::GarminInputWithoutBounds;
using testing::ReadFileBytes;
using testing::RecordedMessage;
using testing::RecordingHost;
using testing::TempDir;

constexpr std::string_view kSorry = "Sorry, I cannot merge these files.";

// Inputs that open but cannot be read three times over must fail in the bounds scan, before
// the output question, and must never hang the merge.
struct UnreadableInputCase {
  const char* name;
  std::function<std::string(const TempDir&)> make;  // creates the input, returns its path
  const char* error_text;
};

void PrintTo(const UnreadableInputCase& c, std::ostream* os) {
  *os << c.name;
}

class UnreadableInputTest : public ::testing::TestWithParam<UnreadableInputCase> {};

TEST_P(UnreadableInputTest, FailsTheBoundsScanWithItsOwnMessage) {
  TempDir dir;
  const std::string good = dir.Write("good.gpx", GarminInput("good"));
  const std::string bad = GetParam().make(dir);
  RecordingHost host;
  host.entries = {good, bad};
  host.output_path = dir.File("out.gpx");

  EXPECT_FALSE(MergeEngine(host).CmMergeFiles());

  ASSERT_EQ(host.messages.size(), 2u);
  const RecordedMessage& failure = host.messages[0];
  EXPECT_EQ(failure, Box(bad + ": " + GetParam().error_text + "\n", kStyleStop));
  EXPECT_EQ(host.messages[1], Box(std::string(kSorry), kStyleNoIcon));
  EXPECT_EQ(host.output_questions, 0);
  EXPECT_NE(access(host.output_path->c_str(), F_OK), 0) << "nothing may be created";
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, UnreadableInputTest,
    ::testing::Values(UnreadableInputCase{"Directory",
                                          [](const TempDir& dir) {
                                            const std::string path = dir.File("folder.gpx");
                                            mkdir(path.c_str(), 0755);
                                            return path;
                                          },
                                          "Is a directory"},
                      // No writer: a blocking open would wait for one for ever.
                      UnreadableInputCase{"FifoWithoutWriter",
                                          [](const TempDir& dir) {
                                            const std::string path = dir.File("pipe.gpx");
                                            mkfifo(path.c_str(), 0644);
                                            return path;
                                          },
                                          "Not a regular file"},
                      // Never ends: every pass would read it for ever.
                      UnreadableInputCase{"EndlessDevice",
                                          [](const TempDir&) { return std::string("/dev/zero"); },
                                          "Not a regular file"},
                      UnreadableInputCase{
                          "Missing", [](const TempDir& dir) { return dir.File("missing.gpx"); },
                          "No such file or directory"},
                      UnreadableInputCase{"UnderAFile",
                                          [](const TempDir& dir) {
                                            return dir.Write("plain", "x") + "/inside.gpx";
                                          },
                                          "Not a directory"}),
    [](const ::testing::TestParamInfo<UnreadableInputCase>& info) {
      return std::string(info.param.name);
    });

// The second input changes at the pump, between the bounds scan and the writing passes: pass 2
// must stop there, say why, and leave what it wrote without a closing tag.
struct ChangeBetweenPassesCase {
  const char* name;
  std::function<void(const std::string&)> change;
  const char* error_text;
};

void PrintTo(const ChangeBetweenPassesCase& c, std::ostream* os) {
  *os << c.name;
}

class ChangeBetweenPassesTest : public ::testing::TestWithParam<ChangeBetweenPassesCase> {};

TEST_P(ChangeBetweenPassesTest, StopsTheWaypointPassAtThatInput) {
  TempDir dir;
  const std::string first = dir.Write("first.gpx", GarminInput("first"));
  const std::string second = dir.Write("second.gpx", GarminInput("second"));
  RecordingHost host;
  host.entries = {first, second};
  host.output_path = dir.File("out.gpx");
  host.on_pump = [&] { GetParam().change(second); };

  EXPECT_FALSE(MergeEngine(host).CmMergeFiles());

  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0], Box(second + ": " + GetParam().error_text + "\n", kStyleStop));
  const std::string out = ReadFileBytes(*host.output_path);
  EXPECT_NE(out.find("<name>first-2</name>"), std::string::npos) << "written so far stays";
  EXPECT_EQ(out.find("second"), std::string::npos);
  EXPECT_EQ(out.find("<trk>"), std::string::npos) << "the track pass must not run";
  EXPECT_EQ(out.find("</gpx>"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Changes, ChangeBetweenPassesTest,
                         ::testing::Values(ChangeBetweenPassesCase{"Removed",
                                                                   [](const std::string& path) {
                                                                     unlink(path.c_str());
                                                                   },
                                                                   "No such file or directory"},
                                           ChangeBetweenPassesCase{"ReplacedByDirectory",
                                                                   [](const std::string& path) {
                                                                     unlink(path.c_str());
                                                                     mkdir(path.c_str(), 0755);
                                                                   },
                                                                   "Is a directory"},
                                           ChangeBetweenPassesCase{"ReplacedByFifo",
                                                                   [](const std::string& path) {
                                                                     unlink(path.c_str());
                                                                     mkfifo(path.c_str(), 0644);
                                                                   },
                                                                   "Not a regular file"}),
                         [](const ::testing::TestParamInfo<ChangeBetweenPassesCase>& info) {
                           return std::string(info.param.name);
                         });

// Faults that permission bits cannot make for a root user: an open refused in one pass, or an
// input whose reading breaks off. Opens are numbered across the run: with two inputs, 1-2 are
// the bounds scan, 3-4 the waypoint pass, 5-6 the track pass.
struct InjectedFaultCase {
  const char* name;
  bool with_bounds;
  std::vector<FaultyOpener::OpenFault> open_faults;
  std::vector<FaultyOpener::ReadFault> read_faults;
  int failing_input;  // 0 or 1: whose message comes
  const char* error_text;
  bool bounds_scan_fails;            // then "Sorry" follows and no output is made
  std::size_t opens;                 // how many opens the run makes in all
  std::vector<std::string> written;  // texts that the output holds
  std::vector<std::string> absent;   // texts that it must not hold
};

void PrintTo(const InjectedFaultCase& c, std::ostream* os) {
  *os << c.name;
}

class InjectedFaultTest : public ::testing::TestWithParam<InjectedFaultCase> {};

TEST_P(InjectedFaultTest, FailsThePassAndRunsNoFurther) {
  const InjectedFaultCase& c = GetParam();
  TempDir dir;
  const auto input = c.with_bounds ? GarminInput : GarminInputWithoutBounds;
  const std::vector<std::string> paths = {dir.Write("first.gpx", input("first", "\r\n")),
                                          dir.Write("second.gpx", input("second", "\n"))};
  FaultyOpener opener;
  opener.open_faults = c.open_faults;
  opener.read_faults = c.read_faults;
  RecordingHost host;
  host.entries = paths;
  host.output_path = dir.File("out.gpx");
  MergeOptions options;
  options.input_opener = &opener;

  EXPECT_FALSE(MergeEngine(host, options).CmMergeFiles());

  std::vector<RecordedMessage> expected = {Box(
      paths[static_cast<std::size_t>(c.failing_input)] + ": " + c.error_text + "\n", kStyleStop)};
  if (c.bounds_scan_fails) {
    expected.push_back(Box(std::string(kSorry), kStyleNoIcon));
  }
  EXPECT_EQ(host.messages, expected);
  EXPECT_EQ(opener.opened.size(), c.opens);
  if (c.bounds_scan_fails) {
    EXPECT_EQ(host.output_questions, 0);
    EXPECT_NE(access(host.output_path->c_str(), F_OK), 0);
    return;
  }
  const std::string out = ReadFileBytes(*host.output_path);
  for (const std::string& text : c.written) {
    EXPECT_NE(out.find(text), std::string::npos) << text;
  }
  for (const std::string& text : c.absent) {
    EXPECT_EQ(out.find(text), std::string::npos) << text;
  }
  EXPECT_EQ(out.find("</gpx>"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, InjectedFaultTest,
    ::testing::Values(
        // The bounds scan reports every input it cannot open and goes on.
        InjectedFaultCase{"OpenRefusedInBoundsScan",
                          true,
                          {{1, EACCES}},
                          {},
                          0,
                          "Permission denied",
                          true,
                          2,
                          {},
                          {}},
        InjectedFaultCase{"OpenRefusedInWaypointPass",
                          true,
                          {{4, EACCES}},
                          {},
                          1,
                          "Permission denied",
                          false,
                          4,
                          {"first-2"},
                          {"second", "<trk>"}},
        InjectedFaultCase{"OpenRefusedInTrackPass",
                          true,
                          {{5, EPERM}},
                          {},
                          0,
                          "Operation not permitted",
                          false,
                          5,
                          {"first-2", "second-2"},
                          {"<trk>"}},
        // A point input is read to its end by the bounds scan, so a read error there counts.
        InjectedFaultCase{"ReadErrorInBoundsScan",
                          false,
                          {},
                          {{2, 6, EIO}},
                          1,
                          "Input/output error",
                          true,
                          2,
                          {},
                          {}},
        InjectedFaultCase{"ReadErrorInHeaderCopy",
                          true,
                          {},
                          {{3, 1, EIO}},
                          0,
                          "Input/output error",
                          false,
                          3,
                          {},
                          {"first-1", "<metadata>"}},
        InjectedFaultCase{"ReadErrorInWaypointSection",
                          true,
                          {},
                          {{3, 9, EIO}},
                          0,
                          "Input/output error",
                          false,
                          3,
                          {"first-1"},
                          {"first-2", "<trk>"}},
        InjectedFaultCase{"ReadErrorInTrackSection",
                          true,
                          {},
                          {{6, 13, EIO}},
                          1,
                          "Input/output error",
                          false,
                          6,
                          {"UnnamedTrk000001", "<trkpt"},
                          {"UnnamedTrk000002"}}),
    [](const ::testing::TestParamInfo<InjectedFaultCase>& info) {
      return std::string(info.param.name);
    });

}  // namespace
}  // namespace geoplait
