#pragma once

#include "window.h"

namespace geoplait::toolkit {

// A window object for one control of a dialog, bound to it by id when the dialog's window is
// created from its template.
class TControl : public TWindow {
 public:
  TControl(TWindow* parent, int id);

  int Id() const { return id_; }

  // Makes widget this object's window. False when it is not a control of the kind this class
  // drives.
  bool BindTo(QWidget* widget);

 protected:
  virtual bool CanBindTo(const QWidget& widget) const = 0;
  // Controls come from dialog templates only, so a control object makes no window itself.
  QWidget* CreateWidget(QWidget* /*parent_widget*/) override { return nullptr; }

 private:
  int id_;
};

}  // namespace geoplait::toolkit
