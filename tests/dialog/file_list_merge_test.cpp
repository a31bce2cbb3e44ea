#include "merge_engine.h"
#include "recording_host.h"
#include "scripted_dialogs.h"
#include "shown_dialog.h"
#include "temp_dir.h"

#include <QCoreApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

namespace geoplait::testing {
namespace {

constexpr char kFirst[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<gpx version=\"1.1\" creator=\"test\">\n"
    "<metadata><bounds maxlat=\"47.5\" maxlon=\"8.5\" minlat=\"47.0\" minlon=\"8.0\"/></metadata>\n"
    "<wpt lat=\"47.1\" lon=\"8.1\"><name>Hut</name></wpt>\n"
    "<trk>\n"
    "<name>ACTIVE LOG: 01 MAR 2008</name>\n"
    "<trkseg><trkpt lat=\"47.2\" lon=\"8.2\"></trkpt></trkseg>\n"
    "</trk>\n"
    "</gpx>\n";
constexpr char kSecond[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<gpx version=\"1.1\" creator=\"other\">\n"
    "<wpt lat=\"46.9\" lon=\"7.9\"><name>Lake</name></wpt>\n"
    "<trk>\n"
    "<name>Ridge</name>\n"
    "<trkseg><trkpt lat=\"46.8\" lon=\"7.8\"></trkpt></trkseg>\n"
    "</trk>\n"
    "</gpx>\n";

// The merged file with its time stamp, the one part that depends on the clock, blanked.
std::string WithoutTime(const std::string& merged) {
  return std::regex_replace(merged, std::regex("<time>[^<]*</time>"), "<time/>");
}

// What the engine writes for these inputs by itself.
std::string MergedByTheEngine(const TempDir& dir, const std::vector<std::string>& inputs) {
  RecordingHost host;
  host.entries = inputs;
  host.output_path = dir.File("expected.gpx");
  MergeEngine(host).CmMergeFiles();
  return WithoutTime(ReadFileBytes(*host.output_path));
}

TEST(MergeFiles, MergesTheListedFilesIntoTheChosenOneAndSaysSo) {
  TempDir dir;
  dir.Write("one.gpx", kFirst);
  dir.Write("two.gpx", kSecond);
  const std::vector<std::string> inputs = {dir.File("two.gpx"), dir.File("one.gpx")};
  const std::string output = dir.File("merged.gpx");

  ScriptedDialogs dialogs;
  dialogs.open_answers.push_back(OpenAnswer{dir.path(), {"two.gpx", "one.gpx"}});
  dialogs.save_answers = {output, output};
  ShownDialog shown;
  shown.Click(kIdAddMoreFiles);
  // Waiting when the merge starts, so only the run's one pump can handle it.
  QMetaObject::invokeMethod(
      QCoreApplication::instance(), [&] { dialogs.log.push_back("pumped"); }, Qt::QueuedConnection);
  shown.Click(kIdMergeFiles);

  const std::string success = output + " created successfully.";
  EXPECT_EQ(dialogs.log,
            (std::vector<std::string>{"open", "save", "pumped", "message: " + success}));
  EXPECT_EQ(dialogs.messages, std::vector<RecordedMessage>{Box(success, kStyleInformation)});
  EXPECT_EQ(dialogs.message_owners, std::vector<QWidget*>{shown.window()});
  ASSERT_EQ(dialogs.save_requests.size(), 1u);
  EXPECT_EQ(dialogs.save_requests[0].Flags,
            toolkit::kOfnOverwritePrompt | toolkit::kOfnHideReadOnly | toolkit::kOfnNoChangeDir);
  EXPECT_EQ(dialogs.save_requests[0].DefExt, "gpx");
  EXPECT_TRUE(dialogs.save_requests[0].FileName.empty());

  const std::string merged = ReadFileBytes(output);
  EXPECT_EQ(WithoutTime(merged), MergedByTheEngine(dir, inputs));
  EXPECT_NE(merged.find("<name>Lake</name></wpt>\r\n<wpt lat=\"47.1\""), std::string::npos);
  EXPECT_EQ(shown.Entries(), inputs);

  // The list stays as it was, so the same files merge again, this time from the keyboard.
  shown.PressOn(kIdFileList, Qt::Key_Return);
  EXPECT_EQ(dialogs.messages.size(), 2u);
  EXPECT_EQ(WithoutTime(ReadFileBytes(output)), WithoutTime(merged));
  EXPECT_EQ(shown.Entries(), inputs);
}

TEST(MergeFiles, ReportsAnInputThatCannotBeOpenedThenGivesUpBeforeTheSaveDialog) {
  TempDir dir;
  dir.Write("one.gpx", kFirst);
  const std::string missing = dir.File("missing.gpx");
  ScriptedDialogs dialogs;
  dialogs.open_answers.push_back(OpenAnswer{dir.path(), {"missing.gpx", "one.gpx"}});
  ShownDialog shown;
  shown.Click(kIdAddMoreFiles);
  shown.Click(kIdMergeFiles);
  EXPECT_EQ(dialogs.messages, (std::vector<RecordedMessage>{
                                  Box(missing + ": No such file or directory\n", kStyleStop),
                                  Box("Sorry, I cannot merge these files.", kStyleNoIcon)}));
  EXPECT_TRUE(dialogs.save_requests.empty());
  EXPECT_EQ(shown.Entries(), (std::vector<std::string>{missing, dir.File("one.gpx")}));
}

TEST(MergeFiles, CancellingTheSaveDialogWritesNothingAndSaysNothing) {
  TempDir dir;
  dir.Write("one.gpx", kFirst);
  ScriptedDialogs dialogs;
  dialogs.open_answers.push_back(OpenAnswer{dir.File("one.gpx"), {}});
  dialogs.save_answers.push_back(std::nullopt);
  ShownDialog shown;
  shown.Click(kIdAddMoreFiles);
  shown.Click(kIdMergeFiles);
  EXPECT_EQ(dialogs.log, (std::vector<std::string>{"open", "save"}));
  EXPECT_EQ(shown.Entries(), std::vector<std::string>{dir.File("one.gpx")});
}

}  // namespace
}  // namespace geoplait::testing
