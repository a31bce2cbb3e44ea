#pragma once

#include <cstdint>

// Styles of static controls, bit for bit as dialog templates store them.
namespace geoplait::toolkit::style {

inline constexpr std::uint32_t kSsTypeMask = 0x1F;
inline constexpr std::uint32_t kSsLeft = 0x00;
inline constexpr std::uint32_t kSsCenter = 0x01;
inline constexpr std::uint32_t kSsRight = 0x02;
// The control shows an icon; its text names the icon group, as "#" and the group's number.
inline constexpr std::uint32_t kSsIcon = 0x03;
inline constexpr std::uint32_t kSsNoPrefix = 0x80;

}  // namespace geoplait::toolkit::style
