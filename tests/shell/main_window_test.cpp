#include "geoplait_app.h"
#include "running_app.h"
#include "scripted_dialogs.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace geoplait {
namespace {

using testing::RunApplication;
using testing::WhenModal;

TEST(TgeoplaitAppTest, MainWindowKeepsHiddenAndMinimisedElseOpensNormal) {
  const struct {
    int start;
    int shown;
  } cases[] = {{0, 0}, {7, 7}, {1, 1}, {2, 1}, {3, 1}, {5, 1}, {10, 1}, {-1, 1}, {11, 1}};
  for (const auto& c : cases) {
    EXPECT_EQ(TgeoplaitApp::MainWindowShowCommand(c.start), c.shown) << c.start;
  }
}

TEST(MainWindowTest, FrameFitsTheDialogAndShowsOnlyItsOwnCaption) {
  const int status = RunApplication([](TSDIDecFrame& frame, TgeoplaitDlgClient& client) {
    auto* window = qobject_cast<QMainWindow*>(frame.GetHandle());
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isMinimized());
    EXPECT_EQ(window->windowTitle().toStdString(), "Geoplait");

    // The dialog is a bordered child that fills the client area, which is exactly its size.
    QWidget* dialog = client.GetHandle();
    EXPECT_FALSE(dialog->isWindow());
    EXPECT_EQ(window->centralWidget(), dialog);
    auto* border = qobject_cast<QFrame*>(dialog);
    ASSERT_NE(border, nullptr);
    EXPECT_EQ(border->frameShape(), QFrame::Box);
    EXPECT_EQ(window->size(), dialog->size() + QSize(0, window->menuBar()->height()));

    const QList<QSize> icon_sizes = window->windowIcon().availableSizes();
    EXPECT_TRUE(icon_sizes.contains(QSize(32, 32)));
    EXPECT_TRUE(icon_sizes.contains(QSize(16, 16)));
    EXPECT_EQ(client.GetFileList()->GetCount(), 0);
  });
  EXPECT_EQ(status, 0);
}

TEST(MainWindowTest, MenuBarHoldsFourPopupsSideBySide) {
  RunApplication([](TSDIDecFrame& frame, TgeoplaitDlgClient&) {
    std::vector<std::string> bar;
    for (QAction* action : frame.MenuBar()->actions()) {
      bar.push_back(action->isSeparator() ? "-" : action->text().toStdString());
      EXPECT_NE(action->menu(), nullptr);
      EXPECT_TRUE(action->isEnabled());
    }
    EXPECT_EQ(bar, (std::vector<std::string>{"&File", "&Edit", "&Search", "&Help"}));
  });
}

// The items of a popup once it has opened: text and whether it is enabled.
std::vector<std::pair<std::string, bool>> OpenPopup(TSDIDecFrame& frame, std::string_view text) {
  std::vector<std::pair<std::string, bool>> items;
  QMenu* popup = frame.FindPopup(text);
  if (popup == nullptr) {
    ADD_FAILURE() << "no popup " << text;
    return items;
  }
  popup->popup(frame.GetHandle()->mapToGlobal(QPoint(0, 0)));
  for (QAction* action : popup->actions()) {
    items.emplace_back(action->isSeparator() ? "-" : action->text().toStdString(),
                       action->isEnabled());
  }
  popup->hide();
  return items;
}

TEST(MainWindowTest, OnlyExitAndAboutAreEnabledWhenTheirPopupsOpen) {
  using Items = std::vector<std::pair<std::string, bool>>;
  const Items file{{"&New", false},        {"&Open...", false},    {"-", true},
                   {"&Save", false},       {"Save &As...", false}, {"-", true},
                   {"E&xit\tAlt+F4", true}};
  const Items edit{{"&Undo\tAlt+BkSp", false},      {"-", true},
                   {"Cu&t\tShift+Del", false},      {"&Copy\tCtrl+Ins", false},
                   {"&Paste\tShift+Ins", false},    {"-", true},
                   {"Clear &All\tCtrl+Del", false}, {"&Delete\tDel", false}};
  const Items search{{"&Find...", false}, {"&Replace...", false}, {"&Next\tF3", false}};
  const Items help{{"&About...", true}};
  RunApplication([&](TSDIDecFrame& frame, TgeoplaitDlgClient& client) {
    // The chain starts at the focus window: the same with the focus on the list and on a
    // button of the dialog.
    for (int focus : {kIdFileList, kIdAddMoreFiles}) {
      SCOPED_TRACE(focus);
      client.GetDlgItem(focus)->setFocus();
      EXPECT_EQ(OpenPopup(frame, "&File"), file);
      EXPECT_EQ(OpenPopup(frame, "&Edit"), edit);
      EXPECT_EQ(OpenPopup(frame, "&Search"), search);
      EXPECT_EQ(OpenPopup(frame, "&Help"), help);
    }
  });
}

TEST(MainWindowTest, AcceleratorsChangeNothing) {
  testing::ScriptedDialogs dialogs;
  RunApplication([&](TSDIDecFrame& frame, TgeoplaitDlgClient& client) {
    frame.GetHandle()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.GetHandle()));
    toolkit::TListBox& list = *client.GetFileList();
    for (const char* path : {"/a.gpx", "/b.gpx", "/c.gpx"}) {
      list.AddString(path);
    }
    list.SetSel(1, true);
    QWidget* list_widget = client.GetDlgItem(kIdFileList);
    list_widget->setFocus();

    const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
        {Qt::Key_Delete, Qt::ShiftModifier},  {Qt::Key_Insert, Qt::ControlModifier},
        {Qt::Key_Insert, Qt::ShiftModifier},  {Qt::Key_Delete, Qt::ControlModifier},
        {Qt::Key_Backspace, Qt::AltModifier}, {Qt::Key_F3, Qt::NoModifier},
    };
    for (const auto& [key, modifiers] : keys) {
      QTest::keyClick(list_widget, key, modifiers);
    }
    EXPECT_EQ(list.GetCount(), 3);
    EXPECT_EQ(list.GetString(0), "/a.gpx");
    EXPECT_EQ(list.GetString(2), "/c.gpx");
    EXPECT_TRUE(list.GetSel(1));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(frame.IsWindow());
  });
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST(MainWindowTest, AboutTwiceShowsTwoModalBoxesOneAfterTheOther) {
  struct Seen {
    std::string caption;
    std::string version;
    bool modal;
    bool earlier_gone;
  };
  std::vector<Seen> seen;
  QPointer<QWidget> earlier;
  RunApplication([&](TSDIDecFrame& frame, TgeoplaitDlgClient&) {
    QAction* about = nullptr;
    for (QAction* action : frame.FindPopup("&Help")->actions()) {
      about = action;
    }
    ASSERT_NE(about, nullptr);
    for (int round = 0; round < 2; ++round) {
      WhenModal([&] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        auto* version = box->findChild<QLabel*>();
        seen.push_back({box->windowTitle().toStdString(),
                        version != nullptr ? version->text().toStdString() : "",
                        box->windowModality() == Qt::ApplicationModal, earlier.isNull()});
        earlier = box;
        QTest::keyClick(box, Qt::Key_Escape);
      });
      about->trigger();
    }
  });
  ASSERT_EQ(seen.size(), 2u);
  for (const Seen& box : seen) {
    EXPECT_EQ(box.caption, "About geoplait");
    EXPECT_EQ(box.version, "Geoplait Version 1.0");
    EXPECT_TRUE(box.modal);
    EXPECT_TRUE(box.earlier_gone);
  }
}

}  // namespace
}  // namespace geoplait
