#pragma once

#include "icon_template.h"

#include <QIcon>
#include <QPixmap>

namespace geoplait::toolkit {

// The image of group for a square of size pixels: the image of that size with the most
// colours, else the largest image scaled. Null when no image can be read.
QPixmap LoadIconImage(const TIconGroup& group, int size);

// The big (32 pixels) and the small (16 pixels) icon of group in one icon.
QIcon LoadIcon(const TIconGroup& group);

inline constexpr int kBigIconSize = 32;
inline constexpr int kSmallIconSize = 16;

}  // namespace geoplait::toolkit
