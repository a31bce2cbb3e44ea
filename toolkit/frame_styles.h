#pragma once

#include "window_styles.h"

#include <cstdint>

// Style words of frames and the extended styles, bit for bit as windows store them.
namespace geoplait::toolkit::style {

inline constexpr std::uint32_t kOverlapped = 0x00000000;
inline constexpr std::uint32_t kClipChildren = 0x02000000;
inline constexpr std::uint32_t kSysMenu = 0x00080000;
inline constexpr std::uint32_t kMinimizeBox = 0x00020000;
inline constexpr std::uint32_t kMaximizeBox = 0x00010000;
inline constexpr std::uint32_t kOverlappedWindow =
    kOverlapped | kCaption | kSysMenu | kThickFrame | kMinimizeBox | kMaximizeBox;

inline constexpr std::uint32_t kExDlgModalFrame = 0x00000001;
inline constexpr std::uint32_t kExWindowEdge = 0x00000100;
inline constexpr std::uint32_t kExStaticEdge = 0x00020000;
inline constexpr std::uint32_t kExAppWindow = 0x00040000;

}  // namespace geoplait::toolkit::style
