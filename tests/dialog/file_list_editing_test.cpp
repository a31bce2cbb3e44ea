#include "scripted_dialogs.h"
#include "shown_dialog.h"

#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace geoplait::testing {
namespace {

using Entries = std::vector<std::string>;

TEST(AddMoreFiles, AppendsEveryChosenFileAsAFullPathInTheDialogsOrder) {
  const std::string long_name = std::string(600, 'n') + ".gpx";
  struct Case {
    const char* what;
    std::vector<std::optional<OpenAnswer>> answers;
    Entries entries;
  };
  const Case cases[] = {
      {"one file", {OpenAnswer{"/home/u/a.gpx", {}}}, {"/home/u/a.gpx"}},
      {"several in a folder",
       {OpenAnswer{"/home/u", {"c.gpx", "a.gpx", "b.gpx"}}},
       {"/home/u/c.gpx", "/home/u/a.gpx", "/home/u/b.gpx"}},
      {"several in the root", {OpenAnswer{"/", {"a.gpx", "b.gpx"}}}, {"/a.gpx", "/b.gpx"}},
      {"a file already listed, then more",
       {OpenAnswer{"/d/a.gpx", {}}, OpenAnswer{"/d", {"a.gpx", "b.gpx"}}},
       {"/d/a.gpx", "/d/a.gpx", "/d/b.gpx"}},
      {"a path of any length", {OpenAnswer{"/d/" + long_name, {}}}, {"/d/" + long_name}},
      {"cancel changes nothing", {OpenAnswer{"/d/a.gpx", {}}, std::nullopt}, {"/d/a.gpx"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScriptedDialogs dialogs;
    dialogs.open_answers.assign(c.answers.begin(), c.answers.end());
    ShownDialog shown;
    for (std::size_t i = 0; i < c.answers.size(); ++i) {
      shown.Click(kIdAddMoreFiles);
    }
    EXPECT_EQ(shown.Entries(), c.entries);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(dialogs.open_answers.empty());
  }
}

TEST(AddMoreFiles, AsksForSeveralGpxFilesInADialogOwnedByTheWindow) {
  ScriptedDialogs dialogs;
  dialogs.open_answers.push_back(std::nullopt);
  ShownDialog shown;
  shown.Click(kIdAddMoreFiles);
  ASSERT_EQ(dialogs.open_requests.size(), 1u);
  const toolkit::TOpenSaveDialog::TData& asked = dialogs.open_requests[0];
  EXPECT_EQ(asked.Flags,
            toolkit::kOfnAllowMultiSelect | toolkit::kOfnNoChangeDir | toolkit::kOfnHideReadOnly);
  EXPECT_EQ(asked.Filter, (std::vector<std::pair<std::string, std::string>>{{"*.gpx", "*.gpx"}}));
  EXPECT_EQ(asked.DefExt, "gpx");
  EXPECT_TRUE(asked.FileName.empty());
  EXPECT_TRUE(asked.InitialDir.empty());
  EXPECT_EQ(dialogs.dialog_owners, std::vector<QWidget*>{shown.window()});
}

TEST(AddMoreFiles, LeavesTheSelectionOfTheEntriesAlreadyListed) {
  ScriptedDialogs dialogs;
  dialogs.open_answers = {OpenAnswer{"/d", {"a.gpx", "b.gpx"}}, OpenAnswer{"/d/c.gpx", {}}};
  ShownDialog shown;
  shown.Click(kIdAddMoreFiles);
  shown.ClickEntry(1);
  shown.Click(kIdAddMoreFiles);
  const toolkit::TListBox& list = *shown.dialog().GetFileList();
  EXPECT_FALSE(list.GetSel(0));
  EXPECT_TRUE(list.GetSel(1));
  EXPECT_FALSE(list.GetSel(2));
}

// Seven entries, /d/0.gpx to /d/6.gpx.
OpenAnswer SevenFiles() {
  OpenAnswer answer{"/d", {}};
  for (int i = 0; i < 7; ++i) {
    answer.file_titles.push_back(std::to_string(i) + ".gpx");
  }
  return answer;
}

TEST(DeleteSelectedFiles, RemovesTheSelectedEntriesAndKeepsTheOrderOfTheRest) {
  struct Case {
    const char* what;
    std::function<void(ShownDialog&)> select;
    Entries left;
  };
  const Case cases[] = {
      {"entries 0, 2 and 5 picked with Ctrl",
       [](ShownDialog& s) {
         s.ClickEntry(0);
         s.ClickEntry(2, Qt::ControlModifier);
         s.ClickEntry(5, Qt::ControlModifier);
       },
       {"/d/1.gpx", "/d/3.gpx", "/d/4.gpx", "/d/6.gpx"}},
      {"every entry, a range picked with Shift",
       [](ShownDialog& s) {
         s.ClickEntry(0);
         s.ClickEntry(6, Qt::ShiftModifier);
       },
       {}},
      {"the last entry alone",
       [](ShownDialog& s) { s.ClickEntry(6); },
       {"/d/0.gpx", "/d/1.gpx", "/d/2.gpx", "/d/3.gpx", "/d/4.gpx", "/d/5.gpx"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScriptedDialogs dialogs;
    dialogs.open_answers.push_back(SevenFiles());
    ShownDialog shown;
    shown.Click(kIdAddMoreFiles);
    c.select(shown);
    shown.Click(kIdDeleteSelectedFiles);
    EXPECT_EQ(shown.Entries(), c.left);
    EXPECT_EQ(shown.dialog().GetFileList()->GetSelCount(), 0);
    EXPECT_TRUE(dialogs.messages.empty());
  }
}

TEST(DeleteSelectedFiles, WithNothingSelectedSaysSoUnderTheCaptionErrorAndKeepsTheList) {
  ScriptedDialogs dialogs;
  dialogs.open_answers.push_back(SevenFiles());
  ShownDialog shown;
  shown.Click(kIdAddMoreFiles);
  const Entries before = shown.Entries();
  shown.Click(kIdDeleteSelectedFiles);
  const RecordedMessage nothing_selected{
      "You must select some files from the list\nbefore they can be deleted.", "Error", kStyleStop};
  EXPECT_EQ(dialogs.messages, std::vector<RecordedMessage>{nothing_selected});
  EXPECT_EQ(dialogs.message_owners, std::vector<QWidget*>{shown.window()});
  EXPECT_EQ(shown.Entries(), before);
}

TEST(DeleteSelectedFiles, DoubleClickingAnEntryOnlySelectsIt) {
  ScriptedDialogs dialogs;
  dialogs.open_answers.push_back(SevenFiles());
  ShownDialog shown;
  shown.Click(kIdAddMoreFiles);
  QListWidget* list = shown.List();
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                     list->visualItemRect(list->item(3)).center());
  EXPECT_EQ(shown.Entries().size(), 7u);
  EXPECT_TRUE(shown.dialog().GetFileList()->GetSel(3));
  EXPECT_EQ(shown.dialog().GetFileList()->GetSelCount(), 1);
  EXPECT_EQ(dialogs.log, std::vector<std::string>{"open"});
}

}  // namespace
}  // namespace geoplait::testing
