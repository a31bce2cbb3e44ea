#include "button.h"

#include <QPushButton>

namespace geoplait::toolkit {

TButton::TButton(TWindow* parent, int id) : TControl(parent, id) {}

bool TButton::CanBindTo(const QWidget& widget) const {
  return qobject_cast<const QPushButton*>(&widget) != nullptr;
}

std::string TButton::GetText() const {
  const auto* button = qobject_cast<const QPushButton*>(GetHandle());
  return button != nullptr ? button->text().toStdString() : std::string();
}

void TButton::SetText(std::string_view text) {
  if (auto* button = qobject_cast<QPushButton*>(GetHandle())) {
    button->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  }
}

}  // namespace geoplait::toolkit
