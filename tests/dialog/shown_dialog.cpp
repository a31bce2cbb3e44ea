#include "shown_dialog.h"

#include "resources.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

namespace geoplait::testing {

ShownDialog::ShownDialog() {
  toolkit::TModule::SetDefault(&resources::ProgramModule());
  dialog_ = std::make_unique<TgeoplaitDlgClient>(nullptr, resources::kFileListDialogId);
  if (!dialog_->Create()) {
    ADD_FAILURE() << "the dialog window cannot be made";
    return;
  }
  window_ = dialog_->GetHandle();
  dialog_->Show(toolkit::SW_SHOWNORMAL);
  QApplication::setActiveWindow(window_);
  if (!QTest::qWaitForWindowActive(window_)) {
    ADD_FAILURE() << "the dialog window does not become active";
  }
}

ShownDialog::~ShownDialog() {
  dialog_.reset();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QListWidget* ShownDialog::List() const {
  return qobject_cast<QListWidget*>(Control(kIdFileList));
}

std::vector<std::string> ShownDialog::Entries() const {
  std::vector<std::string> entries;
  const toolkit::TListBox& list = *dialog_->GetFileList();
  for (int i = 0; i < list.GetCount(); ++i) {
    entries.push_back(list.GetString(i));
  }
  return entries;
}

void ShownDialog::Click(int id) const {
  QTest::mouseClick(Control(id), Qt::LeftButton);
}

void ShownDialog::ClickEntry(int row, Qt::KeyboardModifiers modifiers) const {
  QListWidget* list = List();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers,
                    list->visualItemRect(list->item(row)).center());
}

void ShownDialog::PressOn(int id, Qt::Key key) const {
  QWidget* control = Control(id);
  control->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(QApplication::focusWidget(), control);
  QTest::keyClick(control, key);
}

bool ShownDialog::Ended() const {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return !dialog_->IsWindow() && window_.isNull();
}

}  // namespace geoplait::testing
