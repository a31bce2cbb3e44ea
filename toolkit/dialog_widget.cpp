#include "dialog_widget.h"

#include "dialog.h"
#include "frame_resources.h"
#include "icon.h"
#include "module.h"
#include "static_styles.h"
#include "window_styles.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <qdrawutil.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <string>

namespace geoplait::toolkit {
namespace {

bool SameClass(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Every entry of a list box is one line of the font high, so whole entries fill its height.
class EntryHeightDelegate final : public QStyledItemDelegate {
 public:
  EntryHeightDelegate(int height, QObject* parent) : QStyledItemDelegate(parent), height_(height) {}

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return QSize(QStyledItemDelegate::sizeHint(option, index).width(), height_);
  }

 private:
  int height_;
};

// The alignment of a static text, or the icon that a static icon control names as "#<group>".
void SetUpStatic(QLabel& label, const TControlTemplate& control) {
  label.setTextFormat(Qt::PlainText);
  switch (control.style & style::kSsTypeMask) {
    case style::kSsCenter:
      label.setAlignment(Qt::AlignHCenter | Qt::AlignTop);
      break;
    case style::kSsRight:
      label.setAlignment(Qt::AlignRight | Qt::AlignTop);
      break;
    case style::kSsIcon: {
      label.clear();
      const TModule* module = TModule::Default();
      const bool numbered = control.text.size() > 1 && control.text.front() == '#';
      const TIconGroup* group =
          module != nullptr && numbered
              ? FindIconGroup(*module, std::atoi(std::string(control.text.substr(1)).c_str()))
              : nullptr;
      if (group != nullptr) {
        label.setPixmap(LoadIconImage(*group, kBigIconSize));
      }
      label.setAlignment(Qt::AlignLeft | Qt::AlignTop);
      break;
    }
    default:
      break;
  }
}

// A group box as dialog templates mean it: its rectangle is the frame, whose top line runs
// through the middle of the title.
class GroupFrame final : public QGroupBox {
 public:
  GroupFrame(const QString& title, QWidget* parent) : QGroupBox(title, parent) {}

 protected:
  void paintEvent(QPaintEvent* /*event*/) override {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    // Drawn here, etched, because the styles' own group box frames start below the title.
    qDrawShadeRect(&painter, rect().adjusted(0, metrics.height() / 2, 0, 0), palette(), true);
    if (title().isEmpty()) {
      return;
    }
    const int gap = metrics.averageCharWidth() / 2;
    const QRect text(metrics.averageCharWidth(), 0, metrics.horizontalAdvance(title()) + 2 * gap,
                     metrics.height());
    painter.fillRect(text, palette().window());
    style()->drawItemText(&painter, text.adjusted(gap, 0, -gap, 0),
                          Qt::AlignLeft | Qt::TextShowMnemonic, palette(), isEnabled(), title(),
                          QPalette::WindowText);
  }
};

}  // namespace

DialogWidget::DialogWidget(TDialog* owner, const TDialogTemplate& dialog, std::uint32_t style,
                           QWidget* parent)
    : QFrame(parent), owner_(owner) {
  const bool child = (style & style::kChild) != 0;
  if (!child) {
    // A popup dialog is a window of its own, owned by the parent's window when there is one.
    setWindowFlags(Qt::Dialog);
  }
  const QFont font(ToQString(dialog.font_face), dialog.point_size);
  setFont(font);
  base_ = BaseUnitsOf(font);
  // A window of its own has its border from the window system (a caption includes one).
  if (child && (style & style::kBorder) != 0) {
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
  }
  // Controls are placed in the client area, inside the border.
  const int inset = frameWidth();
  const QRect client = ToPixels(dialog.rect, base_);
  const QSize size(client.width() + 2 * inset, client.height() + 2 * inset);
  if (child) {
    setGeometry(QRect(client.topLeft(), size));
  } else {
    if ((style & style::kThickFrame) != 0) {
      resize(size);
    } else {
      setFixedSize(size);
    }
    move(parent != nullptr ? parent->mapToGlobal(client.topLeft()) : client.topLeft());
  }
  if ((style & style::kCaption) == style::kCaption) {
    setWindowTitle(ToQString(dialog.caption));
  }

  QWidget* previous_tab_stop = nullptr;
  QWidget* first_tab_stop = nullptr;
  for (const TControlTemplate& control : dialog.controls) {
    QWidget* widget = MakeControl(control);
    if (widget == nullptr) {
      complete_ = false;
      continue;
    }
    controls_.emplace_back(control.id, widget);
    QRect rect = ToPixels(control.rect, base_).translated(inset, inset);
    if (auto* list = qobject_cast<QListWidget*>(widget);
        list != nullptr && (control.style & style::kLbsNoIntegralHeight) == 0) {
      // Cut the list to whole entries, as its entries never show in part.
      const int entry = QFontMetrics(font).height();
      const int frame = 2 * list->frameWidth();
      rect.setHeight(frame + std::max(0, (rect.height() - frame) / entry) * entry);
    }
    widget->setGeometry(rect);
    widget->setEnabled((control.style & style::kDisabled) == 0);
    if ((control.style & style::kVisible) == 0) {
      widget->hide();
    }
    if ((control.style & style::kTabStop) != 0 && widget->focusPolicy() != Qt::NoFocus) {
      widget->setFocusPolicy(Qt::StrongFocus);
      // Tab visits the tab stops in template order.
      if (previous_tab_stop != nullptr) {
        QWidget::setTabOrder(previous_tab_stop, widget);
      } else {
        first_tab_stop = widget;
      }
      previous_tab_stop = widget;
    }
  }
  if (first_tab_stop != nullptr) {
    first_tab_stop->setFocus();
  }
  focus_tracking_ = connect(qApp, &QApplication::focusChanged, this,
                            [this](QWidget*, QWidget* now) { FocusMoved(now); });
}

DialogWidget::~DialogWidget() {
  // The focus leaves the controls while QWidget destroys them, after this part is gone.
  disconnect(focus_tracking_);
}

QWidget* DialogWidget::MakeControl(const TControlTemplate& control) {
  const QString text = ToQString(control.text);
  const int id = control.id;
  // Controls without a tab stop still take the focus when clicked.
  if (SameClass(control.window_class, "button")) {
    const std::uint32_t type = control.style & style::kBsTypeMask;
    if (type == style::kBsGroupBox) {
      auto* box = new GroupFrame(text, this);
      box->setFocusPolicy(Qt::NoFocus);
      return box;
    }
    if (type != style::kBsPushButton && type != style::kBsDefPushButton) {
      return nullptr;
    }
    auto* button = new QPushButton(text, this);
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::ClickFocus);
    if (type == style::kBsDefPushButton && template_default_ == nullptr) {
      button->setDefault(true);
      template_default_ = button;
    }
    connect(button, &QPushButton::clicked, this, [this, id] { SendCommand(id); });
    return button;
  }
  if (SameClass(control.window_class, "listbox")) {
    auto* list = new QListWidget(this);
    if ((control.style & style::kLbsExtendedSel) != 0) {
      list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    } else if ((control.style & style::kLbsMultipleSel) != 0) {
      list->setSelectionMode(QAbstractItemView::MultiSelection);
    } else {
      list->setSelectionMode(QAbstractItemView::SingleSelection);
    }
    list->setSortingEnabled((control.style & style::kLbsSort) != 0);
    if ((control.style & style::kBorder) == 0) {
      list->setFrameShape(QFrame::NoFrame);
    }
    list->setVerticalScrollBarPolicy(
        (control.style & style::kVScroll) != 0 ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    // No horizontal extent is ever set, so a long entry is cut at the right edge.
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setTextElideMode(Qt::ElideNone);
    list->setUniformItemSizes(true);
    list->setItemDelegate(new EntryHeightDelegate(QFontMetrics(font()).height(), list));
    list->setFocusPolicy(Qt::ClickFocus);
    return list;
  }
  if (SameClass(control.window_class, "static")) {
    auto* label = new QLabel(text, this);
    label->setFocusPolicy(Qt::NoFocus);
    SetUpStatic(*label, control);
    return label;
  }
  return nullptr;
}

QWidget* DialogWidget::Control(int id) const {
  for (const auto& [control_id, widget] : controls_) {
    if (control_id == id) {
      return widget;
    }
  }
  return nullptr;
}

void DialogWidget::SendCommand(int id) {
  if (owner_ != nullptr) {
    owner_->EvCommand(id, kBnClicked);
  }
}

void DialogWidget::keyPressEvent(QKeyEvent* event) {
  const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
    // A push button with the focus is the one Enter presses; otherwise the default button.
    const QWidget* focused = QApplication::focusWidget();
    for (const auto& [id, widget] : controls_) {
      if (widget == focused && qobject_cast<const QPushButton*>(widget) != nullptr) {
        SendCommand(id);
        return;
      }
    }
    int default_id = IDOK;
    for (const auto& [id, widget] : controls_) {
      if (widget == template_default_) {
        default_id = id;
      }
    }
    SendCommand(default_id);
    return;
  }
  if (plain && event->key() == Qt::Key_Escape) {
    SendCommand(IDCANCEL);
    return;
  }
  QFrame::keyPressEvent(event);
}

void DialogWidget::closeEvent(QCloseEvent* event) {
  // Closing the window is Cancel; what Cancel does decides whether the window goes.
  event->ignore();
  SendCommand(IDCANCEL);
}

void DialogWidget::FocusMoved(QWidget* now) {
  if (now == nullptr || !isAncestorOf(now)) {
    return;
  }
  // The push button with the focus looks like the default button, since Enter presses it.
  auto* focused_button = qobject_cast<QPushButton*>(now);
  for (const auto& [id, widget] : controls_) {
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
      button->setDefault(focused_button != nullptr ? button == focused_button
                                                   : button == template_default_);
    }
  }
}

}  // namespace geoplait::toolkit
