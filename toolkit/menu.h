#pragma once

#include "menu_template.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace geoplait::toolkit {

// One entry of a menu: a popup with its items, a command item or a separator.
struct TMenuItem {
  std::uint16_t flags = 0;
  int id = 0;
  std::string text;
  std::vector<TMenuItem> items;  // a popup's

  bool IsPopup() const { return (flags & menu_flag::kPopup) != 0; }
  bool IsSeparator() const { return (flags & menu_flag::kSeparator) != 0; }
  // Gray as the template gives it; the frame decides afresh whenever a popup opens.
  bool IsGrayed() const { return (flags & menu_flag::kGrayed) != 0; }
};

// The entries of a menu bar, as a tree, from the flat form of a menu template.
std::vector<TMenuItem> LoadMenu(const TMenuTemplate& menu);

// A menu bar whose top-level separators divide its popups into six groups, after the
// standard groups of a frame's menus. The separators only mark the groups: the bar that the
// descriptor builds has none.
class TMenuDescr {
 public:
  enum TGroup { FileGroup, EditGroup, ContainerGroup, ObjectGroup, WindowGroup, HelpGroup };
  static constexpr int NumGroups = 6;

  explicit TMenuDescr(const TMenuTemplate& menu);

  // The number of popups in each group.
  const std::array<int, NumGroups>& GroupCounts() const { return group_counts_; }
  // The popups of every group, in order, side by side.
  const std::vector<TMenuItem>& Popups() const { return popups_; }

 private:
  std::array<int, NumGroups> group_counts_{};
  std::vector<TMenuItem> popups_;
};

}  // namespace geoplait::toolkit
