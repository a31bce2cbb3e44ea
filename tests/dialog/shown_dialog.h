#pragma once

#include "geoplait_dlg_client.h"

#include <QListWidget>

#include <memory>
#include <string>
#include <vector>

namespace geoplait::testing {

// The file list dialog as the program shows it: created from dialog 2000, shown and active.
class ShownDialog {
 public:
  ShownDialog();
  ~ShownDialog();
  ShownDialog(const ShownDialog&) = delete;
  ShownDialog& operator=(const ShownDialog&) = delete;

  TgeoplaitDlgClient& dialog() { return *dialog_; }
  QWidget* window() const { return dialog_->GetHandle(); }
  QWidget* Control(int id) const { return dialog_->GetDlgItem(id); }
  QListWidget* List() const;

  // The entries of the list, top first.
  std::vector<std::string> Entries() const;
  // A left click on a control, or on an entry of the list with modifiers held.
  void Click(int id) const;
  void ClickEntry(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const;
  // Presses key with the focus on control id.
  void PressOn(int id, Qt::Key key) const;
  // Whether the window is gone, checked once Qt has deleted what was to be deleted.
  bool Ended() const;

 private:
  std::unique_ptr<TgeoplaitDlgClient> dialog_;
  QPointer<QWidget> window_;
};

}  // namespace geoplait::testing
