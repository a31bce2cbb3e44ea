#pragma once

#include "dialog_template.h"
#include "dialog_units.h"

#include <QFrame>

#include <cstdint>
#include <utility>
#include <vector>

class QPushButton;

namespace geoplait::toolkit {

class TDialog;

// The window of a TDialog: the controls of its template, laid out in pixels from the dialog
// font's base units, and the dialog keyboard. Commands go to the owner until it lets go.
class DialogWidget final : public QFrame {
 public:
  DialogWidget(TDialog* owner, const TDialogTemplate& dialog, std::uint32_t style, QWidget* parent);
  ~DialogWidget() override;

  // False when a control of the template is of a kind this toolkit cannot make.
  bool Complete() const { return complete_; }
  void DetachOwner() { owner_ = nullptr; }
  QWidget* Control(int id) const;
  TBaseUnits BaseUnits() const { return base_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  QWidget* MakeControl(const TControlTemplate& control);
  void SendCommand(int id);
  int IdOf(const QWidget* widget) const;
  void FocusMoved(QWidget* now);

  TDialog* owner_;
  TBaseUnits base_;
  bool complete_ = true;
  std::vector<std::pair<int, QWidget*>> controls_;
  QPushButton* template_default_ = nullptr;
  QMetaObject::Connection focus_tracking_;
};

}  // namespace geoplait::toolkit
