#include "accelerators.h"
#include "application.h"
#include "dialog.h"
#include "frame_window.h"
#include "menu.h"
#include "resource_ids.h"
#include "resources.h"
#include "shell_resources.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace geoplait::toolkit {
namespace {

std::vector<std::string> Texts(const std::vector<TMenuItem>& items) {
  std::vector<std::string> texts;
  for (const TMenuItem& item : items) {
    texts.push_back(item.IsSeparator() ? "-" : item.text);
  }
  return texts;
}

TEST(MenuDescrTest, TopLevelSeparatorsDivideTheBarIntoSixGroupsAndVanish) {
  const TMenuDescr descriptor(resources::kMenu100);
  EXPECT_EQ(descriptor.GroupCounts(), (std::array<int, 6>{1, 2, 0, 0, 0, 1}));
  const std::vector<TMenuItem>& popups = descriptor.Popups();
  EXPECT_EQ(Texts(popups), (std::vector<std::string>{"&File", "&Edit", "&Search", "&Help"}));
  // The end markers close each popup where it ends, and none swallows the next one.
  ASSERT_EQ(popups.size(), 4u);
  EXPECT_EQ(Texts(popups[0].items),
            (std::vector<std::string>{"&New", "&Open...", "-", "&Save", "Save &As...", "-",
                                      "E&xit\tAlt+F4"}));
  EXPECT_EQ(popups[1].items.size(), 8u);
  EXPECT_EQ(popups[2].items.size(), 3u);
  ASSERT_EQ(popups[3].items.size(), 1u);
  EXPECT_EQ(popups[3].items[0].id, resources::kCmHelpAbout);
}

TEST(AcceleratorsTest, EntriesUpToTheLastBecomeKeys) {
  std::vector<std::string> keys;
  std::vector<int> commands;
  for (const TAccelerator& accelerator : LoadAccelerators(resources::kAccelerators100)) {
    keys.push_back(accelerator.keys.toString().toStdString());
    commands.push_back(accelerator.command);
  }
  EXPECT_EQ(keys, (std::vector<std::string>{"Shift+Del", "Ctrl+Ins", "Shift+Ins", "Ctrl+Del",
                                            "Alt+Backspace", "F3"}));
  EXPECT_EQ(commands, (std::vector<int>{24322, 24323, 24324, 24326, 24321, 24353}));

  const TAcceleratorEntry ended[] = {
      {accel_flag::kVirtKey | accel_flag::kControl | accel_flag::kLast, 'S', 1},
      {accel_flag::kVirtKey, vk::kF1, 2},
  };
  const std::vector<TAccelerator> read = LoadAccelerators({7, ended});
  ASSERT_EQ(read.size(), 1u);
  EXPECT_EQ(read[0].keys, QKeySequence(Qt::CTRL | Qt::Key_S));
}

// A client that answers Cut, so that the routing from the focus up to the application shows.
class CuttingClient final : public TDialog {
 public:
  CuttingClient() : TDialog(nullptr, resources::kFileListDialogId) {}
  void CmCut() { ++cuts; }
  int cuts = 0;

  static const TResponseTable& Table() {
    static constexpr TResponseEntry kEntries[] = {
        Command<&CuttingClient::CmCut>(resources::kCmEditCut)};
    static const TResponseTable table{&TDialog::Table(), kEntries};
    return table;
  }

 protected:
  const TResponseTable& GetResponseTable() const override { return Table(); }
};

class FrameTest : public ::testing::Test {
 protected:
  FrameTest() : application_("Test", resources::ProgramModule()) {
    auto client = std::make_unique<CuttingClient>();
    client_ = client.get();
    auto frame = std::make_unique<TFrameWindow>(nullptr, "Frame", std::move(client), true);
    frame->AssignMenu(resources::kMainMenu);
    frame->SetAcceleratorTable(resources::kMainAccelerators);
    frame_ = frame.get();
    application_.SetMainWindow(std::move(frame));
    frame_->Create();
    frame_->Show(SW_SHOWNORMAL);
    frame_->GetHandle()->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(frame_->GetHandle()));
  }

  // Which items of the popup are enabled once it has opened.
  std::vector<bool> EnabledWhenOpen(std::string_view popup_text) {
    QMenu* popup = frame_->FindPopup(popup_text);
    EXPECT_NE(popup, nullptr) << popup_text;
    if (popup == nullptr) {
      return {};
    }
    popup->popup(frame_->GetHandle()->mapToGlobal(QPoint(0, 0)));
    std::vector<bool> enabled;
    for (QAction* action : popup->actions()) {
      if (!action->isSeparator()) {
        enabled.push_back(action->isEnabled());
      }
    }
    popup->hide();
    return enabled;
  }

  TApplication application_;
  TFrameWindow* frame_;
  CuttingClient* client_;
};

TEST_F(FrameTest, ItemsAreEnabledExactlyWhenTheRoutingChainAnswersThem) {
  // Application: Exit. Client: Cut. Nobody else answers, whatever the template says.
  EXPECT_EQ(EnabledWhenOpen("&File"), (std::vector<bool>{false, false, false, false, true}));
  EXPECT_EQ(EnabledWhenOpen("&Edit"), (std::vector<bool>{false, true, false, false, false, false}));
  EXPECT_EQ(EnabledWhenOpen("&Help"), (std::vector<bool>{false}));
}

TEST_F(FrameTest, AcceleratorsReachTheFocusWindowsChainOnlyForAnsweredCommands) {
  QWidget* list = static_cast<TDialog*>(frame_->GetClientWindow())->GetDlgItem(101);
  list->setFocus();
  QTest::keyClick(list, Qt::Key_Delete, Qt::ShiftModifier);
  QTest::keyClick(list, Qt::Key_Insert, Qt::ControlModifier);
  QTest::keyClick(list, Qt::Key_F3);
  EXPECT_EQ(client_->cuts, 1);
  EXPECT_TRUE(frame_->IsWindow());
}

TEST_F(FrameTest, TheFrameShrinksToItsClientAndClosesWhenTheClientGoes) {
  auto* window = static_cast<QMainWindow*>(frame_->GetHandle());
  EXPECT_EQ(window->centralWidget(), client_->GetHandle());
  EXPECT_EQ(window->centralWidget()->size(), client_->GetHandle()->size());
  const int bar = window->menuBar()->height();
  EXPECT_EQ(window->size(), client_->GetHandle()->size() + QSize(0, bar));

  client_->CmCancel();
  EXPECT_FALSE(client_->IsWindow());
  QTest::qWait(0);
  QCoreApplication::processEvents();
  EXPECT_FALSE(frame_->IsWindow());
}

}  // namespace
}  // namespace geoplait::toolkit
