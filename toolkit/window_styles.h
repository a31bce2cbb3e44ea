#pragma once

#include <cstdint>

namespace geoplait::toolkit {

// Results of a dialog and the command ids of its OK and Cancel buttons.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;

// Notification code of a button click. Menu items and accelerators send it too.
inline constexpr int kBnClicked = 0;

// Style words of dialog templates, bit for bit as the templates store them.
namespace style {
inline constexpr std::uint32_t kPopup = 0x80000000;
inline constexpr std::uint32_t kChild = 0x40000000;
inline constexpr std::uint32_t kVisible = 0x10000000;
inline constexpr std::uint32_t kDisabled = 0x08000000;
inline constexpr std::uint32_t kCaption = 0x00C00000;
inline constexpr std::uint32_t kBorder = 0x00800000;
inline constexpr std::uint32_t kDlgFrame = 0x00400000;
inline constexpr std::uint32_t kVScroll = 0x00200000;
inline constexpr std::uint32_t kHScroll = 0x00100000;
inline constexpr std::uint32_t kThickFrame = 0x00040000;
inline constexpr std::uint32_t kGroup = 0x00020000;
inline constexpr std::uint32_t kTabStop = 0x00010000;

inline constexpr std::uint32_t kDsSetFont = 0x40;
inline constexpr std::uint32_t kDsModalFrame = 0x80;

inline constexpr std::uint32_t kBsTypeMask = 0x0F;
inline constexpr std::uint32_t kBsPushButton = 0x00;
inline constexpr std::uint32_t kBsDefPushButton = 0x01;
inline constexpr std::uint32_t kBsGroupBox = 0x07;
inline constexpr std::uint32_t kBsCenter = 0x300;

inline constexpr std::uint32_t kLbsNotify = 0x0001;
inline constexpr std::uint32_t kLbsSort = 0x0002;
inline constexpr std::uint32_t kLbsMultipleSel = 0x0008;
inline constexpr std::uint32_t kLbsNoIntegralHeight = 0x0100;
inline constexpr std::uint32_t kLbsExtendedSel = 0x0800;
}  // namespace style

// Show commands of a window.
inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOWNORMAL = 1;
inline constexpr int SW_SHOWMINIMIZED = 2;
inline constexpr int SW_SHOWMAXIMIZED = 3;
inline constexpr int SW_SHOWMINNOACTIVE = 7;

}  // namespace geoplait::toolkit
