#pragma once

#include "dialog_template.h"

#include <QRect>

class QFont;

namespace geoplait::toolkit {

// The pixels of one horizontal base unit (four dialog units) and one vertical base unit
// (eight dialog units) of a dialog font.
struct TBaseUnits {
  int x;
  int y;
};

// The base units of font: the average width of the Latin letters, rounded, and the height
// of a line of the font.
TBaseUnits BaseUnitsOf(const QFont& font);

// A rectangle in dialog units as pixels: x * base.x / 4 and y * base.y / 8, rounded.
QRect ToPixels(const TDialogRect& rect, TBaseUnits base);

}  // namespace geoplait::toolkit
