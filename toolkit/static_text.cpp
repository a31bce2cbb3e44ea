#include "static_text.h"

#include <QLabel>

namespace geoplait::toolkit {

TStatic::TStatic(TWindow* parent, int id) : TControl(parent, id) {}

bool TStatic::CanBindTo(const QWidget& widget) const {
  return qobject_cast<const QLabel*>(&widget) != nullptr;
}

std::string TStatic::GetText() const {
  const auto* label = qobject_cast<const QLabel*>(GetHandle());
  return label != nullptr ? label->text().toStdString() : std::string();
}

void TStatic::SetText(std::string_view text) {
  if (auto* label = qobject_cast<QLabel*>(GetHandle())) {
    label->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  }
}

}  // namespace geoplait::toolkit
