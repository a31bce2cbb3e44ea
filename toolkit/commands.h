#pragma once

namespace geoplait::toolkit {

// The command with which the application closes its main window, from a menu's Exit item.
inline constexpr int kCmExit = 24310;

}  // namespace geoplait::toolkit
