#pragma once

#include <span>
#include <string_view>

namespace geoplait::toolkit {

// One string of a string table, keyed by id.
struct TStringEntry {
  int id;
  std::string_view text;
};

using TStringTable = std::span<const TStringEntry>;

}  // namespace geoplait::toolkit
