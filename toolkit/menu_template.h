#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace geoplait::toolkit {

// Flags of a menu template item, bit for bit as menu templates store them.
namespace menu_flag {
inline constexpr std::uint16_t kGrayed = 0x0001;
inline constexpr std::uint16_t kPopup = 0x0010;
// The last item of its popup, or of the menu bar.
inline constexpr std::uint16_t kEnd = 0x0080;
inline constexpr std::uint16_t kSeparator = 0x0800;
}  // namespace menu_flag

// One item of a menu template. A popup's items follow it, up to the item marked kEnd. In a
// text, "&" marks the mnemonic and a tab starts the shortcut column.
struct TMenuItemTemplate {
  std::uint16_t flags;
  int id;  // the command of an item; 0 for popups and separators
  std::string_view text;
};

// A menu as its resource describes it: the items of the menu bar and of its popups, in order.
struct TMenuTemplate {
  int id;
  std::span<const TMenuItemTemplate> items;
};

}  // namespace geoplait::toolkit
