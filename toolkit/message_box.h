#pragma once

#include <string_view>

class QWidget;

namespace geoplait::toolkit {

// Message box styles: one OK button and the icon.
inline constexpr int MB_OK = 0;
inline constexpr int MB_ICONSTOP = 0x10;
inline constexpr int MB_ICONQUESTION = 0x20;
inline constexpr int MB_ICONEXCLAMATION = 0x30;
inline constexpr int MB_ICONINFORMATION = 0x40;

// A modal message box owned by owner's window (or by none); returns IDOK once it is closed.
int MessageBox(QWidget* owner, std::string_view text, std::string_view caption, int style);

}  // namespace geoplait::toolkit
