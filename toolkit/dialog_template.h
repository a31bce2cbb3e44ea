#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace geoplait::toolkit {

// A rectangle in dialog units: x, y of the top left corner, then width and height.
struct TDialogRect {
  int x;
  int y;
  int cx;
  int cy;
};

// One control of a dialog template.
struct TControlTemplate {
  int id;
  std::string_view window_class;  // "button", "listbox" or "static"
  std::string_view text;
  std::uint32_t style;
  std::uint32_t ex_style;
  TDialogRect rect;
};

// A dialog as its resource describes it. The order of the controls is their tab order.
struct TDialogTemplate {
  int id;
  std::uint32_t style;
  std::uint32_t ex_style;
  TDialogRect rect;
  std::string_view caption;
  int point_size;
  std::string_view font_face;
  std::span<const TControlTemplate> controls;
};

}  // namespace geoplait::toolkit
