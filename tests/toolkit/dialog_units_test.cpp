#include "dialog_units.h"

#include <gtest/gtest.h>

namespace geoplait::toolkit {
namespace {

TEST(DialogUnits, ScaleByAQuarterAndAnEighthOfTheBaseUnitsRoundingToNearest) {
  struct Case {
    TDialogRect rect;
    TBaseUnits base;
    QRect pixels;
  };
  const Case cases[] = {
      {{21, 15, 280, 190}, {6, 13}, QRect(32, 24, 420, 309)},  // 31.5 and 24.375, 308.75
      {{70, 168, 50, 14}, {6, 13}, QRect(105, 273, 75, 23)},   // 22.75 rounds up
      {{0, 0, 1, 1}, {7, 15}, QRect(0, 0, 2, 2)},              // 1.75, 1.875
      {{1, 3, 2, 4}, {5, 12}, QRect(1, 5, 3, 6)},              // 1.25 down, 4.5 and 2.5 up
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << c.rect.x << "," << c.rect.y << " " << c.rect.cx << "x" << c.rect.cy);
    EXPECT_EQ(ToPixels(c.rect, c.base), c.pixels);
  }
}

}  // namespace
}  // namespace geoplait::toolkit
