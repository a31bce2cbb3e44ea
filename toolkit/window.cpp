#include "window.h"

#include "message_box.h"

#include <algorithm>

namespace geoplait::toolkit {

TWindow::TWindow(TWindow* parent, std::string_view title) : parent_(nullptr), title_(title) {
  SetParent(parent);
}

TWindow::~TWindow() {
  DestroyNow();
  owned_.clear();
  for (TWindow* child : children_) {
    child->parent_ = nullptr;
  }
  SetParent(nullptr);
}

void TWindow::SetParent(TWindow* parent) {
  if (parent_ != nullptr) {
    auto& siblings = parent_->children_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
  parent_ = parent;
  if (parent_ != nullptr) {
    parent_->children_.push_back(this);
  }
}

bool TWindow::Create() {
  if (IsWindow()) {
    return true;
  }
  QWidget* widget = CreateWidget(parent_ != nullptr ? parent_->GetHandle() : nullptr);
  if (widget == nullptr) {
    return false;
  }
  handle_ = widget;
  SetupWindow();
  // A child without the visible style stays hidden when its parent is shown; a window of its
  // own waits for Show() unless the style says otherwise.
  if ((attr_.Style & style::kVisible) != 0) {
    handle_->show();
  } else if (!handle_->isWindow()) {
    handle_->hide();
  }
  return true;
}

QWidget* TWindow::CreateWidget(QWidget* parent_widget) {
  auto* widget = new QWidget(parent_widget);
  widget->setGeometry(attr_.X, attr_.Y, attr_.W, attr_.H);
  widget->setWindowTitle(QString::fromStdString(title_));
  return widget;
}

void TWindow::SetupWindow() {
  for (TWindow* child : children_) {
    if (!child->IsWindow()) {
      child->Create();
    }
  }
}

void TWindow::Destroy(int /*result*/) {
  QWidget* widget = handle_;
  if (widget == nullptr) {
    return;
  }
  ReleaseHandles();
  // The widget may be the sender of the command that destroys it, so Qt deletes it once
  // control is back in the event loop. It is gone for the user at once.
  widget->hide();
  widget->deleteLater();
  if (parent_ != nullptr) {
    parent_->ChildDestroyed(*this);
  }
}

void TWindow::DestroyNow() {
  QWidget* widget = handle_;
  if (widget == nullptr) {
    return;
  }
  ReleaseHandles();
  delete widget;
}

void TWindow::ReleaseHandles() {
  for (TWindow* child : children_) {
    child->ReleaseHandles();
  }
  HandleReleased();
  handle_ = nullptr;
}

void TWindow::ChildDestroyed(TWindow& /*child*/) {}

void TWindow::Show(int show_command) {
  if (!IsWindow()) {
    return;
  }
  switch (show_command) {
    case SW_HIDE:
      handle_->hide();
      break;
    case SW_SHOWMINIMIZED:
      handle_->showMinimized();
      break;
    case SW_SHOWMINNOACTIVE:
      handle_->setAttribute(Qt::WA_ShowWithoutActivating);
      handle_->showMinimized();
      break;
    case SW_SHOWMAXIMIZED:
      handle_->showMaximized();
      break;
    default:
      handle_->showNormal();
      break;
  }
}

void TWindow::TransferData(TTransferDirection direction) {
  std::size_t next = 0;
  for (TWindow* child : children_) {
    if (next == transfer_.size()) {
      break;
    }
    if (child->TakesPartInTransfer()) {
      child->Transfer(transfer_[next++], direction);
    }
  }
}

void TWindow::Transfer(TTransferField /*field*/, TTransferDirection /*direction*/) {}

int TWindow::MessageBox(std::string_view text, std::string_view caption, int style) const {
  return toolkit::MessageBox(handle_, text, caption, style);
}

bool TWindow::EvCommand(int id, int notify_code) {
  return Dispatch(id, notify_code);
}

TEventHandler* FindCommandReceiver(TWindow* start, int id, TEventHandler* last) {
  for (TWindow* window = start; window != nullptr; window = window->Parent()) {
    if (window->Handles(id)) {
      return window;
    }
  }
  if (last != nullptr && last->Handles(id)) {
    return last;
  }
  return nullptr;
}

bool RouteCommand(TWindow* start, int id, TEventHandler* last) {
  TEventHandler* receiver = FindCommandReceiver(start, id, last);
  return receiver != nullptr && receiver->Dispatch(id);
}

}  // namespace geoplait::toolkit
