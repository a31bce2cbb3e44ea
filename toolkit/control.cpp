#include "control.h"

namespace geoplait::toolkit {

TControl::TControl(TWindow* parent, int id) : TWindow(parent), id_(id) {}

bool TControl::BindTo(QWidget* widget) {
  if (widget == nullptr || !CanBindTo(*widget)) {
    return false;
  }
  AttachHandle(widget);
  return true;
}

}  // namespace geoplait::toolkit
