#include "menu.h"

#include <cstddef>

namespace geoplait::toolkit {

namespace {

// Reads the items from at up to the one marked as the last of its level; at ends after it.
std::vector<TMenuItem> ReadLevel(std::span<const TMenuItemTemplate> items, std::size_t& at) {
  std::vector<TMenuItem> level;
  while (at < items.size()) {
    const TMenuItemTemplate& source = items[at++];
    TMenuItem item{source.flags, source.id, std::string(source.text), {}};
    if (item.IsPopup()) {
      item.items = ReadLevel(items, at);
    }
    level.push_back(std::move(item));
    if ((source.flags & menu_flag::kEnd) != 0) {
      break;
    }
  }
  return level;
}

}  // namespace

std::vector<TMenuItem> LoadMenu(const TMenuTemplate& menu) {
  std::size_t at = 0;
  return ReadLevel(menu.items, at);
}

TMenuDescr::TMenuDescr(const TMenuTemplate& menu) {
  int group = 0;
  for (TMenuItem& item : LoadMenu(menu)) {
    if (item.IsSeparator()) {
      // Separators past the last group have no group to start; they are dropped all the same.
      if (group < NumGroups - 1) {
        ++group;
      }
      continue;
    }
    ++group_counts_[group];
    popups_.push_back(std::move(item));
  }
}

}  // namespace geoplait::toolkit
