#include "dialog_units.h"

#include <QFont>
#include <QFontMetrics>

namespace geoplait::toolkit {
namespace {

// value * numerator / denominator, rounded half away from zero.
int ScaleRounded(int value, int numerator, int denominator) {
  const long long product = static_cast<long long>(value) * numerator;
  const long long half = denominator / 2;
  return static_cast<int>(product >= 0 ? (product + half) / denominator
                                       : (product - half) / denominator);
}

}  // namespace

TBaseUnits BaseUnitsOf(const QFont& font) {
  const QFontMetrics metrics(font);
  const int letters_width = metrics.horizontalAdvance(
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  // Half the width of the 52 letters over 26, rounded: their average width.
  return {(letters_width / 26 + 1) / 2, metrics.height()};
}

QRect ToPixels(const TDialogRect& rect, TBaseUnits base) {
  return QRect(ScaleRounded(rect.x, base.x, 4), ScaleRounded(rect.y, base.y, 8),
               ScaleRounded(rect.cx, base.x, 4), ScaleRounded(rect.cy, base.y, 8));
}

}  // namespace geoplait::toolkit
