#pragma once

// The numbers by which the program addresses its resources and commands.
namespace geoplait::resources {

inline constexpr int kMainMenu = 100;
inline constexpr int kMainAccelerators = 100;
inline constexpr int kMainIcon = 1;
inline constexpr int kSpareIcon = 1001;  // nothing loads it

// Commands of the menu bar and its accelerators.
inline constexpr int kCmHelpAbout = 2009;
inline constexpr int kCmExit = 24310;
inline constexpr int kCmEditUndo = 24321;
inline constexpr int kCmEditCut = 24322;
inline constexpr int kCmEditCopy = 24323;
inline constexpr int kCmEditPaste = 24324;
inline constexpr int kCmEditDelete = 24325;
inline constexpr int kCmEditClear = 24326;
inline constexpr int kCmFileNew = 24331;
inline constexpr int kCmFileOpen = 24332;
inline constexpr int kCmFileSave = 24333;
inline constexpr int kCmFileSaveAs = 24334;
inline constexpr int kCmSearchFind = 24351;
inline constexpr int kCmSearchReplace = 24352;
inline constexpr int kCmSearchNext = 24353;

// Controls of the About box.
inline constexpr int kAboutVersion = 22001;
inline constexpr int kAboutCopyright = 22002;
inline constexpr int kAboutSpecialBuild = 22003;

}  // namespace geoplait::resources
