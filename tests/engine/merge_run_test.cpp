#include "fault_injection.h"
#include "merge_engine.h"
#include "merge_fixture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace geoplait {
namespace {

using geoplait::testing::Box;
using geoplait::testing::FaultyOpener;
using geoplait::testing::Lines;
using geoplait::testing::MergeFixture;
using geoplait::testing::ReadFileBytes;
using geoplait::testing::RecordedMessage;
using Messages = std::vector<RecordedMessage>;

const std::string kInput = Lines({"<?xml version=\"1.0\"?>", "<gpx>", "<wpt lat=\"1\" lon=\"2\"/>",
                                  "<trk>", "<name>ACTIVE LOG</name>", "</trk>", "</gpx>"});
const std::string kOops =
    "Oops: that is one of the input files!\nChoose a different file for the output.";

bool Exists(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0;
}

TEST(CmMergeFiles, EmptyListIsRefusedBeforeAnythingElse) {
  MergeFixture f;
  EXPECT_FALSE(f.Merge());
  EXPECT_EQ(f.host.messages,
            (Messages{Box("You must add some files to the list\nbefore they can be merged.",
                          kStyleStop)}));
  EXPECT_EQ(f.host.output_questions, 0);
}

TEST(CmMergeFiles, InputsThatCannotBeMergedAreRefusedBeforeTheOutputQuestion) {
  MergeFixture f;
  f.AddEntry(f.dir.File("missing.gpx"));
  EXPECT_FALSE(f.Merge());
  EXPECT_EQ(f.host.messages,
            (Messages{Box(f.dir.File("missing.gpx") + ": No such file or directory\n", kStyleStop),
                      Box("Sorry, I cannot merge these files.", kStyleNoIcon)}));
  EXPECT_EQ(f.host.output_questions, 0);
  EXPECT_FALSE(Exists(f.output_path));
}

TEST(CmMergeFiles, CancelledOutputQuestionEndsQuietly) {
  MergeFixture f;
  f.AddInput("a.gpx", kInput);
  f.host.output_path.reset();
  EXPECT_FALSE(f.Merge());
  EXPECT_TRUE(f.host.messages.empty());
  EXPECT_EQ(f.host.pumps, 0);
}

TEST(CmMergeFiles, SuccessIsToldAfterTheFileIsComplete) {
  MergeFixture f;
  f.AddInput("a.gpx", kInput);
  // The one pump comes after the output was created and before anything is written.
  bool empty_output_at_pump = false;
  f.host.on_pump = [&] { empty_output_at_pump = Exists(f.output_path) && f.Output().empty(); };
  EXPECT_TRUE(f.Merge());
  EXPECT_EQ(f.host.pumps, 1);
  EXPECT_TRUE(empty_output_at_pump);
  EXPECT_EQ(f.host.messages,
            (Messages{Box(f.output_path + " created successfully.", kStyleInformation)}));
  EXPECT_TRUE(f.Output().ends_with("</gpx>\r\n"));
  EXPECT_EQ(CurrentInputName(), f.host.entries.back());
}

TEST(CmMergeFiles, BothOutputPoliciesWriteTheSameBytes) {
  MergeFixture f;
  f.AddInput("a.gpx", kInput);
  f.AddInput("b.gpx", std::string(300000, 'x') + "\n" + kInput);
  ASSERT_TRUE(f.Merge(OutputSink::Policy::kEachLine));
  const std::string each_line = f.Output();
  ASSERT_TRUE(f.Merge(OutputSink::Policy::kBuffered));
  EXPECT_EQ(f.Output(), each_line);
}

TEST(CmMergeFiles, OutputThatIsAnInputUnderAnySpellingIsRefused) {
  MergeFixture f;
  const std::string input = f.AddInput("a.gpx", kInput);
  ASSERT_EQ(symlink(input.c_str(), f.dir.File("link.gpx").c_str()), 0);
  ASSERT_EQ(link(input.c_str(), f.dir.File("hard.gpx").c_str()), 0);
  for (const std::string& output :
       {input, f.dir.path() + "/./a.gpx", f.dir.File("link.gpx"), f.dir.File("hard.gpx")}) {
    SCOPED_TRACE(output);
    f.host.messages.clear();
    f.host.output_path = output;
    EXPECT_FALSE(f.Merge());
    EXPECT_EQ(f.host.messages, (Messages{Box(kOops, kStyleStop)}));
    EXPECT_EQ(ReadFileBytes(input), kInput);
  }
}

TEST(CmMergeFiles, OutputThatCannotBeCreated) {
  MergeFixture f;
  f.AddInput("a.gpx", kInput);
  const std::string output = f.dir.File("no/such/folder/out.gpx");
  f.host.output_path = output;
  EXPECT_FALSE(f.Merge());
  EXPECT_EQ(f.host.messages, (Messages{Box(output + ": No such file or directory\n", kStyleStop)}));
  EXPECT_EQ(f.host.pumps, 0);
}

TEST(CmMergeFiles, WriteFailureIsToldOnceAndNotReportedAsSuccess) {
  for (const auto policy : {OutputSink::Policy::kEachLine, OutputSink::Policy::kBuffered}) {
    MergeFixture f;
    f.AddInput("a.gpx", kInput);
    f.AddInput("b.gpx", kInput);
    f.host.output_path = "/dev/full";
    EXPECT_FALSE(f.Merge(policy));
    EXPECT_EQ(f.host.messages, (Messages{Box("/dev/full: No space left on device\n", kStyleStop)}));
  }
}

TEST(CmMergeFiles, InputGoneBeforeTheWritingPasses) {
  MergeFixture f;
  const std::string first = f.AddInput("a.gpx", kInput);
  f.AddInput("b.gpx", kInput);
  f.host.on_pump = [&] { std::remove(first.c_str()); };
  EXPECT_FALSE(f.Merge());
  EXPECT_EQ(f.host.messages, (Messages{Box(first + ": No such file or directory\n", kStyleStop)}));
  EXPECT_EQ(f.Output(), "");
}

TEST(CmMergeFiles, InputGoneBeforeTheTrackPassLeavesWhatWasWritten) {
  MergeFixture f;
  f.AddInput("a.gpx", kInput);
  const std::string second = f.AddInput("b.gpx", kInput);
  // Opens 1-2 are the bounds scan, 3-4 the waypoints, 5 a.gpx's tracks: b.gpx is gone by 6.
  FaultyOpener opener;
  opener.open_faults = {{6, ENOENT}};
  f.input_opener = &opener;
  EXPECT_FALSE(f.Merge());
  EXPECT_EQ(f.host.messages, (Messages{Box(second + ": No such file or directory\n", kStyleStop)}));
  const std::string out = f.Output();
  EXPECT_TRUE(out.ends_with("<trk>\r\n<name>UnnamedTrk000001</name>\r\n</trk>\r\n")) << out;
}

}  // namespace
}  // namespace geoplait
