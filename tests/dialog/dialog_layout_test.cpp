#include "dialog_units.h"
#include "scripted_dialogs.h"
#include "shown_dialog.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace geoplait::testing {
namespace {

TEST(FileListDialogLayout, WindowAndControlsFollowTemplate2000) {
  ShownDialog shown;
  const toolkit::TDialogTemplate& t = *shown.dialog().Template();
  EXPECT_EQ(t.style, 0x80C000C0u);
  EXPECT_EQ(t.ex_style, 0u);
  EXPECT_EQ(t.point_size, 8);
  EXPECT_EQ(t.font_face, "MS Sans Serif");
  EXPECT_EQ(shown.window()->windowTitle(), "Geoplait Files");

  const toolkit::TBaseUnits base = shown.dialog().BaseUnits();
  EXPECT_EQ(shown.window()->size(), toolkit::ToPixels({21, 15, 280, 190}, base).size());

  enum Kind { kButton, kGroup, kList };
  struct Control {
    int id;
    Kind kind;
    const char* text;
    toolkit::TDialogRect rect;
  };
  // Template order, which is the order of the expectations.
  const Control controls[] = {
      {1, kButton, "Merge Files", {70, 168, 50, 14}},
      {2, kButton, "Exit", {160, 168, 52, 14}},
      {102, kGroup, "Files to be merged", {8, 8, 264, 152}},
      {101, kList, "", {16, 20, 248, 120}},
      {103, kButton, "Add More Files", {40, 136, 80, 14}},
      {104, kButton, "Delete Selected Files", {160, 136, 80, 14}},
  };
  ASSERT_EQ(t.controls.size(), std::size(controls));
  for (std::size_t i = 0; i < std::size(controls); ++i) {
    const Control& c = controls[i];
    SCOPED_TRACE(c.id);
    EXPECT_EQ(t.controls[i].id, c.id);
    QWidget* widget = shown.Control(c.id);
    ASSERT_NE(widget, nullptr);
    const QRect rect = toolkit::ToPixels(c.rect, base);
    switch (c.kind) {
      case kButton: {
        auto* button = qobject_cast<QPushButton*>(widget);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), c.text);
        EXPECT_EQ(button->geometry(), rect);
        EXPECT_EQ(button->isDefault(), c.id == 1);
        break;
      }
      case kGroup: {
        auto* box = qobject_cast<QGroupBox*>(widget);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->title(), c.text);
        EXPECT_EQ(box->geometry(), rect);
        EXPECT_EQ(box->focusPolicy(), Qt::NoFocus);
        break;
      }
      case kList: {
        auto* list = qobject_cast<QListWidget*>(widget);
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->count(), 0);
        EXPECT_EQ(list->selectionMode(), QAbstractItemView::ExtendedSelection);
        EXPECT_FALSE(list->isSortingEnabled());
        // Whole entries only; cut like this, the list ends above the two editing buttons.
        const int entry = QFontMetrics(shown.window()->font()).height();
        EXPECT_EQ(list->geometry().topLeft(), rect.topLeft());
        EXPECT_EQ(list->width(), rect.width());
        EXPECT_EQ((list->height() - 2 * list->frameWidth()) % entry, 0);
        EXPECT_GT(list->height() + entry, rect.height());
        EXPECT_LT(list->geometry().bottom(), shown.Control(103)->geometry().top());
        break;
      }
    }
  }
}

TEST(FileListDialogLayout, TabVisitsTheTabStopsInTemplateOrderFromMergeFiles) {
  ShownDialog shown;
  ASSERT_EQ(QApplication::focusWidget(), shown.Control(1));
  for (int id : {2, 101, 103, 104, 1}) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), shown.Control(id)) << "expected control " << id;
  }
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
  EXPECT_EQ(QApplication::focusWidget(), shown.Control(104));
}

TEST(FileListDialogKeys, EnterRunsMergeFilesUnlessAnotherPushButtonHasTheFocus) {
  const RecordedMessage empty_list =
      Box("You must add some files to the list\nbefore they can be merged.", kStyleStop);
  struct Case {
    int focus;
    std::vector<std::string> log;
    bool ended;
  };
  const Case cases[] = {
      {kIdFileList, {"message: " + empty_list.text}, false},
      {kIdMergeFiles, {"message: " + empty_list.text}, false},
      {kIdAddMoreFiles, {"open"}, false},
      {kIdDeleteSelectedFiles,
       {"message: You must select some files from the list\nbefore they can be deleted."},
       false},
      {kIdExit, {}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.focus);
    ScriptedDialogs dialogs;
    dialogs.open_answers.push_back(std::nullopt);
    ShownDialog shown;
    shown.PressOn(c.focus, Qt::Key_Return);
    EXPECT_EQ(dialogs.log, c.log);
    EXPECT_EQ(shown.Ended(), c.ended);
    if (c.focus == kIdFileList) {
      EXPECT_EQ(dialogs.messages, std::vector<RecordedMessage>{empty_list});
      EXPECT_EQ(dialogs.message_owners, std::vector<QWidget*>{shown.window()});
    }
  }
}

TEST(FileListDialogKeys, EscapeExitAndTheCloseBoxDestroyTheDialogWithoutAQuestion) {
  const std::function<void(ShownDialog&)> exits[] = {
      [](ShownDialog& s) { s.PressOn(kIdFileList, Qt::Key_Escape); },
      [](ShownDialog& s) { s.PressOn(kIdMergeFiles, Qt::Key_Escape); },
      [](ShownDialog& s) { s.Click(kIdExit); },
      [](ShownDialog& s) { s.window()->close(); },
  };
  for (std::size_t i = 0; i < std::size(exits); ++i) {
    SCOPED_TRACE(i);
    ScriptedDialogs dialogs;
    ShownDialog shown;
    QWidget* window = shown.window();
    exits[i](shown);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(shown.Ended());
    EXPECT_TRUE(dialogs.log.empty());
  }
}

}  // namespace
}  // namespace geoplait::testing
