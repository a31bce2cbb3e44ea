#include "resource_ids.h"
#include "shell_resources.h"

namespace geoplait::resources {

namespace {

using toolkit::TMenuItemTemplate;
using namespace toolkit::menu_flag;

constexpr TMenuItemTemplate kSeparatorItem{kSeparator, 0, ""};

// The separators between the popups of the bar mark the groups of the menu descriptor; the
// descriptor removes them, so the bar never shows them.
constexpr TMenuItemTemplate kItems[] = {
    {kPopup, 0, "&File"},
    {0, kCmFileNew, "&New"},
    {0, kCmFileOpen, "&Open..."},
    kSeparatorItem,
    {kGrayed, kCmFileSave, "&Save"},
    {kGrayed, kCmFileSaveAs, "Save &As..."},
    kSeparatorItem,
    {kEnd, kCmExit, "E&xit\tAlt+F4"},
    kSeparatorItem,
    {kPopup, 0, "&Edit"},
    {kGrayed, kCmEditUndo, "&Undo\tAlt+BkSp"},
    kSeparatorItem,
    {kGrayed, kCmEditCut, "Cu&t\tShift+Del"},
    {kGrayed, kCmEditCopy, "&Copy\tCtrl+Ins"},
    {kGrayed, kCmEditPaste, "&Paste\tShift+Ins"},
    kSeparatorItem,
    {kGrayed, kCmEditClear, "Clear &All\tCtrl+Del"},
    {kGrayed | kEnd, kCmEditDelete, "&Delete\tDel"},
    {kPopup, 0, "&Search"},
    {kGrayed, kCmSearchFind, "&Find..."},
    {kGrayed, kCmSearchReplace, "&Replace..."},
    // The backspace character puts F3 right-aligned in the shortcut column.
    {kGrayed | kEnd, kCmSearchNext, "&Next\bF3"},
    kSeparatorItem,
    kSeparatorItem,
    kSeparatorItem,
    kSeparatorItem,
    {kPopup | kEnd, 0, "&Help"},
    {kEnd, kCmHelpAbout, "&About..."},
};

}  // namespace

const toolkit::TMenuTemplate kMenu100{kMainMenu, kItems};

}  // namespace geoplait::resources
