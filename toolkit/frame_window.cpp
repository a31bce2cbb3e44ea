#include "frame_window.h"

#include "accelerators.h"
#include "application.h"
#include "frame_resources.h"
#include "frame_styles.h"
#include "icon.h"

#include <QAction>
#include <QCloseEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace geoplait::toolkit {

namespace {

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// In a menu text a backspace, like a tab, starts the shortcut column; Qt knows only the tab.
QString MenuText(const std::string& text) {
  QString converted = QString::fromStdString(text);
  converted.replace(QChar('\b'), QChar('\t'));
  return converted;
}

constexpr const char* kCommandProperty = "geoplait_command";

}  // namespace

// The window of a TFrameWindow. A close request from the window system goes through the
// frame's closing protocol; the frame destroys the window when the protocol agrees.
class FrameWidget final : public QMainWindow {
 public:
  explicit FrameWidget(TFrameWindow* owner) : owner_(owner) {}
  void DetachOwner() { owner_ = nullptr; }

 protected:
  void closeEvent(QCloseEvent* event) override {
    event->ignore();
    if (owner_ != nullptr) {
      owner_->CloseWindow();
    }
  }

 private:
  TFrameWindow* owner_;
};

TFrameWindow::TFrameWindow(TWindow* parent, std::string_view title, std::unique_ptr<TWindow> client,
                           bool shrink_to_client, const TModule* module)
    : TWindow(parent, title), client_(std::move(client)), module_(module) {
  // Not visible at creation: Show() gives the first show state, so the frame never appears
  // in another one first.
  Attr().Style = style::kOverlappedWindow | style::kClipChildren;
  if (client_ != nullptr) {
    client_->SetParent(this);
  }
  if (shrink_to_client) {
    SetFlag(wfShrinkToClient);
  }
}

TFrameWindow::~TFrameWindow() {
  if (widget_ != nullptr) {
    widget_->DetachOwner();
  }
  application_ = nullptr;
  // The windows go before the client object, which the frame's widget holds as a child.
  DestroyNow();
  client_.reset();
}

const TModule& TFrameWindow::Module() const {
  if (module_ != nullptr) {
    return *module_;
  }
  static const TModule kEmpty({});
  return TModule::Default() != nullptr ? *TModule::Default() : kEmpty;
}

void TFrameWindow::SetIcon(const TModule* module, int icon_group) {
  icon_module_ = module;
  big_icon_ = icon_group;
  if (widget_ != nullptr) {
    ApplyIcons();
  }
}

void TFrameWindow::SetIconSm(const TModule* module, int icon_group) {
  icon_module_ = module;
  small_icon_ = icon_group;
  if (widget_ != nullptr) {
    ApplyIcons();
  }
}

void TFrameWindow::AssignMenu(int menu_id) {
  menu_ = menu_id;
}

void TFrameWindow::SetMenuDescr(const TMenuDescr& descriptor) {
  menu_descriptor_ = descriptor;
}

QWidget* TFrameWindow::CreateWidget(QWidget* parent_widget) {
  auto* widget = new FrameWidget(this);
  if (parent_widget != nullptr) {
    widget->setParent(parent_widget, Qt::Window);
  }
  widget->setWindowTitle(QString::fromStdString(Title()));
  // The menu stays in the window, also on desktops that would move it to a bar of their own.
  widget->menuBar()->setNativeMenuBar(false);
  widget_ = widget;
  return widget;
}

void TFrameWindow::SetupWindow() {
  RestyleClient();
  TWindow::SetupWindow();
  if (client_ != nullptr && client_->IsWindow()) {
    widget_->setCentralWidget(client_->GetHandle());
    client_->GetHandle()->show();
  }
  BuildMenuBar();
  BuildAccelerators();
  ApplyIcons();
  if (IsFlagSet(wfShrinkToClient)) {
    ShrinkToClient();
  }
}

void TFrameWindow::RestyleClient() {
  if (client_ == nullptr || client_->IsWindow()) {
    return;
  }
  // The client becomes a bordered child: its own caption and frame are never shown.
  TWindowAttr& attr = client_->Attr();
  attr.Style &= ~(style::kPopup | style::kCaption | style::kDlgFrame | style::kThickFrame);
  attr.Style |= style::kChild | style::kVisible | style::kBorder;
  attr.ExStyle &= ~(style::kExStaticEdge | style::kExWindowEdge | style::kExDlgModalFrame);
}

void TFrameWindow::ShrinkToClient() {
  if (client_ == nullptr || !client_->IsWindow()) {
    return;
  }
  const QSize client = client_->GetHandle()->size();
  // The menu bar takes its room from the frame, above the client area.
  QMenuBar* bar = widget_->menuBar();
  int bar_height = 0;
  if (!bar->actions().isEmpty()) {
    bar_height = bar->heightForWidth(client.width());
    if (bar_height <= 0) {
      bar_height = bar->sizeHint().height();
    }
  }
  widget_->resize(client.width(), client.height() + bar_height);
}

void TFrameWindow::BuildMenuBar() {
  std::vector<TMenuItem> items;
  if (application_ != nullptr && menu_descriptor_) {
    items = menu_descriptor_->Popups();
  } else if (menu_) {
    if (const TMenuTemplate* menu = FindMenu(Module(), *menu_); menu != nullptr) {
      items = LoadMenu(*menu);
    }
  }
  QMenuBar* bar = widget_->menuBar();
  bar->clear();
  for (const TMenuItem& item : items) {
    if (item.IsSeparator()) {
      bar->addSeparator();
    } else if (item.IsPopup()) {
      QMenu* popup = bar->addMenu(MenuText(item.text));
      AddItems(*popup, item.items);
    } else {
      QAction* action = bar->addAction(MenuText(item.text));
      action->setProperty(kCommandProperty, item.id);
      QObject::connect(action, &QAction::triggered, widget_,
                       [this, id = item.id] { RouteCommandFromMenu(id); });
    }
  }
}

void TFrameWindow::AddItems(QMenu& menu, const std::vector<TMenuItem>& items) {
  QObject::connect(&menu, &QMenu::aboutToShow, &menu, [this, &menu] { UpdateEnabling(menu); });
  for (const TMenuItem& item : items) {
    if (item.IsSeparator()) {
      menu.addSeparator();
    } else if (item.IsPopup()) {
      AddItems(*menu.addMenu(MenuText(item.text)), item.items);
    } else {
      QAction* action = menu.addAction(MenuText(item.text));
      action->setProperty(kCommandProperty, item.id);
      action->setEnabled(!item.IsGrayed());
      QObject::connect(action, &QAction::triggered, &menu,
                       [this, id = item.id] { RouteCommandFromMenu(id); });
    }
  }
}

void TFrameWindow::UpdateEnabling(QMenu& menu) {
  for (QAction* action : menu.actions()) {
    const QVariant command = action->property(kCommandProperty);
    if (command.isValid()) {
      action->setEnabled(CommandEnabled(command.toInt()));
    }
  }
}

void TFrameWindow::BuildAccelerators() {
  if (accelerator_table_) {
    if (const TAcceleratorTable* table = FindAccelerators(Module(), *accelerator_table_)) {
      for (const TAccelerator& accelerator : LoadAccelerators(*table)) {
        auto* action = new QAction(widget_);
        action->setShortcut(accelerator.keys);
        action->setShortcutContext(Qt::WindowShortcut);
        widget_->addAction(action);
        // A key of a gray command does nothing, as its menu item would.
        QObject::connect(action, &QAction::triggered, widget_, [this, id = accelerator.command] {
          if (CommandEnabled(id)) {
            RouteCommandFromMenu(id);
          }
        });
      }
    }
  }
  // Alt+F4 is the window system's own close key; a desktop without a window manager would
  // otherwise ignore it.
  auto* close = new QAction(widget_);
  close->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
  close->setShortcutContext(Qt::WindowShortcut);
  widget_->addAction(close);
  QObject::connect(close, &QAction::triggered, widget_, [this] { widget_->close(); });
}

void TFrameWindow::ApplyIcons() {
  const TModule& module = icon_module_ != nullptr ? *icon_module_ : Module();
  QIcon icon;
  if (big_icon_) {
    if (const TIconGroup* group = FindIconGroup(module, *big_icon_)) {
      icon.addPixmap(LoadIconImage(*group, kBigIconSize));
    }
  }
  if (small_icon_) {
    if (const TIconGroup* group = FindIconGroup(module, *small_icon_)) {
      icon.addPixmap(LoadIconImage(*group, kSmallIconSize));
    }
  }
  if (!icon.isNull()) {
    widget_->setWindowIcon(icon);
  }
}

TWindow* TFrameWindow::FocusWindow() {
  // The window object whose widget holds the focus, or that contains the focus widget.
  std::vector<TWindow*> windows{this};
  for (std::size_t i = 0; i < windows.size(); ++i) {
    for (TWindow* child : windows[i]->Children()) {
      windows.push_back(child);
    }
  }
  for (QWidget* widget = widget_ != nullptr ? widget_->focusWidget() : nullptr;
       widget != nullptr && widget != widget_; widget = widget->parentWidget()) {
    for (TWindow* window : windows) {
      if (window->GetHandle() == widget) {
        return window;
      }
    }
  }
  return this;
}

bool TFrameWindow::CommandEnabled(int id) {
  return FindCommandReceiver(FocusWindow(), id, TApplication::Current()) != nullptr;
}

bool TFrameWindow::RouteCommandFromMenu(int id) {
  return RouteCommand(FocusWindow(), id, TApplication::Current());
}

bool TFrameWindow::CanClose() {
  // The toolkit's other windows never refuse to close.
  return true;
}

void TFrameWindow::CloseWindow() {
  if (!IsWindow()) {
    return;
  }
  const bool may_close = application_ != nullptr ? application_->CanClose() : CanClose();
  if (may_close) {
    Destroy();
  }
}

void TFrameWindow::ChildDestroyed(TWindow& child) {
  // Without its client the frame has nothing to show: it closes itself, once the command that
  // destroyed the client has ended.
  if (&child == client_.get() && widget_ != nullptr) {
    QMetaObject::invokeMethod(widget_, &QWidget::close, Qt::QueuedConnection);
  }
}

void TFrameWindow::HandleReleased() {
  if (widget_ != nullptr) {
    widget_->DetachOwner();
  }
  widget_ = nullptr;
  if (application_ != nullptr) {
    application_->MainWindowDestroyed();
  }
}

QMenuBar* TFrameWindow::MenuBar() const {
  return widget_ != nullptr ? widget_->menuBar() : nullptr;
}

QMenu* TFrameWindow::FindPopup(std::string_view text) const {
  if (widget_ == nullptr) {
    return nullptr;
  }
  for (QAction* action : widget_->menuBar()->actions()) {
    if (action->menu() != nullptr && action->text() == ToQString(text)) {
      return action->menu();
    }
  }
  return nullptr;
}

}  // namespace geoplait::toolkit
