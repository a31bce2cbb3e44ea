#include "dialog.h"

#include "control.h"
#include "dialog_widget.h"

#include <QEventLoop>

namespace geoplait::toolkit {
namespace {

const TDialogTemplate* FindTemplate(int resource_id, const TModule* module) {
  if (module == nullptr) {
    module = TModule::Default();
  }
  return module != nullptr ? module->FindDialog(resource_id) : nullptr;
}

}  // namespace

TDialog::TDialog(TWindow* parent, int resource_id, const TModule* module)
    : TWindow(parent), template_(FindTemplate(resource_id, module)) {
  if (template_ != nullptr) {
    Attr().Style = template_->style;
    Attr().ExStyle = template_->ex_style;
  }
}

TDialog::~TDialog() {
  if (widget_ != nullptr) {
    widget_->DetachOwner();
  }
  DestroyNow();
}

const TResponseTable& TDialog::Table() {
  static constexpr TResponseEntry kEntries[] = {
      Command<&TDialog::CmOk>(IDOK),
      Command<&TDialog::CmCancel>(IDCANCEL),
  };
  static const TResponseTable table{&TWindow::Table(), kEntries};
  return table;
}

QWidget* TDialog::CreateWidget(QWidget* parent_widget) {
  if (template_ == nullptr) {
    return nullptr;
  }
  auto* widget = new DialogWidget(this, *template_, Attr().Style, parent_widget);
  bool bound = widget->Complete();
  for (TWindow* child : Children()) {
    if (auto* control = dynamic_cast<TControl*>(child); bound && control != nullptr) {
      bound = control->BindTo(widget->Control(control->Id()));
    }
  }
  if (!bound) {
    widget->DetachOwner();
    delete widget;
    return nullptr;
  }
  widget_ = widget;
  return widget;
}

void TDialog::SetupWindow() {
  TWindow::SetupWindow();
  TransferData(TTransferDirection::kSetData);
}

void TDialog::HandleReleased() {
  if (widget_ != nullptr) {
    widget_->DetachOwner();
  }
  widget_ = nullptr;
  if (loop_ != nullptr) {
    loop_->quit();
  }
}

QWidget* TDialog::GetDlgItem(int id) const {
  return widget_ != nullptr ? widget_->Control(id) : nullptr;
}

TBaseUnits TDialog::BaseUnits() const {
  return widget_ != nullptr ? widget_->BaseUnits() : TBaseUnits{0, 0};
}

int TDialog::Execute() {
  if (IsWindow()) {
    return -1;
  }
  modal_ = true;
  ended_ = false;
  result_ = IDCANCEL;
  if (!Create()) {
    modal_ = false;
    return -1;
  }
  GetHandle()->setWindowModality(Qt::ApplicationModal);
  GetHandle()->show();
  QEventLoop loop;
  loop_ = &loop;
  if (!ended_) {
    loop.exec();
  }
  loop_ = nullptr;
  // The loop has returned, so no handler of the window is running any more.
  DestroyNow();
  modal_ = false;
  return result_;
}

void TDialog::EndDialog(int result) {
  result_ = result;
  ended_ = true;
  if (GetHandle() != nullptr) {
    GetHandle()->hide();
  }
  if (loop_ != nullptr) {
    loop_->quit();
  }
}

void TDialog::CmOk() {
  if (modal_) {
    TransferData(TTransferDirection::kGetData);
    EndDialog(IDOK);
  } else {
    Destroy(IDOK);
  }
}

void TDialog::CmCancel() {
  if (modal_) {
    EndDialog(IDCANCEL);
  } else {
    Destroy(IDCANCEL);
  }
}

}  // namespace geoplait::toolkit
