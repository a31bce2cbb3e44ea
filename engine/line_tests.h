#pragma once

#include <string_view>

namespace geoplait {

// Lines are recognised by a fixed piece of text anywhere in them, case-sensitively.
inline bool Contains(std::string_view line, std::string_view text) {
  return line.find(text) != std::string_view::npos;
}

// The closing tag ends a section only as a line of its own, with nothing else on it.
inline bool IsClosingGpxTag(std::string_view line) {
  return line == "</gpx>";
}

}  // namespace geoplait
